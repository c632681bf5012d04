// The owner-drawn two-image button: which image shows for each click mode,
// hover. PTZ press/release forwarding is driven on the lens buttons by
// tests/gui/sceneset/sceneset_ptz.js.
#include <gtest/gtest.h>

#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include "xp_button.h"

using vexo::CXPButton;

namespace {

QPixmap Solid(const QColor& color) {
    QPixmap pixmap(40, 20);
    pixmap.fill(color);
    return pixmap;
}

// Colour the button paints near its top-left corner, away from the text.
QColor PaintedColor(CXPButton& button) {
    return button.grab().toImage().pixelColor(3, 3);
}

struct XpButtonTest : ::testing::Test {
    CXPButton button;
    XpButtonTest() {
        button.resize(120, 36);
        button.SetImages(Solid(Qt::red), Solid(Qt::blue));
        button.show();
    }
};

}  // namespace

TEST_F(XpButtonTest, ClickModeTwoFlipsOnEveryClickBeforeOwnerSeesIt) {
    button.SetClickMode(CXPButton::kFlipOnClick);
    std::vector<int> seenByOwner;
    QObject::connect(&button, &QAbstractButton::clicked,
                     [&] { seenByOwner.push_back(button.GetSelected()); });
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(&button, Qt::LeftButton);
    }
    EXPECT_EQ(seenByOwner, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(PaintedColor(button), QColor(Qt::blue));
}

TEST_F(XpButtonTest, ClickModeOneShowsSelectedImageOnlyWhileHeld) {
    button.SetClickMode(CXPButton::kShowSelectedWhileHeld);
    EXPECT_EQ(PaintedColor(button), QColor(Qt::red));
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_TRUE(button.ShowsSelectedImage());
    EXPECT_EQ(PaintedColor(button), QColor(Qt::blue));
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_FALSE(button.ShowsSelectedImage());
    EXPECT_EQ(PaintedColor(button), QColor(Qt::red));
    EXPECT_EQ(button.GetSelected(), 0);
}

TEST_F(XpButtonTest, OtherModesLeaveTheStateToTheOwner) {
    button.SetClickMode(0);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(button.GetSelected(), 0);
    button.SetSelected(1);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(button.GetSelected(), 1);
    EXPECT_EQ(PaintedColor(button), QColor(Qt::blue));
}
