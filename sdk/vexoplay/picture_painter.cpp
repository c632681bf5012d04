#include "picture_painter.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <cmath>
#include <limits>
#include <utility>

#include "decoded_picture.h"

namespace vexoplay {

namespace {

// libswscale's widest SIMD store, in pixels of 4 bytes and in bytes.
constexpr int kBlockPixels = 16;
constexpr uintptr_t kRowAlignment = 16;
// Larger than any picture a window needs; bounds a hostile painter scale.
constexpr int kMaxSide = 8192;

// The JPEG pixel formats and their YUV twins.
constexpr std::pair<AVPixelFormat, AVPixelFormat> kJpegFormats[] = {
    {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P},
    {AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUV422P},
    {AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUV444P},
    {AV_PIX_FMT_YUVJ440P, AV_PIX_FMT_YUV440P},
    {AV_PIX_FMT_YUVJ411P, AV_PIX_FMT_YUV411P}};

bool IsWholePixel(qreal value) {
    return value == std::floor(value);
}

}  // namespace

PicturePainter::~PicturePainter() {
    sws_freeContext(scaler_);
}

PicturePainter::Route PicturePainter::Paint(QPainter& painter, const QRect& area,
                                            const std::shared_ptr<const DecodedPicture>& picture) {
    if (picture == nullptr || area.isEmpty()) {
        return Route::kNone;
    }
    if (const std::optional<Target> target = DirectTarget(painter, area)) {
        if (ConvertInto(picture->Frame(), *target, area.size())) {
            return Route::kDirect;
        }
    }
    // Converted at the size the area has on the device, so that a HiDPI
    // window or a scaled painter gets the picture's full detail.
    QSize size = area.size();
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() == QTransform::TxScale) {
        size = transform.mapRect(QRectF(area)).size().toSize().boundedTo(QSize(kMaxSide, kMaxSide));
    }
    const QImage image = Converted(picture, size);
    if (image.isNull()) {
        painter.fillRect(area, Qt::black);
        return Route::kNone;
    }
    if (size == area.size()) {
        painter.drawImage(area.topLeft(), image);
    } else {
        painter.drawImage(QRectF(area), image);
    }
    return Route::kImage;
}

QImage PicturePainter::Converted(const std::shared_ptr<const DecodedPicture>& picture, QSize size) {
    if (picture == nullptr || size.isEmpty()) {
        return {};
    }
    if (convertedFrom_.lock() == picture && converted_.size() == size) {
        return converted_;
    }
    convertedFrom_.reset();
    if (converted_.size() != size) {
        converted_ = QImage(size, QImage::Format_RGB32);
        if (converted_.isNull()) {
            return {};  // out of memory
        }
    }
    // bits() copies first if a caller still holds the previous picture.
    const Target target{converted_.bits(), static_cast<int>(converted_.bytesPerLine())};
    if (!ConvertInto(picture->Frame(), target, size)) {
        return {};
    }
    convertedFrom_ = picture;
    return converted_;
}

std::optional<PicturePainter::Target> PicturePainter::DirectTarget(QPainter& painter,
                                                                   const QRect& area) {
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster || painter.hasClipping() ||
        painter.opacity() < 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return std::nullopt;
    }
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        return std::nullopt;
    }
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
         format != QImage::Format_ARGB32_Premultiplied) ||
        image->devicePixelRatio() != 1.0 || !image->isDetached()) {
        // A shared image would be copied by bits(), away from the engine's
        // own pointer into it.
        return std::nullopt;
    }
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || !IsWholePixel(transform.dx()) ||
        !IsWholePixel(transform.dy())) {
        return std::nullopt;
    }
    const QRect target =
        area.translated(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    if (!image->rect().contains(target) || target.width() % kBlockPixels != 0) {
        return std::nullopt;
    }
    // The system clip is the part of the window being repainted; an empty
    // one means the whole image is the painter's.
    const QRegion repainted = engine->systemClip();
    if (!repainted.isEmpty() && !QRegion(target).subtracted(repainted).isEmpty()) {
        return std::nullopt;
    }
    const qsizetype stride = image->bytesPerLine();
    uint8_t* pixels = image->bits() + target.y() * stride + target.x() * 4;
    if (reinterpret_cast<uintptr_t>(pixels) % kRowAlignment != 0 ||
        static_cast<uintptr_t>(stride) % kRowAlignment != 0 ||
        stride > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return Target{pixels, static_cast<int>(stride)};
}

bool PicturePainter::ConvertInto(const AVFrame* frame, const Target& target, QSize size) {
    // The JPEG formats are their YUV twins in full range; libswscale wants
    // the range said separately (it warns about the old formats).
    auto format = static_cast<AVPixelFormat>(frame->format);
    bool fullRange = frame->color_range == AVCOL_RANGE_JPEG;
    for (const auto& [jpeg, yuv] : kJpegFormats) {
        if (format == jpeg) {
            format = yuv;
            fullRange = true;
        }
    }
    const ScalerKey key{frame->width,
                        frame->height,
                        format,
                        size.width(),
                        size.height(),
                        fullRange,
                        frame->colorspace == AVCOL_SPC_BT709};
    if (scaler_ == nullptr || !(key == scalerKey_)) {
        sws_freeContext(scaler_);
        // AV_PIX_FMT_RGB32 is a native-endian 0xAARRGGBB word, as in QImage.
        scaler_ = sws_getContext(key.sourceWidth, key.sourceHeight, format, key.width, key.height,
                                 AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (scaler_ == nullptr) {
            return false;
        }
        scalerKey_ = key;
        // Pictures without a colour space are taken as BT.601, as cameras'
        // standard-definition pictures and libswscale's default are.
        const int* source = sws_getCoefficients(key.bt709 ? SWS_CS_ITU709 : SWS_CS_DEFAULT);
        sws_setColorspaceDetails(scaler_, source, key.fullRange ? 1 : 0,
                                 sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    }
    uint8_t* planes[4] = {target.pixels, nullptr, nullptr, nullptr};
    const int strides[4] = {target.stride, 0, 0, 0};
    return sws_scale(scaler_, frame->data, frame->linesize, 0, frame->height, planes, strides) > 0;
}

}  // namespace vexoplay
