#pragma once
// CVexoSmartOcxApp: the module object, initialised once when the module is
// loaded. It installs the crash dump writer, takes the UI language from the
// system's default language and installs the popup as the control's message
// display. The module's two fonts are created on first use (a font needs
// the host's GUI application, which may not exist yet at load time).

#include <QString>
#include <string>

namespace vexo {
class CComFont;
}

class CVexoSmartOcxApp {
public:
    // `modulePath` names the dump files; empty skips the crash handler.
    bool InitInstance(const std::string& modulePath);
    bool Initialised() const { return m_initialised; }

    const vexo::CComFont& FirstFont() const;   // 20 x 7
    const vexo::CComFont& SecondFont() const;  // 21 x 8

    // "chs" for Chinese of the PRC, "cht" for Chinese of Taiwan, "eng" for
    // English, empty otherwise; `localeName` as "zh_CN", "en_US.UTF-8", ...
    static QString LanguageAbbreviation(const QString& localeName);
    // "chinese" for "chs" and "cht", otherwise "english".
    static QString UiLanguageFor(const QString& localeName);
    // The system's default locale name ($LC_ALL, $LC_MESSAGES, $LANG).
    static QString SystemLocaleName();

private:
    bool m_initialised = false;
};

CVexoSmartOcxApp& TheVexoSmartOcxApp();
