#include "geometry_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace devsim {
namespace {

class Cursor {
public:
    explicit Cursor(const std::string& text) : text_(text) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }
    bool Take(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::optional<double> Number() {
        SkipBlanks();
        // strtod would skip leading white space of other kinds and read
        // "inf", "nan" or hexadecimal forms: only plain decimals are taken.
        const size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '-' ||
                text_[pos_] == '+' || text_[pos_] == '.' || text_[pos_] == 'e' ||
                text_[pos_] == 'E')) {
            ++pos_;
        }
        if (pos_ == start || pos_ - start > 40) {
            return std::nullopt;
        }
        const std::string digits = text_.substr(start, pos_ - start);
        char* end = nullptr;
        const double value = std::strtod(digits.c_str(), &end);
        if (end != digits.c_str() + digits.size() || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

std::optional<std::vector<double>> Tuple(Cursor& cursor, size_t count) {
    std::vector<double> values;
    if (!cursor.Take('(')) {
        return std::nullopt;
    }
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && !cursor.Take(',')) {
            return std::nullopt;
        }
        const auto value = cursor.Number();
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    if (!cursor.Take(')')) {
        return std::nullopt;
    }
    return values;
}

}  // namespace

std::optional<std::vector<PointF>> ParsePolygonText(const std::string& text) {
    std::vector<PointF> points;
    if (text.empty()) {
        return points;
    }
    const size_t bar = text.find('|');
    if (bar == std::string::npos || bar == 0 || bar > 4) {
        return std::nullopt;
    }
    int count = 0;
    for (size_t i = 0; i < bar; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return std::nullopt;
        }
        count = count * 10 + (text[i] - '0');
    }
    const std::string rest = text.substr(bar + 1);
    Cursor cursor(rest);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !cursor.Take(',')) {
            return std::nullopt;
        }
        const auto pair = Tuple(cursor, 2);
        if (!pair) {
            return std::nullopt;
        }
        points.push_back({(*pair)[0], (*pair)[1]});
    }
    if (!cursor.AtEnd() || count == 0) {
        return std::nullopt;
    }
    return points;
}

std::optional<std::vector<double>> ParseRectText(const std::string& text) {
    Cursor cursor(text);
    auto values = Tuple(cursor, 4);
    if (!values || !cursor.AtEnd()) {
        return std::nullopt;
    }
    return values;
}

std::optional<PointF> ParsePointText(const std::string& text) {
    Cursor cursor(text);
    const auto values = Tuple(cursor, 2);
    if (!values || !cursor.AtEnd()) {
        return std::nullopt;
    }
    return PointF{(*values)[0], (*values)[1]};
}

}  // namespace devsim
