#include "normal_arming_set.h"

#include <QPainter>

CNormalArmingSet::CNormalArmingSet(CAudioVideoPlay* session)
    : CVideoPageDialog(3, kTemplateSize, false, session) {}

void CNormalArmingSet::OnInitDialog() {
    CVideoPageDialog::OnInitDialog();
    body_.Create(this);
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

void CNormalArmingSet::paintEvent(QPaintEvent* event) {
    CVideoPageDialog::paintEvent(event);
    QPainter painter(this);
    body_.Paint(painter);
}
