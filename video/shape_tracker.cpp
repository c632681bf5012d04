#include "shape_tracker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

#include "shape_hit.h"
#include "shape_snap.h"

namespace vexo {

namespace {
// The one tracker that holds the mouse: a second press while one tracks
// (from a nested loop) must not start another.
CShapeTracker* g_capture = nullptr;
}  // namespace

// Watches every event of the application while tracking: mouse input of the
// tracked window drives the tracker, input anywhere else is swallowed, as a
// captured mouse would have it.
class CShapeTracker::Loop : public QObject {
public:
    Loop(CShapeTracker& tracker, QObject* window, int handle, GeoPoint offset)
        : tracker_(tracker), window_(window), handle_(handle), offset_(offset) {}

    void Run() {
        QCoreApplication::instance()->installEventFilter(this);
        connect(window_, &QObject::destroyed, &loop_, &QEventLoop::quit);
        loop_.exec();
        QCoreApplication::instance()->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Input reaches a top-level window first and is then passed on to
        // the widget under the mouse: act on the second delivery only.
        if (watched->isWindowType()) {
            return false;
        }
        switch (event->type()) {
            case QEvent::MouseMove:
                if (watched == window_ && !finished_) {
                    const auto* mouse = static_cast<QMouseEvent*>(event);
                    Move(mouse->position(), !(mouse->modifiers() & Qt::AltModifier));
                }
                return true;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    Finish();
                }
                return true;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                    Finish();
                }
                return true;
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                    Finish();
                }
                return true;
            case QEvent::KeyRelease:
            case QEvent::Wheel:
                return true;
            case QEvent::Hide:
            case QEvent::UngrabMouse:
                // The window lost the mouse: tracking cannot go on.
                if (watched == window_) {
                    Finish();
                }
                return false;
            default:
                return false;
        }
    }

private:
    // Input that arrives after the end but before the loop returns (sent
    // synchronously by the same handler) must not move the shape any more.
    void Finish() {
        finished_ = true;
        loop_.quit();
    }

    // Alt held places the point freely; otherwise it snaps.
    void Move(QPointF position, bool snap) {
        // Window pixels to video pixels, the space of the press point; the
        // result is a 16-bit coordinate.
        const QPointF local = position - QPointF(tracker_.origin_);
        const GeoPoint p{static_cast<int16_t>(static_cast<int>(local.x() * tracker_.scaleX_)),
                         static_cast<int16_t>(static_cast<int>(local.y() * tracker_.scaleY_))};
        const QRect& bounds = tracker_.bounds_;
        if (!bounds.contains(p.x, p.y)) {
            return;
        }
        GeoPoint target{AddClamped(p.x, -int64_t{offset_.x}), AddClamped(p.y, -int64_t{offset_.y})};
        std::vector<GeoPoint> others;
        if (snap && tracker_.SnapTargets(handle_, others)) {
            target = SnapPoint(target, bounds.size(), others);
        }
        tracker_.MoveHandleTo(handle_, target.x, target.y);
    }

    CShapeTracker& tracker_;
    QObject* window_;
    int handle_;
    GeoPoint offset_;
    bool finished_ = false;
    QEventLoop loop_;
};

CShapeTracker::CShapeTracker(int32_t port, ItemList items)
    : port_(port), items_(std::move(items)) {}

CShapeTracker::~CShapeTracker() {
    if (g_capture == this) {
        g_capture = nullptr;
    }
}

bool CShapeTracker::Track(QObject* window, QPoint point) {
    const int handle = HitTest(point);
    if (handle < 0 || window == nullptr || g_capture != nullptr) {
        return false;
    }
    g_capture = this;
    released_ = 0;
    int hx = 0;
    int hy = 0;
    GetHandlePoint(handle, hx, hy);
    {
        // The press's distance from the handle, kept for the whole drag.
        const GeoPoint offset{AddClamped(point.x(), -int64_t{hx}),
                              AddClamped(point.y(), -int64_t{hy})};
        Loop loop(*this, window, handle, offset);
        loop.Run();
    }
    released_ = 1;
    g_capture = nullptr;
    return true;
}

void CShapeTracker::GetHandlePoint(int, int& x, int& y) const {
    x = 0;
    y = 0;
}

void CShapeTracker::MoveHandleTo(int, int, int) {}

bool CShapeTracker::SnapTargets(int, std::vector<GeoPoint>&) const {
    return false;
}

void CShapeTracker::SetShapePointer(void*) {}

void CShapeTracker::SetBand(const GeoPoint band[4]) {
    std::copy(band, band + 4, band_);
}

bool CShapeTracker::Accepts(GeoPoint p) const {
    return hit::InBounds(bounds_, p);
}

}  // namespace vexo
