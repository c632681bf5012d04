#pragma once
// The small popup in which the operator types a schedule period's start and
// end ("HH:MM"), opened by a double click on the period. It only asks; the
// grid checks the times and refuses what cannot be a period.

#include <QString>

class QWidget;

namespace vexo {

// Shows `start` and `end` for editing; on OK they hold what was typed and
// true is returned, on Cancel they are left alone.
bool AskPeriodTimes(QWidget* parent, QString& start, QString& end);

}  // namespace vexo
