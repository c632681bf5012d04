#include "ui_font.h"

#include <QFont>
#include <QStringList>
#include <mutex>

namespace vexo {

QString UiFontFace() {
    return QStringLiteral("微软雅黑");
}

void InstallUiFontSubstitution() {
    static std::once_flag once;
    std::call_once(once, [] {
        // In order of preference; fontconfig picks the first one installed.
        QFont::insertSubstitutions(
            UiFontFace(),
            {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
             QStringLiteral("Noto Sans SC"), QStringLiteral("Droid Sans Fallback")});
    });
}

}  // namespace vexo
