// The PNG button: the window region built from a mask, clicks only inside it,
// and PTZ forwarding from the shaped pad wedges.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <utility>
#include <vector>

#include "gdip_button.h"
#include "ptz_command_target.h"

using vexo::CGdipButton;

namespace {
constexpr QRgb kOutside = qRgb(255, 0, 255);

QImage Mask(int width, int height) {
    QImage mask(width, height, QImage::Format_RGB32);
    mask.fill(kOutside);
    return mask;
}

// Remembers every start ('s') and stop ('e') a button forwards.
struct RecordingPtzTarget : vexo::PtzCommandTarget {
    std::vector<std::pair<char, int>> calls;
    void StartPtzCommand(int command) override { calls.emplace_back('s', command); }
    void StopPtzCommand(int command) override { calls.emplace_back('e', command); }
};

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

TEST(GdipButtonPtz, PressInsideStartsAndReleaseStops) {
    CGdipButton button;
    button.resize(20, 20);
    QImage mask = Mask(20, 20);
    mask.setPixel(2, 2, qRgb(0, 0, 0));
    button.SetMask(mask, kOutside);
    button.show();
    RecordingPtzTarget ptz;
    button.SetPtzOwner(&ptz, 7);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_TRUE(ptz.calls.empty()) << "a press outside the wedge must not move the dome";

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(ptz.calls.size(), 2u);
    EXPECT_EQ(ptz.calls[0], std::make_pair('s', 7));
    EXPECT_EQ(ptz.calls[1], std::make_pair('e', 7));
}
