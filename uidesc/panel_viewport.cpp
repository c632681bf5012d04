#include "panel_viewport.h"

#include <QScrollArea>
#include <QScrollBar>

#include "auto_base.h"

namespace vexo {

namespace {
// Room below the last row, as above the first.
constexpr int kBottomMargin = 10;
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
    // The bars are decided here rather than as needed: Qt settles those a
    // moment later, and a panel must be whole (or scroll) as soon as it shows.
    const int barWidth = scroll_->verticalScrollBar()->sizeHint().width();
    const int barHeight = scroll_->horizontalScrollBar()->sizeHint().height();
    bool vertical = size.height() > area_.height();
    const bool horizontal = size.width() > area_.width() - (vertical ? barWidth : 0);
    vertical = vertical || (horizontal && size.height() > area_.height() - barHeight);
    scroll_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    scroll_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
    if (toTop) {
        scroll_->verticalScrollBar()->setValue(0);
        scroll_->horizontalScrollBar()->setValue(0);
    }
}

void PanelViewport::Show(bool show) {
    if (scroll_) {
        scroll_->setVisible(show);
    }
}

}  // namespace vexo
