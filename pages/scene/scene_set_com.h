#pragma once
// CSceneSetCom: the save and recover strip of the scene settings page.

#include <QPoint>

#include "auto_controls.h"
#include "dlg_part_base.h"

class QWidget;

class CSceneSetCom : public CSceneSetBase {
public:
    static constexpr int kSaveIndex = 108;
    static constexpr int kRecoverIndex = 109;

    void Create(QWidget* parent, QPoint topLeft);
    bool OnCommand(int offset);

private:
    vexo::CAutoXpBtn save_;
    vexo::CAutoXpBtn recover_;
};
