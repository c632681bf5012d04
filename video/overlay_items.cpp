#include "overlay_items.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "vexoplay.h"

namespace vexo::overlay {

namespace {

std::vector<int32_t> Flat(const GeoPoint* points, int count) {
    std::vector<int32_t> flat;
    flat.reserve(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        flat.push_back(points[i].x);
        flat.push_back(points[i].y);
    }
    return flat;
}

MultLineDesc LineDesc(std::vector<int32_t>& flat, uint32_t colour, int width) {
    MultLineDesc desc{};
    desc.points = flat.data();
    desc.pointCount = static_cast<int32_t>(flat.size() / 2);
    desc.colour = colour;
    desc.lineWidth = width;
    return desc;
}

CircleDesc Circle(GeoPoint centre, uint32_t colour, int style) {
    return {AddClamped(centre.x, -kHandleRadius),
            AddClamped(centre.y, -kHandleRadius),
            AddClamped(centre.x, kHandleRadius),
            AddClamped(centre.y, kHandleRadius),
            colour,
            style};
}

OsdDesc Label(int number, GeoPoint at, int size) {
    OsdDesc desc{};
    std::snprintf(desc.text, sizeof desc.text, "%d", number);
    desc.colour = kRed;
    desc.size = size;
    desc.x = static_cast<float>(at.x);
    desc.y = static_cast<float>(at.y);
    desc.reserved1 = 10;
    desc.reserved2 = 10;
    return desc;
}

RectDesc Rect(const PolygonRecord& record, uint32_t colour) {
    RectDesc desc{};
    desc.x = static_cast<float>(record.points[0].x);
    desc.y = static_cast<float>(record.points[0].y);
    desc.width = static_cast<float>(int64_t{record.points[2].x} - record.points[0].x);
    desc.height = static_cast<float>(int64_t{record.points[2].y} - record.points[0].y);
    desc.colour = colour;
    desc.lineWidth = 2;
    return desc;
}

bool HasPoints(const PolygonRecord& record) {
    for (const GeoPoint& p : record.points) {
        if (p.x != 0 || p.y != 0) {
            return true;
        }
    }
    return false;
}

// The outline: the points and point 0 again, or while drawing by clicks the
// points and then the cursor. An empty record collapses onto point 0.
std::vector<int32_t> Outline(const PolygonRecord& record, const PolygonState& state) {
    const int count = record.count < 1 ? 1 : record.count;
    std::vector<int32_t> flat = Flat(record.points, count);
    const GeoPoint last = state.drawing ? state.cursor : record.points[0];
    flat.push_back(last.x);
    flat.push_back(last.y);
    return flat;
}

std::vector<int32_t> Closed(const GeoPoint* points, int count) {
    std::vector<int32_t> flat = Flat(points, count);
    flat.push_back(points[0].x);
    flat.push_back(points[0].y);
    return flat;
}

int32_t AddBlock(int32_t port, const GeoPoint* points, int count, float opacity) {
    std::vector<int32_t> flat = Flat(points, count);
    BlockDesc desc{flat.data(), count, kGreen, opacity};
    int32_t id = -1;
    VEXOPLAY_AddBlockGeometry(port, &desc, &id);
    return id;
}

void SetBlock(int32_t port, int32_t id, const GeoPoint* points, int count, float opacity,
              uint32_t colour) {
    std::vector<int32_t> flat = Flat(points, count);
    BlockDesc desc{flat.data(), count, colour, opacity};
    VEXOPLAY_SetBlockGeometry(port, id, &desc);
}

int32_t AddCircle(int32_t port, GeoPoint centre, uint32_t colour, int style) {
    const CircleDesc desc = Circle(centre, colour, style);
    int32_t id = -1;
    VEXOPLAY_AddCircleGeometry(port, &desc, &id);
    return id;
}

float Opacity(uint8_t visible) {
    return visible != 0 ? 1.0f : 0.0f;
}

// The outline of arrow A or B; a segment has no arrows, so its two outline
// items lie on the segment itself.
std::vector<int32_t> ArrowOutline(const LineRecord& line, const GeoPoint* arrow) {
    if (line.lineKind == kLineSegment) {
        const GeoPoint ends[2] = {line.start, line.end};
        return Flat(ends, 2);
    }
    return Closed(arrow, 3);
}

// The end labels of a wire: "A" beside arrow A, "B" beside arrow B, each
// across the line from its arrow so that neither covers the other, placed
// by the arrow's base (the part of it on the line). A segment has no arrows
// and a wire of no length none drawn: their labels are hidden.
constexpr int kEndLabelSize = 16;
constexpr double kEndLabelGap = 12.0;

OsdDesc EndLabel(const LineRecord& line, bool b) {
    OsdDesc desc{};
    std::snprintf(desc.text, sizeof desc.text, "%s", b ? "B" : "A");
    desc.colour = kRed;
    desc.size = kEndLabelSize;
    // The text's top-left corner, so that the letter's middle is the spot.
    const GeoPoint spot = EndLabelSpot(line, b);
    desc.x = static_cast<float>(spot.x - kEndLabelSize * 0.3);
    desc.y = static_cast<float>(spot.y - kEndLabelSize * 0.6);
    desc.reserved1 = 10;
    desc.reserved2 = 10;
    return desc;
}

}  // namespace

bool HasEndLabels(const LineRecord& line) {
    return line.lineKind != kLineSegment &&
           (line.start.x != line.end.x || line.start.y != line.end.y);
}

GeoPoint EndLabelSpot(const LineRecord& line, bool b) {
    const GeoPoint* arrow = b ? line.arrowB : line.arrowA;
    const double baseX = (static_cast<double>(arrow[0].x) + arrow[1].x) / 2;
    const double baseY = (static_cast<double>(arrow[0].y) + arrow[1].y) / 2;
    double awayX = baseX - arrow[2].x;
    double awayY = baseY - arrow[2].y;
    const double away = std::hypot(awayX, awayY);
    if (away > 0) {
        awayX /= away;
        awayY /= away;
    }
    return {static_cast<int32_t>(std::lround(baseX + awayX * kEndLabelGap)),
            static_cast<int32_t>(std::lround(baseY + awayY * kEndLabelGap))};
}

void AddPolygonItems(int32_t port, int regionKind, const PolygonRecord& record, ItemList& items) {
    const bool polygon = regionKind == 1;
    if (polygon) {
        std::vector<int32_t> flat = Outline(record, {});
        const MultLineDesc desc = LineDesc(flat, kGreen, 2);
        items.push_back({VEXOPLAY_AddDrawMultLine(port, &desc), kItemMultLine});
        if (record.label != 0) {
            const OsdDesc label = Label(record.label, record.points[0], 16);
            const int32_t id = VEXOPLAY_AddDrawOSD(port, &label);
            items.push_back({id, kItemOsd});
            VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_TEXT, id, HasPoints(record));
        }
    } else if (regionKind == 10) {
        const RectDesc desc = Rect(record, kGreen);
        items.push_back({VEXOPLAY_AddDrawRect(port, &desc), kItemRect});
    }
    for (const GeoPoint& p : record.points) {
        const int32_t id = AddCircle(port, p, kRed, 0);
        items.push_back({id, kItemCircle});
        VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_CIRCLE, id, 0);
    }
    if (polygon) {
        const int32_t id = AddCircle(port, record.points[0], kRed, 2);
        items.push_back({id, kItemCircle});
        VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_CIRCLE, id, 0);
    }
}

void AddLineItems(int32_t port, const LineRecord& line, ItemList& items) {
    items.push_back({AddBlock(port, line.arrowA, 3, Opacity(line.arrowAVisible)), kItemBlock});
    items.push_back({AddBlock(port, line.arrowB, 3, Opacity(line.arrowBVisible)), kItemBlock});
    items.push_back({AddBlock(port, line.band, 4, 0.5f), kItemBlock});
    for (const GeoPoint* arrow : {line.arrowA, line.arrowB}) {
        std::vector<int32_t> flat = ArrowOutline(line, arrow);
        const MultLineDesc desc = LineDesc(flat, kGreen, 2);
        items.push_back({VEXOPLAY_AddDrawMultLine(port, &desc), kItemMultLine});
    }
    items.push_back({AddCircle(port, line.start, kRed, 2), kItemCircle});
    items.push_back({AddCircle(port, line.end, kRed, 2), kItemCircle});
    const GeoPoint ends[2] = {line.start, line.end};
    std::vector<int32_t> flat = Flat(ends, 2);
    const MultLineDesc desc = LineDesc(flat, kGreen, 2);
    items.push_back({VEXOPLAY_AddDrawMultLine(port, &desc), kItemMultLine});
    // After the wire's own items, so that their order stays as it was.
    for (const bool b : {false, true}) {
        const OsdDesc label = EndLabel(line, b);
        const int32_t id = VEXOPLAY_AddDrawOSD(port, &label);
        items.push_back({id, kItemOsd});
        VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_TEXT, id, HasEndLabels(line));
    }
}

namespace {

void CrossHair(const GeoPoint& p, std::vector<int32_t>& horizontal,
               std::vector<int32_t>& vertical) {
    horizontal = {AddClamped(p.x, -20), p.y, AddClamped(p.x, 20), p.y};
    vertical = {p.x, AddClamped(p.y, -20), p.x, AddClamped(p.y, 20)};
}

}  // namespace

void AddPointItems(int32_t port, const PointRecord& record, ItemList& items) {
    items.push_back({AddCircle(port, record.point, kGreen, 2), kItemCircle});
    std::vector<int32_t> horizontal;
    std::vector<int32_t> vertical;
    CrossHair(record.point, horizontal, vertical);
    for (auto* flat : {&horizontal, &vertical}) {
        const MultLineDesc desc = LineDesc(*flat, kGreen, 3);
        items.push_back({VEXOPLAY_AddDrawMultLine(port, &desc), kItemMultLine});
    }
}

void RedrawPolygon(int32_t port, const ItemList& items, const PolygonRecord& record,
                   const PolygonState& state) {
    const uint32_t colour = record.selected != 0 ? kBlue : kGreen;
    const bool handlesShown = record.selected != 0 && record.count > 0;
    int circle = 0;
    for (const ItemRef& item : items) {
        switch (item.kind) {
            case kItemMultLine: {
                std::vector<int32_t> flat = Outline(record, state);
                const MultLineDesc desc = LineDesc(flat, colour, 2);
                VEXOPLAY_EditDrawMultLine(port, item.id, &desc);
                break;
            }
            case kItemRect: {
                const RectDesc desc = Rect(record, colour);
                VEXOPLAY_EditDrawRect(port, item.id, &desc);
                break;
            }
            case kItemOsd: {
                const OsdDesc desc = Label(record.label, record.points[0], 14);
                VEXOPLAY_EditDrawOSD(port, item.id, &desc);
                VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_TEXT, item.id, HasPoints(record));
                break;
            }
            case kItemCircle: {
                // Circles 0..7 are the point handles, shown on a selected
                // shape for its set points. A ninth (polygons only) marks the
                // start point while the shape is drawn by clicks: that is where
                // a click closes it.
                const bool marker = circle >= kMaxPolygonPoints;
                const GeoPoint centre = record.points[marker ? 0 : circle];
                const CircleDesc desc = Circle(centre, kRed, marker ? 2 : 0);
                VEXOPLAY_SetCircleGeometry(port, item.id, &desc);
                const bool shown =
                    marker ? state.showStartMarker : handlesShown && circle < record.count;
                VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_CIRCLE, item.id, shown);
                ++circle;
                break;
            }
            default:
                break;
        }
    }
}

void RedrawLine(int32_t port, const ItemList& items, const LineRecord& line) {
    const uint32_t colour = line.selected != 0 ? kBlue : kGreen;
    int block = 0;
    int multLine = 0;
    int circle = 0;
    int label = 0;
    for (const ItemRef& item : items) {
        switch (item.kind) {
            case kItemBlock:
                if (block == 0) {
                    SetBlock(port, item.id, line.arrowA, 3, Opacity(line.arrowAVisible), colour);
                } else if (block == 1) {
                    SetBlock(port, item.id, line.arrowB, 3, Opacity(line.arrowBVisible), colour);
                } else {
                    SetBlock(port, item.id, line.band, 4, 0.5f, colour);
                }
                ++block;
                break;
            case kItemMultLine: {
                const GeoPoint ends[2] = {line.start, line.end};
                std::vector<int32_t> flat = multLine == 0   ? ArrowOutline(line, line.arrowA)
                                            : multLine == 1 ? ArrowOutline(line, line.arrowB)
                                                            : Flat(ends, 2);
                const MultLineDesc desc = LineDesc(flat, colour, 2);
                VEXOPLAY_EditDrawMultLine(port, item.id, &desc);
                ++multLine;
                break;
            }
            case kItemOsd: {
                const OsdDesc desc = EndLabel(line, label++ != 0);
                VEXOPLAY_EditDrawOSD(port, item.id, &desc);
                VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_TEXT, item.id, HasEndLabels(line));
                break;
            }
            case kItemCircle: {
                const CircleDesc desc = Circle(circle == 0 ? line.start : line.end, kRed, 2);
                VEXOPLAY_SetCircleGeometry(port, item.id, &desc);
                VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_CIRCLE, item.id,
                                            line.selected != 0);
                ++circle;
                break;
            }
            default:
                break;
        }
    }
}

void RedrawPoint(int32_t port, const ItemList& items, const PointRecord& record) {
    const uint32_t colour = record.selected != 0 ? kBlue : kGreen;
    std::vector<int32_t> horizontal;
    std::vector<int32_t> vertical;
    CrossHair(record.point, horizontal, vertical);
    int multLine = 0;
    for (const ItemRef& item : items) {
        if (item.kind == kItemCircle) {
            const CircleDesc desc = Circle(record.point, colour, 2);
            VEXOPLAY_SetCircleGeometry(port, item.id, &desc);
        } else if (item.kind == kItemMultLine) {
            const MultLineDesc desc = LineDesc(multLine++ == 0 ? horizontal : vertical, colour, 3);
            VEXOPLAY_EditDrawMultLine(port, item.id, &desc);
        }
    }
}

void DeleteItems(int32_t port, ItemList& items) {
    for (const ItemRef& item : items) {
        switch (item.kind) {
            case kItemMultLine:
                VEXOPLAY_DeleteDrawMultLine(port, item.id);
                break;
            case kItemRect:
                VEXOPLAY_DeleteDrawRect(port, item.id);
                break;
            case kItemOsd:
                VEXOPLAY_DeleteDrawOSD(port, item.id);
                break;
            case kItemCircle:
                VEXOPLAY_RemoveCircleGeometry(port, item.id);
                break;
            case kItemBlock:
                VEXOPLAY_RemoveBlockGeometry(port, item.id);
                break;
            default:
                break;
        }
    }
    items.clear();
}

}  // namespace vexo::overlay
