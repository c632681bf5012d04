#pragma once
// Write, then verify: after a save the device acknowledged, the page reads
// the record back (one more command) and compares it with what it sent
// (configreview/record_compare.h). Equal, the operator sees "Save Success"
// as always; otherwise "Save Success" is followed by what the device stored
// differently (name, sent, stored; at most ten lines, then "and N more"),
// in the control's language, and the page shows the device's version.
//
// Members the device never returns are not differences. With vexo-devsim:
// - rules, modules, non-scene functions and normal alarms come back with
//   every parameter; "Token" is the record's identity, not a value, and a
//   value's "name" is compared only when the reply carries one;
// - a schedule comes back with every day; its periods are compared as the
//   day's list of times, so a period the device merged, moved or dropped
//   is one line for the day, whatever its attributes were called. The
//   record's other members (the reply's "Token") are identity;
// - a linkage comes back with every group, its slot and every action;
// - a tour comes back with every row and every plain value ("Enabled", the
//   week days);
// - a scene's functions are those "CMD_ModifyScene" itself reads back (the
//   scene settings page compares them without a further command).
// A read-back that fails says nothing more: the save itself was
// acknowledged, so the message stays "Save Success".

#include <QString>
#include <vector>

#include "command_records.h"
#include "param_record.h"
#include "record_compare.h"

namespace vexo {

using StoredDifferences = std::vector<review::StoredDifference>;

// Parameter records: rules, modules, non-scene functions, normal alarms and
// linkage (groups of actions).
StoredDifferences CompareRecords(const ParamRecord& sent, const ParamRecord& stored);
// Guard schedules, day by day from Monday, each day named in the control's
// language and compared as the list of its periods.
StoredDifferences CompareSchedules(const ParamRecord& sent, const ParamRecord& stored);
StoredDifferences CompareTours(const TourRecord& sent, const TourRecord& stored);

// "Save Success" alone when there is no difference; otherwise followed by
// one line per difference, at most ten, then "and N more". An empty
// `saveSuccess` gives the lines alone.
QString SaveReport(const QString& saveSuccess, const StoredDifferences& differences, bool chinese);
// SaveReport in the control's language.
QString SaveSuccessText(const StoredDifferences& differences);
// Shows SaveSuccessText titled "tips".
void ShowSaveSuccess(const StoredDifferences& differences);

}  // namespace vexo
