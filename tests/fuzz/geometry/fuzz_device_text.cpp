// Device-form GeometryText ("N|(fx,fy),...") as the device sends it and as
// the point table composes it from what the operator types: the parser
// never crashes, and a typed point it accepts lies on the picture and reads
// back the same from the table's own text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "point_table_text.h"
#include "row_geometry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<PointF> points;
    if (vexo::ReadGeometryPoints(text, 8, points) && points.size() > 8) {
        std::abort();
    }
    // The table's two cells: the input split at its first line break.
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString x = cut < 0 ? text : text.left(cut);
    const QString y = cut < 0 ? QStringLiteral("0") : text.mid(cut + 1);
    const auto typed = vexo::ReadTypedPoint(x, y);
    if (!typed) {
        return 0;
    }
    if (!std::isfinite(typed->X) || !std::isfinite(typed->Y) || std::fabs(typed->X) > 1.0f ||
        std::fabs(typed->Y) > 1.0f) {
        std::abort();
    }
    const QSize video(640, 360);
    const vexo::GeoPoint pixel = vexo::TypedPixel(*typed, video);
    if (pixel.x < 0 || pixel.x > 640 || pixel.y < 0 || pixel.y > 360) {
        std::abort();
    }
    const auto again = vexo::ReadTypedPoint(vexo::TableCoordinateText(typed->X),
                                            vexo::TableCoordinateText(typed->Y));
    if (!again || std::fabs(again->X - typed->X) > 0.0006f ||
        std::fabs(again->Y - typed->Y) > 0.0006f) {
        std::abort();
    }
    return 0;
}
