// Line GeometryText from the device: never crash; a parsed line reads back
// to the same direction and end points, and its arrows and band compute.
#include <cstdint>
#include <cstdlib>

#include "geometry_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vexo::LineRecord line;
    if (!vexo::geometry::ParseLineText(text, line)) {
        return 0;
    }
    vexo::geometry::ComputeArrows(line);
    line.margin = 0.5f;
    vexo::geometry::ComputeBand(line, 576);
    line.lineKind = 3;
    vexo::LineRecord again;
    if (!vexo::geometry::ParseLineText(vexo::geometry::LineText(line), again) ||
        again.direction != line.direction || !(again.start == line.start) ||
        !(again.end == line.end)) {
        std::abort();
    }
    return 0;
}
