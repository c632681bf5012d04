#include "overlay_list.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace vexoplay {

namespace {

// Bounds on device-supplied descriptors: anything larger is a caller's bug,
// and refusing it keeps one bad call from stalling every later paint.
constexpr int32_t kMaxPoints = 4096;
constexpr int kMaxLineWidth = 64;
constexpr int kMaxTextSize = 256;

bool CopyPoints(const int32_t* points, int32_t count, int32_t minCount, int32_t maxCount,
                std::vector<QPoint>& out) {
    if (points == nullptr || count < minCount || count > maxCount) {
        return false;
    }
    out.clear();
    out.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        out.emplace_back(points[2 * i], points[2 * i + 1]);
    }
    return true;
}

int ClampWidth(int32_t width) {
    return std::clamp<int32_t>(width, 1, kMaxLineWidth);
}

bool MatchesClass(int kind, int renderClass) {
    switch (renderClass) {
        case VEXOPLAY_CLASS_TEXT:
            return kind == VEXOPLAY_ITEM_OSD;
        case VEXOPLAY_CLASS_CIRCLE:
            return kind == VEXOPLAY_ITEM_CIRCLE;
        case VEXOPLAY_CLASS_SHAPE:
            return kind == VEXOPLAY_ITEM_MULTLINE || kind == VEXOPLAY_ITEM_RECT ||
                   kind == VEXOPLAY_ITEM_BLOCK;
        default:
            return false;
    }
}

// Antialiased circles are costly to rasterise and a selected rule shows a
// dozen handles, all alike: each look is drawn once into a small sprite that
// is then copied, which gives the same pixels at a fraction of the cost.
const QImage& CircleSprite(QSize size, QRgb colour, int style) {
    constexpr int kMargin = 2;  // room for the outline's outer half and AA
    struct Key {
        int w, h;
        QRgb colour;
        int style;
        bool operator<(const Key& o) const {
            return std::tie(w, h, colour, style) < std::tie(o.w, o.h, o.colour, o.style);
        }
    };
    // Painting happens on UI threads only; one cache per thread needs no lock.
    thread_local std::map<Key, QImage> cache;
    const Key key{size.width(), size.height(), colour, style};
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 64) {
            cache.clear();
        }
        QImage sprite(size + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
        sprite.fill(Qt::transparent);
        QPainter p(&sprite);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (style == 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromRgb(colour));
        } else {
            p.setPen(QPen(QColor::fromRgb(colour), 2));
            p.setBrush(Qt::NoBrush);
        }
        p.drawEllipse(QRectF(kMargin, kMargin, size.width(), size.height()));
        p.end();
        it = cache.emplace(key, std::move(sprite)).first;
    }
    return it->second;
}

// Qt's raster engine hands a fill of more than about a hundred scanlines to
// its thread pool. Beside the video decoder on a busy machine, waiting for
// those threads costs many times the fill itself (a wire band: 4 ms instead
// of 0.03), so tall fills are drawn in strips that stay on this thread.
void FillInStrips(QPainter& painter, const std::vector<QPoint>& points) {
    constexpr int kStrip = 48;
    const int count = static_cast<int>(points.size());
    int top = points.front().y();
    int bottom = top;
    int left = points.front().x();
    int right = left;
    for (const QPoint& p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        left = std::min(left, p.x());
        right = std::max(right, p.x());
    }
    if (int64_t{bottom} - top < kStrip) {
        painter.drawPolygon(points.data(), count);
        return;
    }
    const QRect window = painter.window();
    top = std::max(top, window.top());
    bottom = std::min(bottom, window.bottom());
    left = std::max(left, window.left());
    right = std::min(right, window.right());
    if (left > right) {
        return;
    }
    for (int64_t y = top; y <= bottom; y += kStrip) {
        painter.setClipRect(QRect(left, static_cast<int>(y), right - left + 1, kStrip));
        painter.drawPolygon(points.data(), count);
    }
    painter.setClipping(false);
}

void DrawCircle(QPainter& painter, const OverlayItem& item) {
    constexpr int kMaxSprite = 256;
    constexpr double kFar = 1 << 24;  // far outside any window: nothing to draw
    if (std::abs(item.rect.left()) > kFar || std::abs(item.rect.top()) > kFar ||
        std::abs(item.rect.right()) > kFar || std::abs(item.rect.bottom()) > kFar) {
        return;
    }
    const QRect rect = item.rect.toRect();
    if (rect.width() > kMaxSprite || rect.height() > kMaxSprite || rect.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (item.style == 2) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(item.colour);
        } else {
            painter.setPen(QPen(item.colour, 2));
            painter.setBrush(Qt::NoBrush);
        }
        painter.drawEllipse(item.rect);
        return;
    }
    painter.drawImage(rect.topLeft() - QPoint(2, 2),
                      CircleSprite(rect.size(), item.colour.rgb(), item.style));
}

}  // namespace

QColor ColourFromRef(uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

bool ItemFromDesc(const MultLineDesc* desc, OverlayItem& item) {
    if (desc == nullptr ||
        !CopyPoints(desc->points, desc->pointCount, 2, kMaxPoints, item.points)) {
        return false;
    }
    item.kind = VEXOPLAY_ITEM_MULTLINE;
    item.colour = ColourFromRef(desc->colour);
    item.lineWidth = ClampWidth(desc->lineWidth);
    return true;
}

bool ItemFromDesc(const RectDesc* desc, OverlayItem& item) {
    if (desc == nullptr) {
        return false;
    }
    item.kind = VEXOPLAY_ITEM_RECT;
    item.rect = QRectF(desc->x, desc->y, desc->width, desc->height).normalized();
    item.colour = ColourFromRef(desc->colour);
    item.lineWidth = ClampWidth(desc->lineWidth);
    return true;
}

bool ItemFromDesc(const OsdDesc* desc, OverlayItem& item) {
    if (desc == nullptr) {
        return false;
    }
    item.kind = VEXOPLAY_ITEM_OSD;
    // The text need not be terminated: read at most the whole field.
    item.text = QString::fromLocal8Bit(
        desc->text, static_cast<qsizetype>(strnlen(desc->text, sizeof desc->text)));
    item.colour = ColourFromRef(desc->colour);
    item.textSize = std::clamp<int32_t>(desc->size, 1, kMaxTextSize);
    item.textPos = QPointF(desc->x, desc->y);
    item.staticText.setText(item.text);
    item.staticText.setTextFormat(Qt::PlainText);
    return true;
}

bool ItemFromDesc(const CircleDesc* desc, OverlayItem& item) {
    if (desc == nullptr) {
        return false;
    }
    item.kind = VEXOPLAY_ITEM_CIRCLE;
    item.rect =
        QRectF(QPointF(desc->left, desc->top), QPointF(desc->right, desc->bottom)).normalized();
    item.colour = ColourFromRef(desc->colour);
    item.style = desc->style;
    return true;
}

bool ItemFromDesc(const BlockDesc* desc, OverlayItem& item) {
    if (desc == nullptr || !CopyPoints(desc->points, desc->pointCount, 3, 4, item.points)) {
        return false;
    }
    item.kind = VEXOPLAY_ITEM_BLOCK;
    item.colour = ColourFromRef(desc->colour);
    item.opacity = std::clamp(desc->opacity, 0.0f, 1.0f);
    return true;
}

int32_t OverlayList::Add(OverlayItem item) {
    item.id = nextId_++;
    item.shown = true;
    items_.push_back(std::move(item));
    return items_.back().id;
}

OverlayItem* OverlayList::Find(int32_t id, int kind) {
    for (auto& item : items_) {
        if (item.id == id) {
            return item.kind == kind ? &item : nullptr;
        }
    }
    return nullptr;
}

bool OverlayList::Edit(int32_t id, int kind, OverlayItem item) {
    OverlayItem* existing = Find(id, kind);
    if (existing == nullptr) {
        return false;
    }
    item.id = existing->id;
    item.shown = existing->shown;
    *existing = std::move(item);
    return true;
}

bool OverlayList::Remove(int32_t id, int kind) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [&](const OverlayItem& item) { return item.id == id; });
    if (it == items_.end() || it->kind != kind) {
        return false;
    }
    items_.erase(it);
    return true;
}

bool OverlayList::SetShown(int32_t id, int renderClass, bool shown) {
    for (auto& item : items_) {
        if (item.id == id) {
            if (!MatchesClass(item.kind, renderClass)) {
                return false;
            }
            item.shown = shown;
            return true;
        }
    }
    return false;
}

void OverlayList::Paint(QPainter& painter) const {
    // Lines and outlines are stroked without antialiasing: the raster engine
    // strokes antialiased wide polylines an order of magnitude slower, and
    // two-pixel rule outlines over video gain nothing visible from it.
    // Circles and filled blocks are small and look ragged without it.
    QFont font = painter.font();
    for (const OverlayItem& item : items_) {
        if (!item.shown) {
            continue;
        }
        switch (item.kind) {
            case VEXOPLAY_ITEM_MULTLINE:
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(
                    QPen(item.colour, item.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                painter.drawPolyline(item.points.data(), static_cast<int>(item.points.size()));
                break;
            case VEXOPLAY_ITEM_RECT:
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(
                    QPen(item.colour, item.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(item.rect);
                break;
            case VEXOPLAY_ITEM_OSD:
                // The laid-out text is kept with the item: laying out every
                // label on every frame would cost more than all the lines.
                font.setPixelSize(item.textSize);
                painter.setFont(font);
                painter.setPen(item.colour);
                painter.drawStaticText(item.textPos, item.staticText);
                break;
            case VEXOPLAY_ITEM_CIRCLE:
                DrawCircle(painter, item);
                break;
            case VEXOPLAY_ITEM_BLOCK: {
                if (item.opacity <= 0.0f) {
                    break;
                }
                // Opacity goes into the brush colour: a translucent solid fill
                // blends in one pass, where painter opacity takes a slower
                // general path. Large blocks (wire bands) skip antialiasing.
                QColor fill = item.colour;
                fill.setAlphaF(item.opacity);
                painter.setRenderHint(QPainter::Antialiasing, item.points.size() == 3);
                painter.setPen(Qt::NoPen);
                painter.setBrush(fill);
                FillInStrips(painter, item.points);
                break;
            }
            default:
                break;
        }
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace vexoplay
