#pragma once
// CNormalArmingSet (page 3): the normal (non-analytics) alarms. Reload
// reads the page's data again when the header switches to this group.

#include "video_page_dialog.h"

class CNormalArmingSet : public CVideoPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    explicit CNormalArmingSet(CAudioVideoPlay* session);

    void Reload() override;
    int ReloadCount() const { return reloads_; }

private:
    int reloads_ = 0;
};
