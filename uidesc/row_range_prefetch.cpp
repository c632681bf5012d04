#include "row_range_prefetch.h"

#include "device_command_channel.h"

namespace vexo {

void PrefetchRowRanges(DeviceCommandChannel* channel, const RowInputs& inputs,
                       const QString& funName) {
    if (channel == nullptr || !inputs.range) {
        return;
    }
    QStringList names;
    RowInputs dryRun = inputs;
    dryRun.range = [&names](const QString& name) {
        names.push_back(name);
        return RangeInfo{};
    };
    ParamRows scratch;
    BuildRows(dryRun, scratch);
    channel->PrefetchRanges(inputs.ownerKind, funName, names);
}

}  // namespace vexo
