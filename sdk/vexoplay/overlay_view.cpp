#include "overlay_view.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "play_port.h"

namespace vexoplay {

OverlayView::OverlayView(QWidget* window, std::weak_ptr<PlayPort> port)
    : QWidget(window), port_(std::move(port)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    window->installEventFilter(this);
    raise();
}

OverlayView::~OverlayView() {
    if (auto port = port_.lock()) {
        port->ViewGone(this);
    }
}

bool OverlayView::eventFilter(QObject* watched, QEvent* event) {
    // Follow the window's size, and stay above children it adds later.
    if (watched == parent()) {
        if (event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        } else if (event->type() == QEvent::ChildAdded) {
            raise();
        }
    }
    return false;
}

void OverlayView::Refresh() {
    if (auto port = port_.lock()) {
        const bool opaque = port->HasPicture();
        if (testAttribute(Qt::WA_OpaquePaintEvent) != opaque) {
            setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        }
        // Tools and host scripts read off the window how many items are
        // drawn over it, as they cannot reach the port.
        const auto shown = port->Read([](const OverlayList& list) {
            return std::count_if(list.Items().begin(), list.Items().end(),
                                 [](const OverlayItem& item) { return item.shown; });
        });
        parentWidget()->setProperty(kShownItemsProperty, static_cast<int>(shown));
    }
    update();
}

void OverlayView::paintEvent(QPaintEvent*) {
    if (auto port = port_.lock()) {
        QPainter painter(this);
        port->Paint(painter, rect());
        const int boxes = port->LastMetadataDrawn().boxes;
        if (parentWidget()->property(kTargetBoxesProperty).toInt() != boxes) {
            parentWidget()->setProperty(kTargetBoxesProperty, boxes);
        }
    }
}

}  // namespace vexoplay
