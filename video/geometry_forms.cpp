#include "geometry_forms.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vexo::geometry {

namespace {

int32_t Trunc(double v) {
    // Saturate instead of overflowing: points come from device text.
    if (!(v == v)) {
        return 0;
    }
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}

// Reads the next "(x,y)" group at or after pos; pos moves past its ")" and
// the separator that follows.
bool NextPoint(QStringView text, qsizetype& pos, GeoPoint& point) {
    if (pos > text.size()) {
        return false;
    }
    const qsizetype open = text.indexOf(u'(', pos);
    const qsizetype close = text.indexOf(u')', pos);
    if (open < 0 || close < 0 || close < open) {
        return false;
    }
    const QStringView inner = text.mid(open + 1, close - open - 1);
    const qsizetype comma = inner.indexOf(u',');
    if (comma < 0) {
        return false;
    }
    point = {LeadingInt(inner.left(comma)), LeadingInt(inner.mid(comma + 1))};
    pos = close + 2;
    return true;
}

QString PointsText(const GeoPoint* points, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += u',';
        }
        text += QStringLiteral("(%1,%2)").arg(points[i].x).arg(points[i].y);
    }
    return text;
}

}  // namespace

GeoPoint DeviceToPixel(double fx, double fy, int width, int height) {
    return {Trunc((fx + 1.0) * width / 2.0), Trunc((1.0 - fy) * height / 2.0)};
}

QPointF PixelToDevice(int px, int py, int width, int height) {
    const int hw = width / 2;
    const int hh = height / 2;
    const double fx = hw == 0 ? 0.0 : static_cast<double>(px - hw) / hw;
    const double fy = hh == 0 ? 0.0 : -static_cast<double>(py - hh) / hh;
    return {fx, fy};
}

QString PixelToDeviceText(int px, int py, int width, int height) {
    const QPointF f = PixelToDevice(px, py, width, height);
    return QString::asprintf("(%f,%f)", f.x(), f.y());
}

int32_t LeadingInt(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kLimit);
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool ParsePolygonText(QStringView text, PolygonRecord& record, int exactCount) {
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0) {
        return false;
    }
    const int32_t count = LeadingInt(text.left(bar));
    if (count == 0) {
        return true;
    }
    if (count < 3 || count > kMaxPolygonPoints || (exactCount >= 0 && count != exactCount)) {
        return false;
    }
    GeoPoint points[kMaxPolygonPoints];
    qsizetype pos = bar + 1;
    for (int i = 0; i < count; ++i) {
        if (!NextPoint(text, pos, points[i])) {
            return false;
        }
    }
    std::copy(points, points + count, record.points);
    if (count < kMaxPolygonPoints) {
        record.points[kMaxPolygonPoints - 1] = record.points[0];
    }
    record.count = count;
    record.valid = 1;
    return true;
}

bool ParseLineText(QStringView text, LineRecord& record) {
    record = LineRecord{};
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0) {
        return false;
    }
    const int32_t direction = LeadingInt(text.left(bar));
    if (direction < 0 || direction > 2) {
        return false;
    }
    qsizetype pos = bar + 1;
    GeoPoint start;
    GeoPoint end;
    if (!NextPoint(text, pos, start) || !NextPoint(text, pos, end)) {
        return false;
    }
    record.direction = direction;
    record.start = start;
    record.end = end;
    record.arrowAVisible = direction != 1 ? 1 : 0;
    record.arrowBVisible = direction != 2 ? 1 : 0;
    record.valid = 1;
    return true;
}

bool ParsePointText(QStringView text, PointRecord& record) {
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0) {
        return false;
    }
    const int32_t count = LeadingInt(text.left(bar));
    if (count < 0) {
        return false;
    }
    qsizetype pos = bar + 1;
    GeoPoint point = record.point;
    for (int32_t i = 0; i < count; ++i) {
        if (!NextPoint(text, pos, point)) {
            return false;
        }
    }
    record.point = point;
    return true;
}

QString PolygonText(const PolygonRecord& record) {
    if (record.valid == 0 || record.count < 1 || record.count > kMaxPolygonPoints) {
        return {};
    }
    return QStringLiteral("%1|").arg(record.count) + PointsText(record.points, record.count);
}

QString LineText(const LineRecord& record) {
    const GeoPoint ends[2] = {record.start, record.end};
    if (record.lineKind == 3 || record.lineKind == 4) {
        return QString::asprintf("%d|%.3f|", record.direction, static_cast<double>(record.margin)) +
               PointsText(ends, 2);
    }
    return QStringLiteral("%1|").arg(record.direction) + PointsText(ends, 2);
}

QString PointText(const PointRecord& record) {
    if (record.valid == 0) {
        return {};
    }
    return QStringLiteral("1|") + PointsText(&record.point, 1);
}

void ComputeArrows(LineRecord& line) {
    const double dx = static_cast<double>(line.end.x) - line.start.x;
    const double dy = static_cast<double>(line.end.y) - line.start.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0) {
        return;
    }
    const double ux = dx / length;
    const double uy = dy / length;
    const double d = length / 8.0;
    const double s = std::min(100.0, std::trunc(d));
    // The arrow angle is a fixed 3.1415 / 3, not pi / 3: drawings and stored
    // click targets depend on these exact pixels.
    const double a = 3.1415 / 3.0;
    const double ca = std::cos(a);
    const double sa = std::sin(a);
    const double sx = line.start.x;
    const double sy = line.start.y;
    const double ex = line.end.x;
    const double ey = line.end.y;
    line.arrowA[0] = {Trunc(sx + d * ux), Trunc(sy + d * uy)};
    line.arrowA[1] = {Trunc(sx + (d + s) * ux), Trunc(sy + (d + s) * uy)};
    line.arrowA[2] = {Trunc(sx + d * ux + s * (ux * ca - uy * sa)),
                      Trunc(sy + d * uy + s * (uy * ca + ux * sa))};
    line.arrowB[0] = {Trunc(ex - d * ux), Trunc(ey - d * uy)};
    line.arrowB[1] = {Trunc(ex - (d + s) * ux), Trunc(ey - (d + s) * uy)};
    line.arrowB[2] = {Trunc(ex - (d + s) * ux + s * (ux * ca + uy * sa)),
                      Trunc(ey - (d + s) * uy + s * (uy * ca - ux * sa))};
}

void ComputeBand(LineRecord& line, int boxHeight) {
    const double w = Trunc(static_cast<double>(boxHeight) * static_cast<double>(line.margin));
    const double x1 = line.start.x;
    const double y1 = line.start.y;
    const double x2 = line.end.x;
    const double y2 = line.end.y;
    const double theta = y2 == y1 ? 1.5707963267948966 : std::atan((x2 - x1) / (y2 - y1));
    const double c = w * std::cos(theta);
    const double s = w * std::sin(theta);
    auto at = [](double x, double y) {
        return GeoPoint{Trunc(static_cast<float>(x)), Trunc(static_cast<float>(y))};
    };
    line.band[0] = at(x1 - c, y1 + s);
    line.band[1] = at(x1 + c, y1 - s);
    line.band[2] = at(x2 + c, y2 - s);
    line.band[3] = at(x2 - c, y2 + s);
}

int32_t RescaleCoordinate(int32_t value, int oldSize, int newSize) {
    if (oldSize == 0) {
        return 0;
    }
    return Trunc(static_cast<double>(value) * newSize / oldSize + 0.5);
}

}  // namespace vexo::geometry
