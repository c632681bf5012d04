#include "video_input_router.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "av_play_base.h"

namespace {
// The session's mouse flag for a held left button.
constexpr uint32_t kLeftButtonFlag = 0x0001;
}  // namespace

bool CVideoInputRouter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) {
                break;
            }
            const QPoint p = mouse->position().toPoint();
            if (event->type() == QEvent::MouseButtonPress) {
                pane_.OnButtonDown(kLeftButtonFlag, p.x(), p.y());
            } else if (event->type() == QEvent::MouseButtonRelease) {
                pane_.OnButtonUp(0, p.x(), p.y());
            } else {
                pane_.OnDoubleClick(kLeftButtonFlag, p.x(), p.y());
            }
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint p = mouse->position().toPoint();
            pane_.OnMouseMove(mouse->buttons() & Qt::LeftButton ? kLeftButtonFlag : 0, p.x(),
                              p.y());
            return true;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && pane_.OnEscape()) {
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
