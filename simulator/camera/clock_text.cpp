#include "clock_text.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

namespace devsim::camera {
namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// One row per byte, the low five bits from left (bit 4) to right (bit 0).
const uint8_t* GlyphOf(char c) {
    static const uint8_t kDigits[10][kGlyphHeight] = {
        {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
        {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
        {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
        {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
        {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}};
    static const uint8_t kMinus[kGlyphHeight] = {0, 0, 0, 0x1F, 0, 0, 0};
    static const uint8_t kPlus[kGlyphHeight] = {0, 0x04, 0x04, 0x1F, 0x04, 0x04, 0};
    static const uint8_t kColon[kGlyphHeight] = {0, 0x0C, 0x0C, 0, 0x0C, 0x0C, 0};
    static const uint8_t kDot[kGlyphHeight] = {0, 0, 0, 0, 0, 0x0C, 0x0C};
    static const uint8_t kP[kGlyphHeight] = {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10};
    static const uint8_t kT[kGlyphHeight] = {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04};
    static const uint8_t kZ[kGlyphHeight] = {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F};
    if (c >= '0' && c <= '9') {
        return kDigits[c - '0'];
    }
    switch (c) {
        case '-':
            return kMinus;
        case '+':
            return kPlus;
        case ':':
            return kColon;
        case '.':
            return kDot;
        case 'P':
            return kP;
        case 'T':
            return kT;
        case 'Z':
            return kZ;
        default:
            return nullptr;
    }
}

}  // namespace

void DrawText(const YuvCanvas& canvas, int x, int y, int scale, const std::string& text) {
    const int advance = (kGlyphWidth + 1) * scale;
    canvas.ShadeRect(x - scale, y - scale, static_cast<int>(text.size()) * advance + scale,
                     (kGlyphHeight + 2) * scale);
    const YuvColour white = FromRgb(255, 255, 255);
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t* glyph = GlyphOf(text[i]);
        if (glyph == nullptr) {
            continue;
        }
        const int left = x + static_cast<int>(i) * advance;
        for (int row = 0; row < kGlyphHeight; ++row) {
            for (int col = 0; col < kGlyphWidth; ++col) {
                if ((glyph[row] >> (kGlyphWidth - 1 - col)) & 1) {
                    canvas.FillRect(left + col * scale, y + row * scale, scale, scale, white);
                }
            }
        }
    }
}

std::string ClockText(long long realtimeMicros) {
    const std::time_t seconds = static_cast<std::time_t>(realtimeMicros / 1000000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>((realtimeMicros / 1000) % 1000));
    return text;
}

}  // namespace devsim::camera
