#pragma once
// How a device's refusal reaches the operator: the device's error text is
// looked up in the localisation table of the current language and shown in
// the control's message display under the title "error".

#include <QString>

#include "localisation.h"

namespace vexo {

// The translation of `errorText` in `language`, the text itself when the
// table has nothing for it, empty for another language.
QString TranslateDeviceError(const LocalisationTables& tables, const QString& language,
                             const QString& errorText);

// Shows the translation in the installed message display (message_display.h)
// under the current language's "error" title. Nothing is shown for an empty
// result. True when a text was handed over.
bool ShowDeviceErrorText(const LocalisationTables& tables, const QString& language,
                         const QString& errorText);

}  // namespace vexo
