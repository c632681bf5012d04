// Decoded pictures reach the window's pixels either straight from the
// colour converter or through a converted image. Both routes must give the
// same picture in the same place, and the direct one must never touch a
// pixel outside the area it was given.
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cstring>
#include <memory>

#include "decoded_picture.h"
#include "picture_painter.h"

namespace {

using vexoplay::DecodedPicture;
using vexoplay::PicturePainter;
using Route = PicturePainter::Route;

const QRgb kRed = qRgb(230, 20, 20);
const QRgb kBlue = qRgb(20, 20, 230);
const QRgb kGreen = qRgb(0, 200, 0);  // what the target held before

// A 4:2:0 picture as a decoder makes it: the left half red, the right blue.
std::shared_ptr<const DecodedPicture> MakePicture(int width, int height) {
    QImage rgb(width, height, QImage::Format_RGB32);
    rgb.fill(kRed);
    QPainter(&rgb).fillRect(width / 2, 0, width - width / 2, height, QColor(kBlue));
    AVFrame* frame = av_frame_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    if (av_frame_get_buffer(frame, 0) < 0) {
        av_frame_free(&frame);
        return nullptr;
    }
    SwsContext* toYuv = sws_getContext(width, height, AV_PIX_FMT_RGB32, width, height,
                                       AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    const uint8_t* source[4] = {rgb.constBits(), nullptr, nullptr, nullptr};
    const int sourceStride[4] = {static_cast<int>(rgb.bytesPerLine()), 0, 0, 0};
    sws_scale(toYuv, source, sourceStride, 0, height, frame->data, frame->linesize);
    sws_freeContext(toYuv);
    auto picture = DecodedPicture::Reference(frame);
    av_frame_free(&frame);  // the picture holds its own reference
    return picture;
}

bool Near(QRgb pixel, QRgb want, int tolerance = 24) {
    return std::abs(qRed(pixel) - qRed(want)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(want)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(want)) <= tolerance;
}

QImage Target(QImage::Format format = QImage::Format_RGB32) {
    QImage target(320, 240, format);
    target.fill(kGreen);
    return target;
}

// The area's halves are red and blue, and the pixels around it untouched.
void ExpectPictureIn(const QImage& image, const QRect& area, const char* what) {
    SCOPED_TRACE(what);
    const int middle = area.left() + area.width() / 2;
    EXPECT_TRUE(Near(image.pixel(area.left(), area.top()), kRed))
        << std::hex << image.pixel(area.topLeft());
    EXPECT_TRUE(Near(image.pixel(middle - 3, area.center().y()), kRed));
    EXPECT_TRUE(Near(image.pixel(middle + 3, area.center().y()), kBlue));
    EXPECT_TRUE(Near(image.pixel(area.right(), area.bottom()), kBlue))
        << std::hex << image.pixel(area.bottomRight());
    EXPECT_EQ(image.pixel(area.left() - 1, area.top()), kGreen);
    EXPECT_EQ(image.pixel(area.right() + 1, area.center().y()), kGreen);
    EXPECT_EQ(image.pixel(area.right() + 1, area.bottom()), kGreen);
    EXPECT_EQ(image.pixel(area.left(), area.bottom() + 1), kGreen);
    EXPECT_EQ(image.pixel(area.right(), area.top() - 1), kGreen);
}

TEST(PicturePainter, PaintsStraightIntoAPlainImageAtTheTranslatedArea) {
    const auto picture = MakePicture(128, 96);
    ASSERT_NE(picture, nullptr);
    PicturePainter painter;
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage target = Target(format);
        {
            QPainter p(&target);
            p.translate(16, 10);  // a widget placed inside its window
            // Scaled up from 128 x 96 to 160 x 120.
            EXPECT_EQ(painter.Paint(p, QRect(16, 20, 160, 120), picture), Route::kDirect);
        }
        ExpectPictureIn(target, QRect(32, 30, 160, 120), "direct");
        // Opaque even where the window's pixels carry alpha.
        EXPECT_EQ(qAlpha(target.pixel(100, 100)), 255);
    }
}

TEST(PicturePainter, EveryOtherPaintDrawsTheSamePictureThroughAnImage) {
    const auto picture = MakePicture(128, 96);
    ASSERT_NE(picture, nullptr);
    PicturePainter painter;
    struct Case {
        const char* what;
        QImage::Format format;
        QRect area;  // in the painter's coordinates
        QRect inTarget;
        void (*setUp)(QPainter&);
    };
    const Case cases[] = {
        {"width not a multiple of 16", QImage::Format_RGB32, QRect(20, 20, 150, 120),
         QRect(20, 20, 150, 120), [](QPainter&) {}},
        {"row start off 16-byte alignment", QImage::Format_RGB32, QRect(2, 20, 160, 120),
         QRect(2, 20, 160, 120), [](QPainter&) {}},
        {"24-bit image", QImage::Format_RGB888, QRect(16, 20, 160, 120), QRect(16, 20, 160, 120),
         [](QPainter&) {}},
        // Converted at 160 x 120, as on a window with two device pixels per point.
        {"scaled painter", QImage::Format_RGB32, QRect(8, 10, 80, 60), QRect(16, 20, 160, 120),
         [](QPainter& p) { p.scale(2, 2); }},
        {"area reaching past the image", QImage::Format_RGB32, QRect(160, 20, 320, 120),
         QRect(160, 20, 160, 120), [](QPainter&) {}},
    };
    for (const Case& c : cases) {
        QImage target = Target(c.format);
        {
            QPainter p(&target);
            c.setUp(p);
            EXPECT_EQ(painter.Paint(p, c.area, picture), Route::kImage) << c.what;
        }
        target = target.convertToFormat(QImage::Format_RGB32);
        if (c.inTarget.right() < target.width() - 1) {
            ExpectPictureIn(target, c.inTarget, c.what);
        } else {
            EXPECT_EQ(target.pixel(159, 50), kGreen) << c.what;
            EXPECT_TRUE(Near(target.pixel(160, 50), kRed)) << c.what;
        }
    }
}

TEST(PicturePainter, NeverPaintsOutsideAClip) {
    const auto picture = MakePicture(128, 96);
    ASSERT_NE(picture, nullptr);
    PicturePainter painter;

    // The painter's own clip.
    QImage target = Target();
    {
        QPainter p(&target);
        p.setClipRect(QRect(0, 0, 100, 240));
        EXPECT_EQ(painter.Paint(p, QRect(16, 20, 160, 120), picture), Route::kImage);
    }
    EXPECT_TRUE(Near(target.pixel(50, 50), kRed));
    EXPECT_EQ(target.pixel(150, 50), kGreen);

    // The region being repainted, as a window sets it on its engine.
    auto paintWithin = [&](const QRegion& repainted, Route& route) {
        QImage window = Target();
        window.paintEngine()->setSystemClip(repainted);
        QPainter p(&window);
        route = painter.Paint(p, QRect(16, 20, 160, 120), picture);
        p.end();
        return window;
    };
    Route route = Route::kNone;
    const QImage part = paintWithin(QRegion(0, 0, 100, 240), route);
    EXPECT_EQ(route, Route::kImage);
    EXPECT_TRUE(Near(part.pixel(50, 50), kRed));
    EXPECT_EQ(part.pixel(150, 50), kGreen);

    // A repaint region that holds the whole area leaves the direct route open.
    const QImage wide = paintWithin(QRegion(0, 0, 200, 240), route);
    EXPECT_EQ(route, Route::kDirect);
    ExpectPictureIn(wide, QRect(16, 20, 160, 120), "inside the repaint region");
}

TEST(PicturePainter, RepaintsReuseTheConversionAndItsMemory) {
    const auto first = MakePicture(128, 96);
    const auto second = MakePicture(128, 96);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    PicturePainter painter;
    const QImage a = painter.Converted(first, QSize(150, 100));
    ASSERT_FALSE(a.isNull());
    EXPECT_EQ(painter.Converted(first, QSize(150, 100)).constBits(), a.constBits())
        << "the same picture at the same size is not converted again";

    // The next picture must not be converted into one still held.
    QImage b = painter.Converted(second, QSize(150, 100));
    EXPECT_NE(b.constBits(), a.constBits());
    EXPECT_TRUE(Near(a.pixel(10, 10), kRed));

    // Once nobody holds it, the memory is used again.
    const uchar* memory = b.constBits();
    b = QImage();
    EXPECT_EQ(painter.Converted(first, QSize(150, 100)).constBits(), memory);
    EXPECT_EQ(painter.Converted(first, QSize(150, 100)).size(), QSize(150, 100));

    EXPECT_TRUE(painter.Converted(nullptr, QSize(150, 100)).isNull());
    EXPECT_TRUE(painter.Converted(first, QSize(0, 100)).isNull());
}

// A flat picture of luma `y` (no colour) in `format`, tagged with `range`.
std::shared_ptr<const DecodedPicture> MakeFlat(AVPixelFormat format, uint8_t y,
                                               AVColorRange range) {
    AVFrame* frame = av_frame_alloc();
    frame->format = format;
    frame->width = 64;
    frame->height = 48;
    frame->color_range = range;
    if (av_frame_get_buffer(frame, 0) < 0) {
        av_frame_free(&frame);
        return nullptr;
    }
    memset(frame->data[0], y, static_cast<size_t>(frame->linesize[0]) * 48);
    const int chromaRows = 48 >> av_pix_fmt_desc_get(format)->log2_chroma_h;
    memset(frame->data[1], 128, static_cast<size_t>(frame->linesize[1]) * chromaRows);
    memset(frame->data[2], 128, static_cast<size_t>(frame->linesize[2]) * chromaRows);
    auto picture = DecodedPicture::Reference(frame);
    av_frame_free(&frame);
    return picture;
}

TEST(PicturePainter, LumaRangeFollowsThePicturesTag) {
    // Luma 16 is black in the video range and a dark grey in the full range
    // that JPEG pictures (and full-range tagged streams) use.
    struct Case {
        AVPixelFormat format;
        AVColorRange range;
        int grey;
    };
    const Case cases[] = {
        {AV_PIX_FMT_YUV420P, AVCOL_RANGE_UNSPECIFIED, 0},
        {AV_PIX_FMT_YUV420P, AVCOL_RANGE_MPEG, 0},
        {AV_PIX_FMT_YUV420P, AVCOL_RANGE_JPEG, 16},
        {AV_PIX_FMT_YUVJ420P, AVCOL_RANGE_UNSPECIFIED, 16},
        {AV_PIX_FMT_YUVJ422P, AVCOL_RANGE_JPEG, 16},
        {AV_PIX_FMT_YUV444P, AVCOL_RANGE_MPEG, 0},
    };
    PicturePainter painter;
    for (const Case& c : cases) {
        const auto picture = MakeFlat(c.format, 16, c.range);
        ASSERT_NE(picture, nullptr);
        const QImage image = painter.Converted(picture, QSize(64, 48));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(Near(image.pixel(32, 24), qRgb(c.grey, c.grey, c.grey), 3))
            << av_get_pix_fmt_name(c.format) << " range " << c.range << ": " << std::hex
            << image.pixel(32, 24);
    }
}

}  // namespace
