#include "description_files.h"

namespace vexo {

std::string DescriptionFolder(const std::string& moduleDirectory) {
    return moduleDirectory + "//tempfile//";
}

bool IsSafeDeviceFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String("..")) &&
           !name.contains(QChar(0));
}

}  // namespace vexo
