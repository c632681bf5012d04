#pragma once
// How the linkage editor reads an action trigger record: each object
// parameter is a group of actions (its key the group's name), each attribute
// of the group's value one action with its state, "TRUE" or "FALSE" on the
// wire; a plain parameter named like a group gives the group's display
// slot. This file holds those rules; the editor only lays them out.

#include <QString>
#include <vector>

#include "param_record.h"

namespace vexo {

struct LinkageAction {
    QString name;
    bool active = false;
};

struct LinkageGroup {
    QString name;
    int slot = 0;                        // 0-based vertical slot of the panel
    std::vector<LinkageAction> actions;  // ascending name order
};

// "TRUE", "true" and "True" mean active; anything else does not.
bool IsActiveActionState(const QString& state);

// The groups of `record` in ascending key order. A group's slot is its
// plain parameter read as a decimal number; a missing or unreadable one is
// 0, and one outside 0 to `maxSlot` is replaced by the group's position in
// key order (a device's stray number never puts a group off the panel).
std::vector<LinkageGroup> ReadLinkageGroups(const ParamRecord& record, int maxSlot);

// Sets the action named `action` to "TRUE" or "FALSE" in every group of
// `record` that has it. Returns the number of groups changed.
int SetLinkageAction(ParamRecord& record, const QString& action, bool active);

}  // namespace vexo
