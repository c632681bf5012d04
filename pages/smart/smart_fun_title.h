#pragma once
// CSmartFunTitle: the function bar of the smart configuration page: one
// button per smart function enabled in the scene, the selected one pressed.
// A button's identifier is 18000 plus the function's offset in the manager's
// function table; functions the table does not know (no display texts in the
// device's localisation file) get no button.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "auto_controls.h"
#include "dlg_part_base.h"

class QWidget;

class CSmartFunTitle : public CSmartConfigBase {
public:
    struct Entry {
        QString name;     // device name, e.g. "zelk:Intrusion_Event"
        QString caption;  // display name
        int offset = 0;   // owner-drawn offset of its button
    };

    // Builds one button per function of `funNames` the table knows.
    void Build(QWidget* parent, const QStringList& funNames);
    // Lays the buttons out again for a page `pageWidth` wide: a row also
    // ends before a button that would run past the page's right edge.
    void Place(int pageWidth);
    // Presses the button of `name`; false when the bar has none.
    bool Select(const QString& name);
    // The function of button offset `offset`; empty when none.
    QString NameOfOffset(int offset) const;
    const std::vector<Entry>& Entries() const { return entries_; }
    const QString& Selected() const { return selected_; }

    // Button width and image pair by the caption's length.
    struct Look {
        int width;
        int normal;
        int selected;
    };
    static Look LookFor(const QString& caption);

private:
    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<vexo::CAutoXpBtn>> buttons_;
    QString selected_;
};
