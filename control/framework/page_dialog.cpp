#include "page_dialog.h"

#include <QMouseEvent>
#include <QPainter>

#include "auto_ids.h"

namespace {
constexpr int kXpBase = 18000;
}

CPageDialog::CPageDialog(int pageNumber, QSize templateSize, bool titleBand)
    : titleBand_(titleBand), timers_([this](int id) { OnTimer(id); }) {
    // A page's timer waits for the end of an operator action in progress.
    timers_.SetHoldable(true);
    setProperty(kPageProperty, pageNumber);
    resize(templateSize);
}

void CPageDialog::Create(CDialogManager* manager, QWidget* parent) {
    SetManager(manager);
    setParent(parent);
    hide();
    InitDialogBase(this);
    OnInitDialog();
}

bool CPageDialog::OnAutoNotify(const vexo::AutoNotification& notification) {
    if (notification.code != vexo::AutoNotify::Clicked ||
        !vexo::IsInAutoRange(notification.id, kXpBase)) {
        return false;
    }
    return OnCommand(notification.id - kXpBase);
}

vexo::PageFit& CPageDialog::FitToWindow(vexo::PageFit::Layout layout,
                                        std::function<void(const QRect&)> placeVideo) {
    delete fit_;
    fit_ = new vexo::PageFit(this, std::move(layout), std::move(placeVideo));
    return *fit_;
}

void CPageDialog::paintEvent(QPaintEvent*) {
    if (titleBand_) {
        QPainter painter(this);
        DrawTitleBand(painter);
    }
}

void CPageDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    InitDialogBase(this);
}

void CPageDialog::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void CPageDialog::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
