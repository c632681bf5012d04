#pragma once
// Write, then verify on the smart configuration page (pages/arming/
// stored_check.h): after the panel's records were saved, each is read back
// (one more command per record: the rule, or the function's modules and
// non-scene functions under "Advance Param") and what the device stored
// differently is listed under "Save Success". Then the panel is built again
// from the device (one more read per record), so it shows the device's
// version; when nothing differs the panel is left as it is.

#include <QString>

class CSmartXmlParse;

namespace vexo {
class CSmartUiAutoFresh;
}

namespace vexo::smart {

// The message for a save the device acknowledged.
QString VerifiedSaveText(CSmartXmlParse* parse, vexo::CSmartUiAutoFresh& controller);

}  // namespace vexo::smart
