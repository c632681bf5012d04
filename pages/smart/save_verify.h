#pragma once
// Write, then verify: after the parameters of a rule were saved, the rule is
// read back (one more command) and the values the device stored differently
// from what was sent (clamped to a range, a shape cut to fewer points) are
// listed under "Save Success", in the control's language. Then the panel is
// built again from the device (a second read), so it shows the device's
// version; when nothing differs the panel is left as it is. See
// configreview/record_compare.h for what counts as a difference.
//
// Only rule saves are verified so far; modules and non-scene functions
// ("Advance Param"), schedules and linkage say "Save Success" as before.

#include <QString>
#include <vector>

#include "record_compare.h"

class CSmartXmlParse;

namespace vexo {
class CSmartUiAutoFresh;
}

namespace vexo::smart {

// The message for a save the device acknowledged.
QString VerifiedSaveText(CSmartXmlParse* parse, vexo::CSmartUiAutoFresh& controller);

// "Save Success" alone when there is no difference; otherwise followed by
// one line per difference (name, sent, stored), at most ten, then "and N
// more".
QString SaveReport(const QString& saveSuccess,
                   const std::vector<vexo::review::StoredDifference>& differences, bool chinese);

}  // namespace vexo::smart
