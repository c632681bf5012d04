#pragma once
// CSmartSceneSet (page 1): one scene's PTZ set-up. While it is shown the
// page manager holds the device's PTZ lock; timer 1002 renews it.

#include "video_page_dialog.h"

class CSmartSceneSet : public CVideoPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    static constexpr int kPtzLockTimer = 1002;

    explicit CSmartSceneSet(CAudioVideoPlay* session);

protected:
    void OnTimer(int id) override;
};
