#include "page_fit.h"

#include <QChildEvent>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <numeric>

namespace vexo {

namespace {

// Where the fit keeps a child's place in the default page and the place it
// gave it, so that a move by the child's part (to default-page pixels) can
// be told from its own.
constexpr char kBaseProperty[] = "vexoFitBase";
constexpr char kPlacedProperty[] = "vexoFitPlaced";
// Room kept free at the page's bottom edge.
constexpr int kBottomMargin = 8;
// A control of the column that reaches down to within this many pixels of
// the bottom row is a panel: it gives up height when the row moves up.
constexpr int kPanelReach = 24;
// The video never shrinks below half its default width.
constexpr int kSmallestShare = 2;

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

PageFit::PageFit(QWidget* page, Layout layout, std::function<void(const QRect&)> placeVideo)
    : QObject(page), page_(page), layout_(std::move(layout)), placeVideo_(std::move(placeVideo)) {
    page->installEventFilter(this);
    for (QObject* child : page->children()) {
        Watch(child);
    }
}

void PageFit::SetVideo(QWidget* video, std::vector<QWidget*> centred) {
    video_ = video;
    centred_.clear();
    for (QWidget* widget : centred) {
        centred_.emplace_back(widget);
    }
}

QSize PageFit::VideoGrowth(const QSize& page, const QRect& video, int belowBottom) {
    if (video.width() <= 0 || video.height() <= 0) {
        return {};
    }
    // Whole steps of the picture's proportions (16 x 9 for a 16:9 window),
    // so that the grown window keeps them to the pixel.
    const int common = std::gcd(video.width(), video.height());
    const int stepX = video.width() / common;
    const int stepY = video.height() / common;
    const int byWidth = FloorDiv(page.width() - kDefaultPage.width(), stepX);
    const int byHeight = FloorDiv(page.height() - kBottomMargin - belowBottom, stepY);
    const int fewest = -FloorDiv(video.width() / kSmallestShare, stepX);
    const int steps = std::max(std::min(byWidth, byHeight), fewest);
    return {steps * stepX, steps * stepY};
}

void PageFit::Apply() {
    if (!page_) {
        return;
    }
    const QSize size = page_->size();
    growth_ = VideoGrowth(size, layout_.video, layout_.belowBottom);
    anchorShift_ = size.width() - kDefaultPage.width();
    lift_ = std::max(0, layout_.columnBottom + kBottomMargin - size.height());
    if (placeVideo_) {
        placeVideo_(Video());
    }
    for (QObject* child : page_->children()) {
        if (child->isWidgetType()) {
            Place(static_cast<QWidget*>(child));
        }
    }
    page_->update();
}

QRect PageFit::Map(const QRect& base) const {
    const QRect& video = layout_.video;
    for (const QRect& zone : layout_.anchored) {
        if (zone.contains(base.topLeft())) {
            return base.translated(anchorShift_, 0);
        }
    }
    if (base.top() >= video.top() && base.left() > video.right()) {
        QRect placed = base.translated(growth_.width(), 0);
        if (lift_ > 0 && base.top() >= layout_.liftLine) {
            placed.translate(0, -lift_);
        } else if (lift_ > 0 && base.bottom() >= layout_.liftLine - kPanelReach) {
            placed.setBottom(std::max(placed.top(), placed.bottom() - lift_));
        }
        return placed;
    }
    if (base.top() > video.bottom()) {
        return base.translated(0, growth_.height());
    }
    return base;
}

bool PageFit::IsCentred(const QWidget* child) const {
    return std::any_of(centred_.begin(), centred_.end(),
                       [child](const QPointer<QWidget>& w) { return w.data() == child; });
}

void PageFit::Watch(QObject* child) {
    if (child->isWidgetType()) {
        child->installEventFilter(this);
    }
}

void PageFit::Place(QWidget* child) {
    if (placing_ || child == video_ || child->isWindow()) {
        return;
    }
    // A child that is not where the fit put it was placed by its part since:
    // that place is in default-page pixels.
    const QRect now = child->geometry();
    const QVariant placed = child->property(kPlacedProperty);
    QRect base = now;
    if (placed.isValid() && placed.toRect().topLeft() == now.topLeft()) {
        base = child->property(kBaseProperty).toRect();
        if (placed.toRect().size() != now.size()) {
            base.setSize(now.size());
        }
    }
    const QRect target =
        IsCentred(child) ? base.translated(growth_.width() / 2, growth_.height()) : Map(base);
    child->setProperty(kBaseProperty, base);
    child->setProperty(kPlacedProperty, target);
    if (target != now) {
        placing_ = true;
        child->setGeometry(target);
        placing_ = false;
    }
}

bool PageFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_) {
        if (event->type() == QEvent::ChildAdded) {
            Watch(static_cast<QChildEvent*>(event)->child());
        } else if (event->type() == QEvent::Resize) {
            Apply();
        }
        return false;
    }
    // A child's move is its part's (or its first showing): place it.
    if (event->type() == QEvent::Move && watched->isWidgetType() &&
        watched->parent() == page_.data()) {
        Place(static_cast<QWidget*>(watched));
    }
    return false;
}

}  // namespace vexo
