#pragma once
// Paints a port's decoded pictures into its window, scaled to the area the
// window gives them, converting them to 32-bit RGB with libswscale on the
// way. Used on the window's (UI) thread only.
//
// A 1280x720 picture in 32-bit RGB is 3.6 MB. Converting it into an image
// of our own and then letting QPainter copy that into the window's pixels
// moves the picture through memory twice, and the copy cost about half as
// much CPU as decoding the picture. So when the painter draws into a plain
// 32-bit raster image (a window's backing store at a device pixel ratio of
// 1) and no other pixel of that image would be touched, libswscale writes
// the picture straight into it: the direct route. Its conditions:
//   - the raster engine paints into a QImage of Format_RGB32, ARGB32 or
//     ARGB32_Premultiplied (native 0xAARRGGBB words, which is what
//     libswscale's RGB32 writes, with alpha 255), at a pixel ratio of 1;
//   - the painter only translates by whole pixels, at full opacity, in
//     SourceOver mode, and sets no clip of its own;
//   - the area lies inside the image and inside the region being repainted
//     (the engine's system clip), so other widgets' pixels are left alone;
//   - the area's width is a multiple of 16 pixels and its rows start on
//     16-byte boundaries: libswscale's SIMD converters store whole blocks
//     of pixels and could otherwise write past the end of a row, into a
//     neighbour's pixels.
// Anything else (HiDPI, a scaled painter, a clip, another format, another
// width) takes the image route: the picture is converted into an image the
// painter keeps, whose memory is reused from one picture to the next (fresh
// memory costs a page fault per 4 KiB on its first write), then drawn with
// QPainter. A repaint of the same picture at the same size (an overlay
// being edited) reuses that conversion.

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <optional>

class QPainter;
struct AVFrame;
struct SwsContext;

namespace vexoplay {

class DecodedPicture;

class PicturePainter {
public:
    enum class Route {
        kNone,    // no picture, or it could not be converted: the area is painted black
        kDirect,  // converted straight into the painter's image
        kImage,   // converted into the kept image, then drawn
    };

    PicturePainter() = default;
    ~PicturePainter();
    PicturePainter(const PicturePainter&) = delete;
    PicturePainter& operator=(const PicturePainter&) = delete;

    Route Paint(QPainter& painter, const QRect& area,
                const std::shared_ptr<const DecodedPicture>& picture);

    // The picture converted to `size`, as the image route draws it; a null
    // image when it cannot be converted.
    QImage Converted(const std::shared_ptr<const DecodedPicture>& picture, QSize size);

private:
    struct Target {
        uint8_t* pixels;  // the area's first pixel
        int stride;       // bytes from one row to the next
    };
    static std::optional<Target> DirectTarget(QPainter& painter, const QRect& area);
    bool ConvertInto(const AVFrame* frame, const Target& target, QSize size);

    // What the scaler was made for: a change of any of it makes a new one.
    struct ScalerKey {
        int sourceWidth = 0;
        int sourceHeight = 0;
        int sourceFormat = -1;
        int width = 0;
        int height = 0;
        bool fullRange = false;  // luma 0..255 rather than 16..235
        bool bt709 = false;      // else BT.601 colours
        bool operator==(const ScalerKey&) const = default;
    };
    SwsContext* scaler_ = nullptr;
    ScalerKey scalerKey_;
    QImage converted_;  // the image route's picture
    std::weak_ptr<const DecodedPicture> convertedFrom_;
};

}  // namespace vexoplay
