// The video window's place in the frame: the picture's proportions, as
// large as possible, centred.
#include <gtest/gtest.h>

#include <cstdlib>

#include "picture_fit.h"

using liveview::AlignForDirectPaint;
using liveview::FitPicture;

namespace {

// The properties every fitted rectangle must have, whatever the sizes.
void ExpectFitted(QSize area, QSize picture) {
    SCOPED_TRACE(testing::Message() << "area " << area.width() << "x" << area.height()
                                    << ", picture " << picture.width() << "x" << picture.height());
    const QRect r = FitPicture(area, picture);
    EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(r)) << "stays inside the frame";
    const bool fullWidth = r.width() == area.width();
    const bool fullHeight = r.height() == area.height();
    EXPECT_TRUE(fullWidth || fullHeight) << "as large as the frame allows";
    // Centred: the two margins of each axis differ by at most one pixel.
    EXPECT_LE(std::abs(r.left() - (area.width() - r.right() - 1)), 1);
    EXPECT_LE(std::abs(r.top() - (area.height() - r.bottom() - 1)), 1);
    // Proportions kept to within the rounding of the free side (half a
    // pixel, so the cross products differ by less than the other side).
    const long long crossError = std::llabs(static_cast<long long>(r.width()) * picture.height() -
                                            static_cast<long long>(r.height()) * picture.width());
    const long long tolerance = fullWidth ? picture.width() : picture.height();
    if (r.width() > 1 && r.height() > 1) {
        EXPECT_LE(crossError, tolerance) << "got " << r.width() << "x" << r.height();
    }
}

}  // namespace

TEST(PictureFit, KeepsProportionsCentredAndAsLargeAsPossible) {
    const QSize pictures[] = {{1280, 720}, {704, 576}, {16, 9}, {1, 1}, {3, 1000}, {1000, 3}};
    const QSize areas[] = {{972, 570}, {960, 540}, {400, 800}, {801, 449},
                           {1, 1},     {10000, 3}, {3, 10000}, {1920, 1080}};
    for (QSize picture : pictures) {
        for (QSize area : areas) {
            ExpectFitted(area, picture);
        }
    }
}

TEST(PictureFit, WithoutPictureOrAreaNothingIsInvented) {
    EXPECT_EQ(FitPicture({640, 480}, {0, 0}), QRect(0, 0, 640, 480)) << "no picture: whole frame";
    EXPECT_EQ(FitPicture({640, 480}, {-5, 9}), QRect(0, 0, 640, 480));
    EXPECT_TRUE(FitPicture({0, 480}, {16, 9}).isEmpty());
    EXPECT_TRUE(FitPicture({640, -1}, {16, 9}).isEmpty());
    // Extreme proportions never collapse to nothing.
    const QRect sliver = FitPicture({100, 100}, {1, 100000});
    EXPECT_EQ(sliver.width(), 1);
    EXPECT_EQ(sliver.height(), 100);
}

TEST(PictureFit, AlignedForDirectPaintingLosesAtMostALittle) {
    const QSize pictures[] = {{1280, 720}, {704, 576}, {16, 9}};
    const QSize areas[] = {{972, 570}, {960, 540}, {801, 449}, {400, 800}, {1917, 1080}, {70, 50}};
    for (QSize picture : pictures) {
        for (QSize area : areas) {
            for (int originX : {0, 3, 4, 7}) {
                SCOPED_TRACE(testing::Message() << "area " << area.width() << "x" << area.height()
                                                << ", picture " << picture.width() << "x"
                                                << picture.height() << ", origin " << originX);
                const QRect fitted = FitPicture(area, picture);
                const QRect r = AlignForDirectPaint(fitted, picture, originX);
                if (fitted.width() < 64) {
                    EXPECT_EQ(r, fitted) << "too small to matter";
                    continue;
                }
                EXPECT_TRUE(fitted.contains(r)) << "inside the fitted rectangle";
                EXPECT_EQ(r.width() % 16, 0) << r.width();
                EXPECT_EQ((originX + r.left()) % 4, 0) << r.left();
                EXPECT_GT(r.width(), fitted.width() - 32);
                EXPECT_LE(std::abs(r.center().x() - fitted.center().x()), 10);
                EXPECT_LE(std::abs(r.center().y() - fitted.center().y()), 8);
                EXPECT_LE(std::llabs(static_cast<long long>(r.width()) * picture.height() -
                                     static_cast<long long>(r.height()) * picture.width()),
                          picture.width())
                    << "proportions kept, got " << r.width() << "x" << r.height();
            }
        }
    }
    // Too small to matter, or no picture size: left as fitted.
    EXPECT_EQ(AlignForDirectPaint(QRect(3, 0, 48, 27), QSize(16, 9), 0), QRect(3, 0, 48, 27));
    EXPECT_EQ(AlignForDirectPaint(QRect(1, 0, 64, 36), QSize(16, 9), 0), QRect(1, 0, 64, 36));
    EXPECT_EQ(AlignForDirectPaint(QRect(0, 0, 640, 360), QSize(), 0), QRect(0, 0, 640, 360));
}
