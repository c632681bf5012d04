#include "linkage_groups.h"

namespace vexo {

bool IsActiveActionState(const QString& state) {
    return state == u"TRUE" || state == u"true" || state == u"True";
}

std::vector<LinkageGroup> ReadLinkageGroups(const ParamRecord& record, int maxSlot) {
    std::vector<LinkageGroup> groups;
    int position = 0;
    for (const auto& [name, value] : record.objectParams) {
        LinkageGroup group;
        group.name = name;
        if (const auto slot = record.plainParams.find(name); slot != record.plainParams.end()) {
            bool ok = false;
            const int number = slot->second.trimmed().toInt(&ok);
            group.slot = !ok ? 0 : (number < 0 || number > maxSlot ? position : number);
        }
        for (const auto& [action, state] : value.attributes) {
            group.actions.push_back({action, IsActiveActionState(state)});
        }
        groups.push_back(std::move(group));
        ++position;
    }
    return groups;
}

int SetLinkageAction(ParamRecord& record, const QString& action, bool active) {
    int changed = 0;
    for (auto& [name, value] : record.objectParams) {
        const auto found = value.attributes.find(action);
        if (found != value.attributes.end()) {
            found->second = active ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            ++changed;
        }
    }
    return changed;
}

}  // namespace vexo
