// GeometryText through the video pane: device text to pixels and renderer
// text back to device space never crash, and a converted region keeps its
// count and its number of points.
#include <cstdint>
#include <cstdlib>

#include "av_play_base.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString pixel = CAVPlayBase::DeviceToPixelText(text, 704, 396);
    const QString device = CAVPlayBase::PixelToDeviceGeometry(pixel, 704, 396);
    // Points the pane wrote itself (a non-zero count) convert one for one.
    const bool written = text.contains(QLatin1Char('|')) && !pixel.startsWith(QLatin1String("0|"));
    if (written && device.count(QLatin1Char('(')) != pixel.count(QLatin1Char('('))) {
        std::abort();
    }
    CAVPlayBase::PixelToDeviceGeometry(text, 0, 1);
    CAVPlayBase::NumberedRegionLabel(text);
    CAVPlayBase::WireDrawText(text, text, size % 2 == 0);
    return 0;
}
