#include "yuv_canvas.h"

#include <algorithm>
#include <cstring>

namespace devsim::camera {

YuvColour FromRgb(int r, int g, int b) {
    const int y = ((66 * r + 129 * g + 25 * b + 128) >> 8) + 16;
    const int u = ((-38 * r - 74 * g + 112 * b + 128) >> 8) + 128;
    const int v = ((112 * r - 94 * g - 18 * b + 128) >> 8) + 128;
    auto clamp = [](int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); };
    return {clamp(y), clamp(u), clamp(v)};
}

void YuvCanvas::FillRect(int x, int y, int w, int h, YuvColour colour) const {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width);
    const int y1 = std::min(y + h, height);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    for (int row = y0; row < y1; ++row) {
        std::memset(plane[0] + row * stride[0] + x0, colour.y, static_cast<size_t>(x1 - x0));
    }
    const int cx0 = x0 / 2;
    const int cx1 = (x1 + 1) / 2;
    for (int row = y0 / 2; row < (y1 + 1) / 2; ++row) {
        std::memset(plane[1] + row * stride[1] + cx0, colour.u, static_cast<size_t>(cx1 - cx0));
        std::memset(plane[2] + row * stride[2] + cx0, colour.v, static_cast<size_t>(cx1 - cx0));
    }
}

void YuvCanvas::ShadeRect(int x, int y, int w, int h) const {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width);
    const int y1 = std::min(y + h, height);
    for (int row = y0; row < y1; ++row) {
        uint8_t* line = plane[0] + row * stride[0];
        for (int col = x0; col < x1; ++col) {
            line[col] = static_cast<uint8_t>(16 + (line[col] - 16) / 4);
        }
    }
}

}  // namespace devsim::camera
