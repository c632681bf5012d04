#include "panel_viewport.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>

#include "auto_base.h"

namespace vexo {

namespace {
// Room below the last row, as above the first.
constexpr int kBottomMargin = 10;

// Calls back when the area changes size: the page gave the panel another
// height (it fits a smaller window), so the bars are decided again.
class ResizeWatch : public QObject {
public:
    ResizeWatch(QObject* watched, std::function<void()> resized)
        : QObject(watched), resized_(std::move(resized)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            resized_();
        }
        return false;
    }

private:
    std::function<void()> resized_;
};
}  // namespace

PanelViewport::PanelViewport(QWidget* page, const QRect& area) : area_(area) {
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setGeometry(area);
    // See-through: the page paints the panel's card and frame under the rows.
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget;
    scroll->setWidget(content);
    content->setAutoFillBackground(false);
    scroll->verticalScrollBar()->setProperty(kAutoIdProperty, kScrollBarId);
    scroll->hide();
    scroll_ = scroll;
    content_ = content;
    new ResizeWatch(scroll, [this] { DecideBars(); });
}

PanelViewport::~PanelViewport() {
    delete scroll_.data();
}

QWidget* PanelViewport::Content() const {
    return content_.data();
}

void PanelViewport::Fit(const QRect& extent, bool toTop) {
    if (!scroll_ || !content_) {
        return;
    }
    const QRect inside = FromPage(extent);
    const QSize size = extent.isEmpty()
                           ? QSize(0, 0)
                           : QSize(inside.right() + 1, inside.bottom() + 1 + kBottomMargin);
    content_->resize(size);
    DecideBars();
    if (toTop) {
        scroll_->verticalScrollBar()->setValue(0);
        scroll_->horizontalScrollBar()->setValue(0);
    }
}

void PanelViewport::DecideBars() {
    if (!scroll_ || !content_) {
        return;
    }
    // The bars are decided here rather than as needed: Qt settles those a
    // moment later, and a panel must be whole (or scroll) as soon as it shows.
    // The area is the page's now: shorter than its place on the default page
    // in a low window.
    const QSize size = content_->size();
    const QSize area = scroll_->size();
    const int barWidth = scroll_->verticalScrollBar()->sizeHint().width();
    const int barHeight = scroll_->horizontalScrollBar()->sizeHint().height();
    bool vertical = size.height() > area.height();
    const bool horizontal = size.width() > area.width() - (vertical ? barWidth : 0);
    vertical = vertical || (horizontal && size.height() > area.height() - barHeight);
    scroll_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    scroll_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
}

void PanelViewport::Show(bool show) {
    if (scroll_) {
        scroll_->setVisible(show);
        if (show) {
            DecideBars();
        }
    }
}

}  // namespace vexo
