// Polygon GeometryText from the device: never crash, and whatever parses
// must read back to the same points.
#include <cstdint>
#include <cstdlib>

#include "geometry_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vexo::PolygonRecord record;
    if (!vexo::geometry::ParsePolygonText(text, record) || record.count == 0) {
        return 0;
    }
    vexo::PolygonRecord again;
    if (!vexo::geometry::ParsePolygonText(vexo::geometry::PolygonText(record), again) ||
        again.count != record.count) {
        std::abort();
    }
    for (int i = 0; i < vexo::kMaxPolygonPoints; ++i) {
        if (!(again.points[i] == record.points[i])) {
            std::abort();
        }
    }
    return 0;
}
