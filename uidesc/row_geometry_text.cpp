#include "row_geometry_text.h"

#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <clocale>

#include "c_locale_scope.h"

namespace vexo {

namespace {

QString Pair(const char* format, float x, float y) {
    CLocaleScope scope;
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, static_cast<double>(x), static_cast<double>(y));
    return QString::fromLatin1(buffer);
}

// A row shows and edits the first shape of its kind; any further shapes the
// device keeps are not the panel's to drop.
template <class T>
void ReplaceFirst(std::vector<T>& list, const T& shape) {
    if (list.empty()) {
        list.push_back(shape);
    } else {
        list.front() = shape;
    }
}

}  // namespace

QString RectangleRowText(const RectF& r) {
    return QStringLiteral("4|") + Pair("(%f,%f)", r.X, r.Y) + u',' +
           Pair("(%f,%f)", r.X, r.Y + r.Height) + u',' +
           Pair("(%f,%f)", r.X + r.Width, r.Y + r.Height) + u',' +
           Pair("(%f,%f)", r.X + r.Width, r.Y);
}

QString PolygonRowText(const std::vector<PointF>& points) {
    if (points.empty()) {
        return {};
    }
    QString text = QString::number(points.size()) + u'|' +
                   Pair("(%f, %f)", points.front().X, points.front().Y);
    for (size_t i = 1; i < points.size(); ++i) {
        text += u',' + Pair("(%f,%f)", points[i].X, points[i].Y);
    }
    return text;
}

QString PointRowText(const PointF& point) {
    return QStringLiteral("1|") + Pair("(%f,%f)", point.X, point.Y);
}

QString WireRowText(const std::vector<PointF>& points) {
    if (points.empty()) {
        return {};
    }
    // A one-point wire still gets two ends; the second is the origin, as a
    // missing point of a device polygon is.
    const PointF end = points.size() > 1 ? points[1] : PointF{};
    return QStringLiteral("2|") + Pair("(%f,%f)", points[0].X, points[0].Y) + u',' +
           Pair("(%f,%f)", end.X, end.Y);
}

QString FirstRectangleText(const ParamValue& value) {
    return value.rectangles.empty() ? QString() : RectangleRowText(value.rectangles.front());
}

QString FirstPolygonText(const ParamValue& value) {
    return value.polygons.empty() ? QString() : PolygonRowText(value.polygons.front());
}

QString FirstPointText(const ParamValue& value) {
    return value.points.empty() ? QString() : PointRowText(value.points.front());
}

QString FirstWireText(const ParamValue& value) {
    return value.polygons.empty() ? QString() : WireRowText(value.polygons.front());
}

int MaxStoredPoints(UiType type) {
    switch (type) {
        case UI_Static_And_RectBmpBtn:
        case UI_Static_And_Face_RectBmpBtn:
        case UI_Static_And_RectBmpBtn_PageShow:
        case UI_Static_And_RectBmpBtn_VideoShow:
            return 4;
        case UI_Static_And_PenBmpBtn_RectBmpBtn:
        case UI_Static_And_Face_PenBmpBtn_RectBmpBtn:
        case UI_Static_And_PenBmpBtn_AllShow:
        case UI_Static_And_Face_PenBmpBtn_DeleteBmpBtn_AllShow:
        case UI_Static_And_Edit_Spin_LineBmpBtn:
            return 10;
        case UI_Static_And_PointBmpBtn:
        case UI_PTZ_LIMIT:
            return 1;
        case UI_WIRE:
        case UI_LINE:
        case UI_WIRE_AllShow_AllSolid:
        case UI_WIRE_AllShow_OneSolid:
            return 2;
        default:
            return 0;
    }
}

bool ReadGeometryPoints(const QString& text, int cap, std::vector<PointF>& points) {
    const QByteArray bytes = text.toLatin1();
    const int bar = bytes.indexOf('|');
    if (bar <= 0) {
        return false;
    }
    const long announced = std::strtol(bytes.left(bar).constData(), nullptr, 10);
    const long count = std::clamp<long>(announced, 0, cap);
    CLocaleScope scope;
    points.clear();
    qsizetype pos = bar + 1;
    for (long i = 0; i < count; ++i) {
        const qsizetype open = bytes.indexOf('(', pos);
        const qsizetype close = open < 0 ? -1 : bytes.indexOf(')', open);
        if (close < 0) {
            return false;
        }
        PointF point;
        const QByteArray pair = bytes.mid(open + 1, close - open - 1);
        if (std::sscanf(pair.constData(), "%f,%f", &point.X, &point.Y) != 2) {
            return false;
        }
        points.push_back(point);
        pos = close + 2;
    }
    return true;
}

void StoreObjectValueText(UiType type, const ObjectValueText& collected, ParamValue& value) {
    for (const auto& [name, attribute] : collected.attributes) {
        value.attributes[name] = attribute;
    }
    const int cap = MaxStoredPoints(type);
    std::vector<PointF> points;
    if (cap == 0 || collected.geometry.isEmpty() ||
        !ReadGeometryPoints(collected.geometry, cap, points)) {
        return;
    }
    if (points.empty()) {
        // "0|": the operator emptied the shape. The device's empty form is
        // the value without it.
        auto dropFirst = [](auto& list) {
            if (!list.empty()) {
                list.erase(list.begin());
            }
        };
        if (cap == 4) {
            dropFirst(value.rectangles);
        } else if (cap == 1) {
            dropFirst(value.points);
        } else {
            dropFirst(value.polygons);
        }
        return;
    }
    switch (cap) {
        case 4:
            if (points.size() == 4) {
                ReplaceFirst(value.rectangles,
                             RectF{points[0].X, points[0].Y, points[3].X - points[0].X,
                                   points[2].Y - points[0].Y});
            }
            return;
        case 1:
            if (!points.empty()) {
                ReplaceFirst(value.points, points.front());
            }
            return;
        default:
            if (!points.empty()) {
                ReplaceFirst(value.polygons, points);
            }
            return;
    }
}

}  // namespace vexo
