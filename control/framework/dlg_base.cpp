#include "dlg_base.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

void CDlgBase::InitDialogBase(QWidget* dialog) {
    if (dialog == nullptr) {
        return;
    }
    m_rect = dialog->rect();
    dialog->resize(m_rect.size());
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, vexo::ColorFromRef(kPageBackground));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
    dialog->update();
}

void CDlgBase::DrawTitleBand(QPainter& painter) const {
    painter.fillRect(QRect(0, 0, m_rect.width(), kTitleBandHeight), vexo::ColorFromRef(kTitleBand));
}
