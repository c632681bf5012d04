// Page switches and the header on a logged-in control: the analytics switch,
// the page groups, resizing and a device that dies under the pages. The PTZ
// lock of the scene settings page is tests/gui/sceneset/sceneset_save.js's,
// the identity the editors send in each group (alarm, then the scene token
// again) normal_editors.js's, the switch turning the analytics on after a
// login while they were off index_switch_refresh.js's.
#include <array>

#include "common_header.h"
#include "control_fixture.h"
#include "normal_arming_set.h"

using PagesTest = ControlFixture;

TEST_F(PagesTest, GroupButtonsSwapPagesAndTheSwitch) {
    ASSERT_TRUE(Login());
    QTest::mouseClick(AutoWidget(18007), Qt::LeftButton);
    EXPECT_EQ(VisiblePage(), 3);
    EXPECT_EQ(AutoWidget(18003), nullptr);  // the switch is hidden
    EXPECT_EQ(static_cast<CNormalArmingSet*>(PageWidget(3))->ReloadCount(), 1);

    QTest::mouseClick(AutoWidget(18006), Qt::LeftButton);
    EXPECT_EQ(VisiblePage(), 0);
    EXPECT_TRUE(Manager()->DeviceContext().SceneName().isEmpty());
    EXPECT_NE(AutoWidget(18003), nullptr);
}

TEST_F(PagesTest, ResizeLaysHeaderAndPagesOut) {
    ASSERT_TRUE(Login());
    control_->resize(1000, 600);
    QWidget* sw = AutoWidget(18003);
    QWidget* header = sw->parentWidget();
    EXPECT_EQ(header->geometry(), QRect(0, 0, 1000, 50));
    EXPECT_EQ(header->mapTo(control_.get(), sw->geometry().topRight()).x() + 1, 1000 - 10);
    EXPECT_EQ(AutoWidget(18008)->geometry().right() + 1, sw->geometry().left());
    EXPECT_EQ(PageWidget(0)->geometry(), QRect(0, 50, 1000, 550));
    Manager()->ShowPage(2);  // later switches use the new size too
    EXPECT_EQ(PageWidget(2)->geometry(), QRect(0, 50, 1000, 550));
}

TEST_F(PagesTest, DeadDeviceLeavesSwitchAndPagesAlone) {
    ASSERT_TRUE(Login());
    auto* sw = qobject_cast<vexo::CXPButton*>(AutoWidget(18003));
    display_.answer = 1;  // "turn the analytics off?": yes, so that the switch tries
    sim_.Kill();
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(sw, Qt::LeftButton);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(sw->GetSelected(), 0);
    EXPECT_EQ(VisiblePage(), 0);
    Manager()->ShowPage(1);  // the lock fails, the page is shown all the same
    EXPECT_EQ(VisiblePage(), 1);
}

TEST_F(PagesTest, StockEventsUseTheHostsEncoding) {
    std::vector<std::array<int, 4>> downs;
    std::vector<std::array<int, 2>> keys;
    QObject::connect(control_.get(), &CVexoSmartOcxCtrl::MouseDown,
                     [&](int b, int s, int x, int y) {
                         downs.push_back({b, s, x, y});
                     });
    QObject::connect(control_.get(), &CVexoSmartOcxCtrl::KeyDown, [&](int code, int s) {
        keys.push_back({code, s});
    });
    QTest::mouseClick(control_.get(), Qt::RightButton, Qt::ControlModifier, QPoint(30, 40));
    QTest::keyClick(control_.get(), Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(control_.get(), Qt::Key_F2, Qt::AltModifier);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], (std::array<int, 4>{2, 2, 30, 40}));
    // The modifier keys themselves come as key-downs too (0x10 shift, 0x12 alt).
    using Key = std::array<int, 2>;
    EXPECT_EQ(keys, (std::vector<Key>{{0x10, 1}, {0x41, 1}, {0x12, 4}, {0x71, 4}}));
    // On the pages, clicks belong to the pages.
    ASSERT_TRUE(Login());
    QTest::mouseClick(PageWidget(0), Qt::LeftButton, Qt::NoModifier, QPoint(500, 500));
    EXPECT_EQ(downs.size(), 1u);
}
