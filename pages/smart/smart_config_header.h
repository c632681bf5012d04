#pragma once
// CSmartConfigHeader: the title strip of the smart configuration page: the
// caption "Current Scene", the list of the device's scenes with the page's
// scene selected, and the return button.
//
// Choosing another scene in the list enters that scene on the page (its
// smart functions and rules, keeping the function when the scene has it);
// the return button goes back to the index page. Both are the page's to do;
// the header only reports them.

#include <QString>

#include "auto_controls.h"
#include "dlg_part_base.h"

class QWidget;

class CSmartConfigHeader : public CSmartConfigBase {
public:
    void Create(QWidget* parent);
    // Lists the manager's scenes and selects the one with `sceneToken`.
    void Refresh(const QString& sceneToken);
    // The scene token of list entry `index`; empty when out of range.
    QString TokenAt(int index) const;
    int SelectedIndex() const;

private:
    vexo::CAutoStatic caption_;
    vexo::CAutoComboBox scenes_;
    vexo::CAutoXpBtn return_;
};
