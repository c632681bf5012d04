#pragma once
// The value ranges a panel's rows will ask for, asked of the device side by
// side before the rows are built (one round trip's time instead of one per
// parameter).

#include "param_rows.h"

class DeviceCommandChannel;

namespace vexo {

// Builds the rows of `inputs` once without a device, to learn which ranges
// they ask for, and lets `channel` fetch those of `funName` together.
void PrefetchRowRanges(DeviceCommandChannel* channel, const RowInputs& inputs,
                       const QString& funName);

}  // namespace vexo
