#pragma once
// CDlgFull: the full-window video. It borrows a pane's video window, shows
// it over the whole dialog, and on a double click puts it back where it
// was, resizes the live picture to the old rectangle and hides itself.
// It has a session and pane of its own for a picture of its own.

#include <QDialog>
#include <QPointer>
#include <QRect>

#include "audio_video_play.h"
#include "av_play_base.h"

class CDlgFull : public QDialog, public CAVPlayBase {
    Q_OBJECT
public:
    explicit CDlgFull(QWidget* parent = nullptr);
    ~CDlgFull() override;

    // Shows `window` (playing on play port `port`, -1 for none) full size.
    void BorrowWindow(QWidget* window, int port);
    // Returns the borrowed window to its parent and rectangle; hides.
    void RestoreWindow();
    QWidget* BorrowedWindow() const { return borrowed_; }
    CAudioVideoPlay& OwnSession() { return ownSession_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CAudioVideoPlay ownSession_;
    QPointer<QWidget> borrowed_;
    QPointer<QWidget> formerParent_;
    QRect formerRect_;
    int port_ = -1;
};
