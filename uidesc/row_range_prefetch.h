#pragma once
// The value ranges a panel's rows ask the device for: looked up through the
// channel, and asked side by side before the rows are built (one round
// trip's time instead of one per parameter).

#include "param_rows.h"

class DeviceCommandChannel;

namespace vexo {

// The rows' range lookup for `funName` on `channel`: the device's answer,
// which the channel keeps for the login; an empty range when there is none.
std::function<RangeInfo(const QString& paramName)> DeviceRanges(DeviceCommandChannel* channel,
                                                                const QString& ownerKind,
                                                                const QString& funName);

// The parameters whose ranges the rows of `inputs` ask, in the rows' order:
// the rows built once without a device.
QStringList RowRangeNames(const RowInputs& inputs);

// Builds the rows of `inputs` once without a device, to learn which ranges
// they ask for, and lets `channel` fetch those of `funName` together.
void PrefetchRowRanges(DeviceCommandChannel* channel, const RowInputs& inputs,
                       const QString& funName);

}  // namespace vexo
