#pragma once
// CSmartArmingInterval: the "Arming Interval" tab of the smart configuration
// page. It is the schedule grid in its analytics form: periods move with a
// double click, and the rule batch copies the week to the function's other
// rules once the page has given them (SetRuleBatch).

#include "dlg_part_base.h"
#include "guard_schedule_grid.h"

namespace vexo {

class CSmartArmingInterval : public GuardScheduleGrid, public CSmartConfigBase {
    Q_OBJECT
public:
    explicit CSmartArmingInterval(QWidget* parent = nullptr);
    ~CSmartArmingInterval() override;
};

}  // namespace vexo
