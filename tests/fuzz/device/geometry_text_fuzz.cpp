// The geometry texts of a parameter value ("rectF", "pointF", "VexoPolygon")
// scanned from any bytes.

#include <string_view>

#include "fuzz_reply.h"
#include "geometry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vexo::geometry::ScanRect(text);
    vexo::geometry::ScanPoint(text);
    std::vector<PointF> polygon;
    if (vexo::geometry::ScanPolygon(text, polygon)) {
        vexo::fuzz::Require(!polygon.empty() && static_cast<long>(polygon.size()) <=
                                                    vexo::geometry::kMaxPolygonPoints,
                            "polygon size within bounds");
        // What the control writes of a polygon reads back to as many points.
        std::vector<PointF> back;
        vexo::fuzz::Require(
            vexo::geometry::ScanPolygon(vexo::geometry::FormatPolygon(polygon), back) &&
                back.size() == polygon.size(),
            "written polygon reads back");
    }
    return 0;
}
