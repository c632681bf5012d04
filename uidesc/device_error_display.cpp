#include "device_error_display.h"

#include "com_str.h"
#include "message_display.h"
#include "ui_helpers.h"

namespace vexo {

QString TranslateDeviceError(const LocalisationTables& tables, const QString& language,
                             const QString& errorText) {
    const LocalisationTables::Table* table = tables.TableOf(language);
    if (!table) {
        return {};
    }
    const auto found = table->find(errorText);
    return found == table->end() || found->second.isEmpty() ? errorText : found->second;
}

bool ShowDeviceErrorText(const LocalisationTables& tables, const QString& language,
                         const QString& errorText) {
    const QString text = TranslateDeviceError(tables, language, errorText);
    if (text.isEmpty() || !CurrentMessageDisplay()) {
        return false;
    }
    ShowMessage(text, TheComStr()->error);
    return true;
}

}  // namespace vexo
