#pragma once
// The screenshot gallery: every widget kind and every popup mode, drawn off
// screen in the current language and saved as PNG files.

#include <QString>
#include <QWidget>

namespace gallery {

// Saves `widget` (shown, laid out) as `<folder>/<name>.png`; false on error.
bool Save(QWidget& widget, const QString& folder, const QString& name);

// Sheets; each returns the number of files it failed to write.
int SaveWidgetSheets(const QString& folder);
int SavePopupSheets(const QString& folder);
// The parameter panels of the simulated device at `address` ("HOST:PORT",
// user "admin", password "Admin_123").
int SavePanelSheets(const QString& folder, const QString& address);
// The schedule and linkage editors of that device's first rule.
int SaveEditorSheets(const QString& folder, const QString& address);

}  // namespace gallery
