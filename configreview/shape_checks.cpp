#include "shape_checks.h"

#include <charconv>
#include <cmath>

namespace vexo::review {
namespace {

// Reads one number at `text` and moves past it; no locale is involved.
bool ReadNumber(std::string_view& text, double& out) {
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, out);
    if (error != std::errc() || !std::isfinite(out)) {
        return false;
    }
    text.remove_prefix(static_cast<size_t>(next - text.data()));
    return true;
}

bool Expect(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// Twice the signed area of the triangle a, b, c: > 0 when c lies left of a->b.
double Cross(const ShapePoint& a, const ShapePoint& b, const ShapePoint& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

int Side(const ShapePoint& a, const ShapePoint& b, const ShapePoint& c) {
    const double cross = Cross(a, b, c);
    const double tolerance = kDevicePrecision * kDevicePrecision;
    return cross > tolerance ? 1 : (cross < -tolerance ? -1 : 0);
}

bool Within(const ShapePoint& a, const ShapePoint& b, const ShapePoint& c) {
    return std::min(a.x, b.x) - kDevicePrecision <= c.x &&
           c.x <= std::max(a.x, b.x) + kDevicePrecision &&
           std::min(a.y, b.y) - kDevicePrecision <= c.y &&
           c.y <= std::max(a.y, b.y) + kDevicePrecision;
}

bool SegmentsMeet(const ShapePoint& a, const ShapePoint& b, const ShapePoint& c,
                  const ShapePoint& d) {
    const int d1 = Side(a, b, c);
    const int d2 = Side(a, b, d);
    const int d3 = Side(c, d, a);
    const int d4 = Side(c, d, b);
    if (d1 * d2 < 0 && d3 * d4 < 0) {
        return true;
    }
    return (d1 == 0 && Within(a, b, c)) || (d2 == 0 && Within(a, b, d)) ||
           (d3 == 0 && Within(c, d, a)) || (d4 == 0 && Within(c, d, b));
}

}  // namespace

std::optional<std::vector<ShapePoint>> ParsePolygonText(std::string_view text) {
    std::vector<ShapePoint> points;
    if (text.empty()) {
        return points;
    }
    const size_t bar = text.find('|');
    if (bar == std::string_view::npos) {
        return std::nullopt;
    }
    unsigned count = 0;
    const auto [next, error] = std::from_chars(text.data(), text.data() + bar, count);
    if (error != std::errc() || next != text.data() + bar || count > 10000) {
        return std::nullopt;
    }
    text.remove_prefix(bar + 1);
    for (unsigned i = 0; i < count; ++i) {
        ShapePoint p;
        if ((i > 0 && !Expect(text, ',')) || !Expect(text, '(') || !ReadNumber(text, p.x) ||
            !Expect(text, ',') || !ReadNumber(text, p.y) || !Expect(text, ')')) {
            return std::nullopt;
        }
        points.push_back(p);
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return points;
}

bool OnOneLine(const std::vector<ShapePoint>& points) {
    if (points.empty()) {
        return true;
    }
    // The line through the first point and the one farthest from it is the
    // steadiest to measure the others against.
    const ShapePoint& a = points.front();
    const ShapePoint* b = &a;
    double farthest = 0;
    for (const ShapePoint& p : points) {
        const double d = std::hypot(p.x - a.x, p.y - a.y);
        if (d > farthest) {
            farthest = d;
            b = &p;
        }
    }
    if (farthest < kDevicePrecision) {
        return true;
    }
    for (const ShapePoint& p : points) {
        if (std::fabs(Cross(a, *b, p)) / farthest >= kDevicePrecision) {
            return false;
        }
    }
    return true;
}

bool SelfIntersecting(const std::vector<ShapePoint>& points) {
    const size_t n = points.size();
    if (n < 4) {
        return false;  // a triangle's edges all share corners
    }
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) {
                continue;  // the closing edge shares the first corner
            }
            if (SegmentsMeet(points[i], points[(i + 1) % n], points[j], points[(j + 1) % n])) {
                return true;
            }
        }
    }
    return false;
}

bool SamePoint(const ShapePoint& a, const ShapePoint& b) {
    return std::fabs(a.x - b.x) < kDevicePrecision && std::fabs(a.y - b.y) < kDevicePrecision;
}

bool OnFrameEdge(const ShapePoint& a, const ShapePoint& b) {
    const double edge = 1 - kDevicePrecision;
    auto both = [&](double u, double v) {
        return (u >= edge && v >= edge) || (u <= -edge && v <= -edge);
    };
    return both(a.x, b.x) || both(a.y, b.y);
}

}  // namespace vexo::review
