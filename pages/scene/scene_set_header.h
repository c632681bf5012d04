#pragma once
// CSceneSetHeader: the scene settings page's title strip: the scene's name
// for editing, a help button and the return button.

#include <QString>

#include "auto_controls.h"
#include "dlg_part_base.h"

class QWidget;

class CSceneSetHeader : public CSceneSetBase {
public:
    static constexpr int kReturnIndex = 100;
    static constexpr int kHelpIndex = 101;
    static constexpr int kNameLabelId = 15000 + 1;
    static constexpr int kNameEditId = 13000 + 1;

    // Creates the controls in the page's title band, `width` wide.
    void Create(QWidget* parent, int width);
    // True for the header's own buttons.
    bool OnCommand(int offset);

    QString Name() const { return name_.GetWindowText(); }
    void SetName(const QString& name) { name_.SetWindowText(name); }

private:
    vexo::CAutoStatic label_;
    vexo::CAutoEdit name_;
    vexo::CAutoXpBtn help_;
    vexo::CAutoXpBtn return_;
};
