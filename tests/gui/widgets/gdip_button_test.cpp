// The PNG button: the window region built from a mask, clicks and paint only
// inside it. (The pad's wedges reach the dome through the page's filter,
// ptz_pad_press_test; a held button's start and stop through the lens
// buttons, sceneset_ptz.js.)
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "gdip_button.h"

using vexo::CGdipButton;

namespace {
constexpr QRgb kOutside = qRgb(255, 0, 255);

QImage Mask(int width, int height) {
    QImage mask(width, height, QImage::Format_RGB32);
    mask.fill(kOutside);
    return mask;
}

int PixelCount(const QRegion& region) {
    int count = 0;
    for (const QRect& rect : region) {
        count += rect.width() * rect.height();
    }
    return count;
}
}  // namespace

TEST(GdipButtonRegion, CollectsEveryNonTransparentPixelAcrossBlocksOfRuns) {
    // A checkerboard of 30 x 30 has 450 one-pixel runs: many blocks of 40.
    // Any colour but the transparent one is inside, white included.
    QImage mask = Mask(30, 30);
    QRegion expected;
    for (int y = 0; y < 30; ++y) {
        for (int x = (y % 2); x < 30; x += 2) {
            mask.setPixel(x, y, x == 29 ? qRgb(255, 255, 255) : qRgb(x * 8, y * 8, 255));
            expected += QRect(x, y, 1, 1);
        }
    }
    const QRegion region = CGdipButton::RegionFromMask(mask, kOutside);
    EXPECT_EQ(PixelCount(region), 450);
    EXPECT_EQ(region, expected);
}

TEST(GdipButtonShape, ClicksCountOnlyInsideTheShape) {
    QWidget parent;
    parent.resize(100, 100);
    auto* button = new CGdipButton(&parent);
    button->setGeometry(10, 10, 20, 20);
    parent.show();
    QImage mask = Mask(20, 20);
    QPainter(&mask).fillRect(0, 0, 10, 10, Qt::black);
    button->SetMask(mask, kOutside);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);

    // A fully transparent mask leaves nothing to click: clicks at its place
    // reach what lies beneath it instead.
    button->SetMask(Mask(20, 20), kOutside);
    EXPECT_TRUE(button->IsShaped());
    EXPECT_TRUE(button->ShapeRegion().isEmpty());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_NE(parent.childAt(15, 15), button);
}

TEST(GdipButtonShape, PaintsItsPictureOnlyInsideTheShape) {
    QWidget parent;
    parent.resize(40, 40);
    parent.setAutoFillBackground(true);
    parent.setPalette(QPalette(Qt::white, Qt::white));
    auto* button = new CGdipButton(&parent);
    button->setGeometry(0, 0, 40, 40);
    QImage picture(40, 40, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    button->SetImages(picture);
    QImage mask = Mask(40, 40);
    QPainter(&mask).fillRect(0, 20, 40, 20, Qt::black);  // lower half only, several blocks of runs
    button->SetMask(mask, kOutside);
    parent.show();
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 30), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(20, 5), QColor(Qt::white));
}
