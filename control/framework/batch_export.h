#pragma once
// The batch configuration export: the records the pages gathered in the page
// manager's parameter caches become one JSON text (the same text a host
// hands back to SetConfig), which the operator saves to a file chosen in a
// save dialog, "SmartParamsConfig.json" by default.

#include <QString>

class CDialogManager;

namespace vexo {

inline constexpr char kExportFileName[] = "SmartParamsConfig.json";

// The export text of the manager's eight parameter caches: "NonScenes" and
// "Modules" by record name, the other six groups by function name and record
// name. A group without records is null.
QString BatchExportText(const CDialogManager& manager);

// Asks for the file to write in a save dialog that opens in the current
// directory with `kExportFileName` proposed, offers JSON files only, appends
// ".json" to a name typed without an extension and asks before replacing a
// file. Empty when the operator cancels.
QString AskExportPath();

// Writes `text` in the narrow encoding, without byte-order mark. The file is
// replaced only once every byte is written, so a failed write (a folder
// without write permission, a full disk) leaves an earlier file as it was.
bool WriteExportFile(const QString& path, const QString& text);

}  // namespace vexo
