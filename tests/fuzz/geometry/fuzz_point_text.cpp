// Point GeometryText from the device: never crash; a parsed point reads
// back to itself.
#include <cstdint>
#include <cstdlib>

#include "geometry_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vexo::PointRecord point;
    if (!vexo::geometry::ParsePointText(text, point)) {
        return 0;
    }
    point.valid = 1;
    vexo::PointRecord again;
    if (!vexo::geometry::ParsePointText(vexo::geometry::PointText(point), again) ||
        !(again.point == point.point)) {
        std::abort();
    }
    return 0;
}
