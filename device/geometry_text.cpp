#include "geometry_text.h"

#include <algorithm>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "c_locale_scope.h"

namespace vexo::geometry {

namespace {

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    return text;
}

// The text between the first "(" (or the start) and the next ")" (or the end).
std::string_view InsideParentheses(std::string_view text) {
    const size_t open = text.find('(');
    if (open != std::string_view::npos) {
        text.remove_prefix(open + 1);
    }
    return text.substr(0, text.find(')'));
}

PointF ScanPair(std::string_view pair) {
    CLocaleScope scope;
    PointF point;
    const std::string copy(pair);
    std::sscanf(copy.c_str(), "%f,%f", &point.X, &point.Y);
    return point;
}

}  // namespace

std::string FormatRect(const RectF& rect) {
    return Format("(%f,%f,%f,%f)", static_cast<double>(rect.X), static_cast<double>(rect.Y),
                  static_cast<double>(rect.Width), static_cast<double>(rect.Height));
}

std::string FormatPoint(const PointF& point) {
    return Format("(%f,%f)", static_cast<double>(point.X), static_cast<double>(point.Y));
}

std::string FormatPolygon(const std::vector<PointF>& polygon) {
    std::string text;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const double x = polygon[i].X;
        const double y = polygon[i].Y;
        text += i == 0 ? Format("%d|(%f,%f)", static_cast<int>(polygon.size()), x, y)
                       : Format(",(%f,%f)", x, y);
    }
    return text;
}

RectF ScanRect(std::string_view text) {
    CLocaleScope scope;
    RectF rect;
    const std::string copy(text);
    std::sscanf(copy.c_str(), "(%f,%f,%f,%f)", &rect.X, &rect.Y, &rect.Width, &rect.Height);
    return rect;
}

PointF ScanPoint(std::string_view text) {
    return ScanPair(InsideParentheses(text));
}

bool ScanPolygon(std::string_view text, std::vector<PointF>& polygon) {
    const size_t bar = text.find('|');
    if (bar == std::string_view::npos) {
        return false;
    }
    const std::string countText(text.substr(0, bar));
    const long count = std::strtol(countText.c_str(), nullptr, 10);
    if (count <= 0 || count > kMaxPolygonPoints) {
        return false;
    }
    std::string_view rest = text.substr(bar + 1);
    polygon.clear();
    for (long i = 0; i < count; ++i) {
        const size_t open = rest.find('(');
        const size_t close = rest.find(')');
        if (close == std::string_view::npos) {
            // No further pair: the remaining points are (0, 0).
            polygon.emplace_back();
            rest = std::string_view();
            continue;
        }
        polygon.push_back(open < close ? ScanPair(rest.substr(open + 1, close - open - 1))
                                       : PointF{});
        // Skip the ")" and the "," that separates it from the next pair.
        rest.remove_prefix(std::min(rest.size(), close + 2));
    }
    return true;
}

}  // namespace vexo::geometry
