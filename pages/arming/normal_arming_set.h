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
    explicit CNormalArmingSet(CAudioVideoPlay* session);

    void Reload() override;
    void StoreForExport() override;
    bool OnAutoNotify(const vexo::AutoNotification& notification) override;
    int ReloadCount() const { return reloads_; }
    CNormalConfigBody& Body() { return body_; }

protected:
    void OnInitDialog() override;
    bool OnCommand(int offset) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CNormalConfigBody body_;
    int reloads_ = 0;
};
