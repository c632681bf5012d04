#include "normal_arming_set.h"

#include <QPainter>

CNormalArmingSet::CNormalArmingSet(CAudioVideoPlay* session)
    : CVideoPageDialog(3, kTemplateSize, false, session) {}

void CNormalArmingSet::OnInitDialog() {
    // A smaller picture than the other pages show: the week's bars and the
    // linkage groups need the width more.
    Pane().SetParentWnd(this);
    Pane().CreateVideoWindow(kVideoRect);
    Pane().CreateButtons();
    body_.Create(this);
    vexo::PageFit::Layout layout;
    layout.video = kVideoRect;
    layout.belowBottom = CNormalConfigBody::kAlarmListRect.bottom();
    layout.columnBottom = CNormalConfigBody::kButtonRect.bottom();
    layout.liftLine = CNormalConfigBody::kButtonRect.top();
    vexo::PageFit& fit = FitToWindow(layout, [this](const QRect& video) {
        Pane().PlaceVideo(video);
        body_.FitVideo(video.width());
    });
    fit.SetVideo(Pane().VideoWindow(),
                 {Pane().PlayButton().Control(), Pane().StopButton().Control()});
    fit.Apply();
}

void CNormalArmingSet::Reload() {
    ++reloads_;
    body_.Reload();
}

void CNormalArmingSet::StoreForExport() {
    body_.StoreForExport();
}

bool CNormalArmingSet::OnAutoNotify(const vexo::AutoNotification& notification) {
    return body_.OnAutoNotify(notification) || CVideoPageDialog::OnAutoNotify(notification);
}

bool CNormalArmingSet::OnCommand(int offset) {
    return body_.OnCommand(offset) || CVideoPageDialog::OnCommand(offset);
}

void CNormalArmingSet::OnTimer(int id) {
    if (id != kPageTimer) {
        return;
    }
    if (!previewStarted_) {
        previewStarted_ = true;
        Pane().StartPreview();
    }
    body_.PeriodicUpdate();
}

void CNormalArmingSet::hideEvent(QHideEvent* event) {
    CVideoPageDialog::hideEvent(event);
    // Hidden by a page switch that leaves this timer running (back to the
    // index page); shown again, the page starts its picture again.
    KillTimer(kPageTimer);
    previewStarted_ = false;
}

void CNormalArmingSet::paintEvent(QPaintEvent* event) {
    CVideoPageDialog::paintEvent(event);
    QPainter painter(this);
    body_.Paint(painter);
}
