#include "row_range_prefetch.h"

#include "device_command_channel.h"

namespace vexo {

std::function<RangeInfo(const QString&)> DeviceRanges(DeviceCommandChannel* channel,
                                                      const QString& ownerKind,
                                                      const QString& funName) {
    if (channel == nullptr) {
        return {};
    }
    return [channel, ownerKind, funName](const QString& name) {
        ParamRange range;
        range.paramName = name;
        RangeInfo info;
        if (channel->GetParamRange(ownerKind, funName, range)) {
            info.description = range.description;
            info.rangeMap = std::move(range.rangeMap);
        }
        return info;
    };
}

QStringList RowRangeNames(const RowInputs& inputs) {
    QStringList names;
    RowInputs dryRun = inputs;
    dryRun.range = [&names](const QString& name) {
        names.push_back(name);
        return RangeInfo{};
    };
    ParamRows scratch;
    BuildRows(dryRun, scratch);
    return names;
}

void PrefetchRowRanges(DeviceCommandChannel* channel, const RowInputs& inputs,
                       const QString& funName) {
    if (channel == nullptr || !inputs.range) {
        return;
    }
    channel->PrefetchRanges(inputs.ownerKind, funName, RowRangeNames(inputs));
}

}  // namespace vexo
