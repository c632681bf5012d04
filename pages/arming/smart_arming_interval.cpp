#include "smart_arming_interval.h"

namespace vexo {

CSmartArmingInterval::CSmartArmingInterval(QWidget* parent) : GuardScheduleGrid(parent) {
    SetMovablePeriods(true);
    SetRuleBatch(true);
}

CSmartArmingInterval::~CSmartArmingInterval() = default;

}  // namespace vexo
