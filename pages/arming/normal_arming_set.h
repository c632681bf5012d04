#pragma once
// CNormalArmingSet (page 3): the normal (non-analytics) alarms with their
// parameters, arming week and linkage (normal_config_body.h), beside the
// live video. Reload reads the page's data again when the header switches
// to this group.

#include "normal_config_body.h"
#include "video_page_dialog.h"

class CNormalArmingSet : public CVideoPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    // The live picture, 16:9, at the page's top left.
    static constexpr QRect kVideoRect{10, 47, 560, 315};
    explicit CNormalArmingSet(CAudioVideoPlay* session);

    void Reload() override;
    void StoreForExport() override;
    bool ConfirmLeave() override { return !isVisible() || body_.ConfirmLeave(); }
    bool OnAutoNotify(const vexo::AutoNotification& notification) override;
    int ReloadCount() const { return reloads_; }
    CNormalConfigBody& Body() { return body_; }

protected:
    void OnInitDialog() override;
    bool OnCommand(int offset) override;
    // Timer 1001: starts the live picture once after the page is shown,
    // then keeps the body's panel in step with it.
    void OnTimer(int id) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CNormalConfigBody body_;
    int reloads_ = 0;
    bool previewStarted_ = false;
};
