#pragma once
// Control identifiers of the guard schedule editor and the linkage editor.
// Both editors live on the smart configuration page and on the normal arming
// page, beside the page's own buttons and the parameter engine's windows
// (check boxes 17000-17049, owner-drawn buttons 18400-18449, statics
// 15100-15149), so they keep to offsets 600 to 799 of each class. Host
// scripts press the controls by these numbers.

#include "auto_ids.h"

namespace vexo::editor_ids {

// Guard schedule editor.
inline constexpr int kScheduleArea = 15650;         // the grid itself (mouse drawing)
inline constexpr int kScheduleDayBar = 15610;       // + day (0 = Monday): the day's bar
inline constexpr int kScheduleDayButton = 18600;    // + day: the day's name button
inline constexpr int kScheduleCopyTo = 18610;       // + day: the day's "Copy To" button
inline constexpr int kScheduleRuleBatch = 18620;    // copies the week to other rules
inline constexpr int kScheduleAllClear = 18621;     // "All Clear"
inline constexpr int kScheduleClear = 18622;        // "Clear" (the selected period)
inline constexpr int kScheduleBatchCheck = 17600;   // "Batch Settings"
inline constexpr int kScheduleStartLabel = 15600;   // start time of the selected period
inline constexpr int kScheduleEndLabel = 15601;     // end time of the selected period
inline constexpr int kSchedulePeriodStart = 13600;  // typed start of a period (its popup)
inline constexpr int kSchedulePeriodEnd = 13601;    // typed end of a period (its popup)

// Linkage editor.
inline constexpr int kLinkageArea = 15750;        // the panel itself
inline constexpr int kLinkageGroupTitle = 15700;  // + group (ascending key order), 40 at most
inline constexpr int kLinkageAction = 17700;      // + action (groups in key order, then
                                                  // actions in name order), 90 at most
inline constexpr int kLinkageRuleBatch = 18700;   // copies the actions to other rules
inline constexpr int kLinkageBatchCheck = 17690;  // "Batch Settings"
inline constexpr int kLinkageMaxGroups = 40;
inline constexpr int kLinkageMaxActions = 90;

}  // namespace vexo::editor_ids
