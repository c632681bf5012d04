#pragma once
// What the readers of the UI description return. Lists keep document order.

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "auto_value_record.h"

namespace vexo {

// One parameter of a panel: its `Name` and its `uiType` text.
struct ParamEntry {
    QString name;
    QString uiType;
    bool operator==(const ParamEntry&) const = default;
};
using ParamList = std::vector<ParamEntry>;

// The parameter `name` is shown while `condition.linkName` has the value
// `condition.linkValue`.
struct UiLinkEntry {
    QString name;
    LinkCondition condition;
};
using UiLinkList = std::vector<UiLinkEntry>;

// Capability element name to its text, ordered by name.
using CapabilityMap = std::map<QString, QString>;

}  // namespace vexo
