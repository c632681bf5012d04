#pragma once
// Conversion between the control's wide texts (QString) and the narrow texts
// that cross the JSON boundary and the device libraries. The narrow encoding
// is the process locale's (UTF-8 on a normal Linux system), the stand-in for
// the thread's ANSI code page of the original platform.

#include <QString>
#include <string>
#include <string_view>

namespace vexo {

std::string ToNarrow(const QString& wide);
QString FromNarrow(std::string_view narrow);

}  // namespace vexo
