#include "narrow_text.h"

namespace vexo {

std::string ToNarrow(const QString& wide) {
    return wide.toLocal8Bit().toStdString();
}

QString FromNarrow(std::string_view narrow) {
    return QString::fromLocal8Bit(narrow.data(), static_cast<qsizetype>(narrow.size()));
}

}  // namespace vexo
