// What the operator sees: overlay items painted over the video window.
#include <QDir>
#include <atomic>
#include <thread>

#include "video_window.h"

using namespace vexo;

namespace {

class Pixels : public VideoTest {
protected:
    // With VEXO_SCREENSHOT_DIR set, keeps the picture for a person to look at.
    void Keep(const QImage& image, const char* name) {
        const QByteArray dir = qgetenv("VEXO_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QLatin1String(name)));
        }
    }
    static QRgb Green() { return qRgb(0, 255, 0); }
    static QRgb Black() { return qRgb(0, 0, 0); }
};

}  // namespace

// Where each shape's pixels land: a region's outline on its edges with its
// hidden handles not painted, and a wire with its filled arrow and
// half-transparent band. (Which shape is selected or editable is the
// trackers' test; the colours follow from the items.)
TEST_F(Pixels, ShapesArePaintedOnTheirPoints) {
    ASSERT_TRUE(renderer.DrawRegion(port, 2, 1, "4|(100,50),(400,50),(400,200),(100,200)", "r"));
    ASSERT_TRUE(renderer.DrawLine(port, 1, 2, "2|(100,300),(500,300)", "w"));
    renderer.SetLineBox("w", QRect(0, 0, 704, 576));
    renderer.SetLineMargin("w", 0.1f);
    const QImage image = Grab();
    Keep(image, "shapes.png");
    EXPECT_EQ(image.pixel(250, 50), Green());
    EXPECT_EQ(image.pixel(400, 125), Green());
    EXPECT_EQ(image.pixel(250, 125), Black()) << "outline only";
    EXPECT_EQ(image.pixel(100, 50 - 10), Black()) << "handles stay hidden";

    EXPECT_EQ(image.pixel(300, 300), Green());
    // Arrow A (direction 2) is filled; arrow B has only its outline.
    EXPECT_EQ(image.pixel(175, 320), Green());
    EXPECT_NEAR(image.pixelColor(425, 270).green(), 128, 2) << "only the band covers B's inside";
    // The band (half-width 57) is half-transparent green.
    const QColor band = image.pixelColor(300, 340);
    EXPECT_NEAR(band.green(), 128, 2);
    EXPECT_EQ(band.red(), 0);
    EXPECT_EQ(image.pixel(300, 360), Black());
}

TEST_F(Pixels, ItemsAddedFromAnotherThreadArePainted) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 400; ++i) {
            int32_t pts[] = {10, 10 + i, 600, 10 + i};
            MultLineDesc d{pts, 2, 0x0000FF00, 0, 1, 0, 0};
            VEXOPLAY_AddDrawMultLine(port, &d);
        }
        done = true;
    });
    while (!done) {
        window.repaint();  // paints while the list grows
    }
    worker.join();
    EXPECT_EQ(VEXOPLAY_GetOverlayItemCount(port), 400);
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(300, 10), Green());
    EXPECT_EQ(image.pixel(300, 409), Green());
    EXPECT_EQ(image.pixel(300, 411), Black());
}

TEST_F(Pixels, PlayFromTheStreamThreadShowsTheOverlayOnTheUiThread) {
    VEXOPLAY_Stop(port);
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "3|(100,100),(400,100),(250,300)", "r"));
    EXPECT_EQ(Grab().pixel(250, 100), Black());
    int played = 0;
    std::thread stream([&] { played = VEXOPLAY_Play(port, &window, 0, 0); });
    stream.join();
    EXPECT_EQ(played, 1);
    EXPECT_EQ(Grab().pixel(250, 100), Green()) << "the view is made by the window's thread";
}

TEST_F(Pixels, PlayingIntoAnotherWindowMovesTheOverlay) {
    ASSERT_TRUE(renderer.DrawRegion(port, 0, 1, "3|(100,100),(400,100),(250,300)", "r"));
    VideoWindow other(renderer);
    other.show();
    ASSERT_EQ(VEXOPLAY_Play(port, &other, 0, 0), 1);
    QApplication::processEvents();
    EXPECT_EQ(Grab().pixel(250, 100), Black());
    EXPECT_EQ(other.grab().toImage().pixel(250, 100), Green());
}

TEST_F(Pixels, ExtremeDeviceCoordinatesPaintWithoutHarm) {
    ASSERT_TRUE(
        renderer.DrawLine(port, 1, 2, "0|(-2147483648,-2147483648),(2147483647,2147483647)", "w"));
    renderer.SetLineBox("w", QRect(0, 0, 704, 576));
    renderer.SetLineMargin("w", 1000.0f);
    ASSERT_TRUE(
        renderer.DrawRegion(port, 1, 1, "3|(-2147483648,0),(2147483647,0),(0,2147483647)", "r"));
    renderer.OnButtonDown(0, {10, 10}, QRect(0, 0, 704, 576));
    const QImage image = Grab();
    EXPECT_EQ(image.size(), QSize(704, 576));
}
