#pragma once
// CPageDialog: what the four pages share as windows. A page is a child
// widget of the control at its template size, with the page background,
// optionally the grey title strip, numbered timers routed to OnTimer, and
// the owner-drawn button range routed to OnCommand. The pages derive from
// it and fill the hooks.

#include <QWidget>

#include "auto_notification.h"
#include "dlg_base.h"
#include "managed_page.h"
#include "page_fit.h"
#include "timer_set.h"

class CPageDialog : public QWidget,
                    public CDlgBase,
                    public IManagedPage,
                    public vexo::AutoCommandTarget {
    Q_OBJECT
public:
    // `pageNumber` is the page's number (0 to 3), kept in the dynamic
    // property "vexoPage" so that host scripts can find the page.
    CPageDialog(int pageNumber, QSize templateSize, bool titleBand);

    void Create(CDialogManager* manager, QWidget* parent) override;
    QWidget* Window() override { return this; }
    void SetTimer(int id, int intervalMs) override { timers_.SetTimer(id, intervalMs); }
    void KillTimer(int id) override { timers_.KillTimer(id); }
    bool IsTimerActive(int id) const override { return timers_.IsActive(id); }

    bool OnAutoNotify(const vexo::AutoNotification& notification) override;

    static constexpr char kPageProperty[] = "vexoPage";

    // Where a place of the default page (1280 x 750) is in the page's size
    // now; the place itself on a page that does not fit its window.
    QRect FitRect(const QRect& base) const { return fit_ ? fit_->Map(base) : base; }

protected:
    // Dialog initialisation, after the manager and the window exist.
    virtual void OnInitDialog() {}
    virtual void OnTimer(int id) { (void)id; }
    // An owner-drawn button of the page (offset from 18000); true when
    // handled.
    virtual bool OnCommand(int offset) {
        (void)offset;
        return false;
    }

    // Makes the page fit windows of other sizes than the default (see
    // PageFit); `placeVideo` moves the video window. Called before the page
    // creates its controls or after: both are watched.
    vexo::PageFit& FitToWindow(vexo::PageFit::Layout layout,
                               std::function<void(const QRect&)> placeVideo);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The control's stock mouse events are its own: a page keeps its clicks.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool titleBand_;
    vexo::TimerSet timers_;
    vexo::PageFit* fit_ = nullptr;  // a child of the page
};
