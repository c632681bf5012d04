#pragma once
// CVideoPageDialog: a page that shows the live video in a pane of its own
// (scene settings, smart configuration, normal arming). Timer 1001 fires
// once 200 ms after the page is shown and starts the video; the pane's
// play and stop buttons work from the start.

#include "av_play_base.h"
#include "page_dialog.h"

class CVideoPageDialog : public CPageDialog {
    Q_OBJECT
public:
    static constexpr int kPageTimer = 1001;
    // Where the pane sits on the page, below the title band.
    static constexpr QRect kVideoRect{10, 47, 704, 396};

    CVideoPageDialog(int pageNumber, QSize templateSize, bool titleBand, CAudioVideoPlay* session);

    void SetDeviceInfo(const QString& address, const QString& user, const QString& password,
                       int streamSelector) override;
    CAVPlayBase& Pane() { return pane_; }

protected:
    void OnInitDialog() override;
    void OnTimer(int id) override;
    bool OnCommand(int offset) override;

private:
    CAVPlayBase pane_;
};
