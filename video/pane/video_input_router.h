#pragma once
// Passes the video window's mouse and Escape to its pane, which hands them
// to the live session's overlay: the same routing on every page that draws
// geometry over the video.

#include <QObject>

class CAVPlayBase;

class CVideoInputRouter : public QObject {
public:
    explicit CVideoInputRouter(CAVPlayBase& pane) : pane_(pane) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CAVPlayBase& pane_;
};
