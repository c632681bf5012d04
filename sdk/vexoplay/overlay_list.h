#pragma once
// The retained overlay items of one port, in the order they were added, and
// how they look on the picture. Not locked: the port that owns the list
// guards it.

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QStaticText>
#include <QString>
#include <cstdint>
#include <vector>

#include "vexoplay.h"

class QPainter;

namespace vexoplay {

struct OverlayItem {
    int32_t id = -1;
    int kind = 0;  // VexoplayItemKind
    bool shown = true;
    QColor colour;
    int lineWidth = 1;
    int style = 0;               // circles: 0 outline, 2 filled
    float opacity = 1.0f;        // blocks
    std::vector<QPoint> points;  // multi-lines and blocks
    QRectF rect;                 // rectangles and circles
    QString text;                // OSD
    QStaticText staticText;      // OSD, laid out once
    int textSize = 16;           // OSD pixel height
    QPointF textPos;             // OSD top-left
};

// COLORREF (0x00BBGGRR) to a colour.
QColor ColourFromRef(uint32_t ref);

// Descriptor to item; false when the descriptor is unusable (null, too few
// or too many points).
bool ItemFromDesc(const MultLineDesc* desc, OverlayItem& item);
bool ItemFromDesc(const RectDesc* desc, OverlayItem& item);
bool ItemFromDesc(const OsdDesc* desc, OverlayItem& item);
bool ItemFromDesc(const CircleDesc* desc, OverlayItem& item);
bool ItemFromDesc(const BlockDesc* desc, OverlayItem& item);

class OverlayList {
public:
    // Appends the item under a fresh id and returns the id.
    int32_t Add(OverlayItem item);
    // Replaces the drawing of the item with this id and kind, keeping its id,
    // place and visibility. False when there is no such item.
    bool Edit(int32_t id, int kind, OverlayItem item);
    bool Remove(int32_t id, int kind);
    // renderClass: VexoplayRenderClass.
    bool SetShown(int32_t id, int renderClass, bool shown);

    const std::vector<OverlayItem>& Items() const { return items_; }
    void Clear() { items_.clear(); }

    // Paints every shown item in list order (later items on top).
    void Paint(QPainter& painter) const;

private:
    OverlayItem* Find(int32_t id, int kind);

    std::vector<OverlayItem> items_;
    int32_t nextId_ = 1;
};

}  // namespace vexoplay
