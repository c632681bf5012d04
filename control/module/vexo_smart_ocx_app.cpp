#include "vexo_smart_ocx_app.h"

#include <cstdlib>

#include "com_font.h"
#include "com_str.h"
#include "crash_handler.h"
#include "message_display.h"
#include "ok_cancel_message_display.h"

bool CVexoSmartOcxApp::InitInstance(const std::string& modulePath) {
    if (m_initialised) {
        return true;
    }
    if (!modulePath.empty()) {
        vexo::InstallCrashHandler(modulePath);
    }
    vexo::TheComStr().SetLanguage(UiLanguageFor(SystemLocaleName()));
    if (!vexo::CurrentMessageDisplay()) {
        static vexo::COkCancelMessageDisplay display;
        vexo::SetMessageDisplay(&display);
    }
    m_initialised = true;
    return true;
}

const vexo::CComFont& CVexoSmartOcxApp::FirstFont() const {
    return vexo::ModuleFirstFont();
}
const vexo::CComFont& CVexoSmartOcxApp::SecondFont() const {
    return vexo::ModuleSecondFont();
}

QString CVexoSmartOcxApp::LanguageAbbreviation(const QString& localeName) {
    // "zh_CN.UTF-8@variant" -> language "zh", territory "CN".
    const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString territory = name.section(QLatin1Char('_'), 1, 1).toUpper();
    if (language == QLatin1String("zh")) {
        if (territory == QLatin1String("CN")) {
            return QStringLiteral("chs");
        }
        if (territory == QLatin1String("TW")) {
            return QStringLiteral("cht");
        }
        return {};
    }
    return language == QLatin1String("en") ? QStringLiteral("eng") : QString();
}

QString CVexoSmartOcxApp::UiLanguageFor(const QString& localeName) {
    const QString abbreviation = LanguageAbbreviation(localeName);
    return abbreviation == QLatin1String("chs") || abbreviation == QLatin1String("cht")
               ? QStringLiteral("chinese")
               : QStringLiteral("english");
}

QString CVexoSmartOcxApp::SystemLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value && value[0]) {
            return QString::fromLocal8Bit(value);
        }
    }
    return QStringLiteral("C");
}

CVexoSmartOcxApp& TheVexoSmartOcxApp() {
    static CVexoSmartOcxApp app;
    return app;
}
