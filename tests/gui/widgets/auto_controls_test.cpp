// Auto-generated controls: ownership, pictures by number, and the path of
// every notification kind to the owning page. Identifier windows, combo raw
// values and spin lists are seen through the engine's panels
// (tests/gui/engine) and the host scripts, the pad wedges' shapes by
// image_catalog_test.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <tuple>
#include <vector>

#include "auto_controls.h"
#include "auto_notification.h"
#include "image_catalog.h"

using namespace vexo;

namespace {

// A page that records what reaches it. With `handles` false it declines, so
// the notification climbs on to its own owner.
class RecordingPage : public QWidget, public AutoCommandTarget {
public:
    explicit RecordingPage(QWidget* parent = nullptr, bool handles = true)
        : QWidget(parent), m_handles(handles) {
        resize(600, 400);
    }
    bool OnAutoNotify(const AutoNotification& n) override {
        received.push_back(n);
        return m_handles;
    }
    std::vector<AutoNotification> received;

private:
    bool m_handles;
};

}  // namespace

TEST(AutoControls, LifecycleWithAndWithoutAWidget) {
    {
        CAutoBtnPush box;  // never created: every call is harmless
        CAutoComboBox combo;
        CAutoListBox list;
        CAutoXpBtn xp;
        EXPECT_EQ(box.Id(), -1);
        EXPECT_EQ(box.ShowWithPanel(), 1);
        EXPECT_EQ(box.GetCheck(), 0);
        EXPECT_EQ(combo.AddString("a"), -1);
        EXPECT_EQ(list.GetCount(), 0);
        xp.SetImages(541, 542);
        box.Show(0);
    }
    CAutoEdit orphan;
    EXPECT_EQ(orphan.Create(13000, nullptr, QRect(0, 0, 10, 10)), 0);
    EXPECT_EQ(orphan.Control(), nullptr);

    auto page = std::make_unique<QWidget>();
    CAutoEdit full;  // a full window of identifiers gives -1: kept, never found
    ASSERT_EQ(full.Create(-1, page.get(), QRect(0, 0, 10, 10)), 1);
    EXPECT_LT(full.Offset(), 0);
    QPointer<QSlider> widget;
    {
        CAutoSliderCtrl slider;
        slider.Create(19002, page.get(), QRect(0, 0, 100, 20));
        widget = slider.Control();
        slider.Show(0);
        EXPECT_EQ(slider.Visible(), 0);
        EXPECT_FALSE(widget->isVisibleTo(page.get()));
    }
    EXPECT_TRUE(widget.isNull()) << "the owner takes its widget along";
    page.reset();  // the page goes first and takes the widget with it
    EXPECT_EQ(full.Control(), nullptr);
}

TEST(AutoControls, ImageButtonsLoadPicturesByNumber) {
    QWidget page;
    CAutoXpBtn xp;
    xp.Create(18005, &page, QRect(0, 0, 150, 36), kAutoStyleNone, "Save");
    xp.SetImages(541, 542);
    EXPECT_EQ(xp.Control()->NormalImage().deviceIndependentSize().toSize(), ImageSizeById(541));
    EXPECT_FALSE(xp.Control()->SelectedImage().isNull());
    EXPECT_EQ(xp.Control()->text(), QStringLiteral("Save"));

    CAutoBitmapBtn pen;
    pen.Create(11000, &page, QRect(0, 40, 32, 32));
    pen.LoadBitmaps(552, 568, 569, 555);
    EXPECT_EQ(pen.BitmapSize(), QSize(32, 32));
}

struct AutoNotificationTest : ::testing::Test {
    RecordingPage page;
    QWidget* container = new QWidget(&page);  // controls sit one level below the page
    AutoNotificationTest() {
        container->setGeometry(0, 0, 600, 400);
        page.show();
    }
    AutoNotification Last() const {
        return page.received.empty() ? AutoNotification{} : page.received.back();
    }
    // The last notification as (identifier, kind, spin step).
    std::tuple<int, AutoNotify, int> Seen() const { return {Last().id, Last().code, Last().delta}; }
};

// Check boxes, XP and bitmap buttons report their clicks to the pages in
// every host script (smart_editors.js: Save, the action and Batch Settings
// boxes; smart_rule_path.js: the wire's drawing button). The PNG button,
// whose pad wedges the scene page reads through a filter instead, here.
TEST_F(AutoNotificationTest, APngButtonReportsClickedWithItsIdentifier) {
    CAutoPngBtn png;
    png.Create(21002, container, QRect(0, 70, 40, 40));
    QTest::mouseClick(png.Control(), Qt::LeftButton);
    ASSERT_EQ(page.received.size(), 1u);
    EXPECT_EQ(Seen(), std::tuple(21002, AutoNotify::Clicked, 0));
}

TEST_F(AutoNotificationTest, ComboReportsOperatorSelectionAndTypingButNotCodeSelection) {
    CAutoComboBox list;
    list.Create(12007, container, QRect(0, 0, 120, 24));
    list.AddString("a");
    list.AddString("b");
    list.SetCurSel(0);
    EXPECT_TRUE(page.received.empty());
    list.Control()->setFocus();
    QTest::keyClick(list.Control(), Qt::Key_Down);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(Seen(), std::tuple(12007, AutoNotify::SelChange, 0));

    CAutoComboBox editable;
    editable.Create(12008, container, QRect(0, 30, 120, 24), kAutoStyleDropDown, "5");
    ASSERT_NE(editable.Control()->lineEdit(), nullptr);
    QTest::keyClicks(editable.Control()->lineEdit(), "7");
    EXPECT_EQ(Seen(), std::tuple(12008, AutoNotify::EditChange, 0));
}

TEST_F(AutoNotificationTest, EditAndSpinReportTheirKindsAndTheBuddyArrowKeysStep) {
    CAutoEdit edit;
    edit.Create(13002, container, QRect(0, 0, 100, 20));
    QTest::keyClicks(edit.Control(), "4");
    EXPECT_EQ(Seen(), std::tuple(13002, AutoNotify::Change, 0));

    CAutoSpinBtnCtrl spin;
    spin.Create(14002, container, QRect(110, 0, 16, 20));
    spin.SetBuddy(&edit);
    QTest::mouseClick(spin.Control()->UpArrow(), Qt::LeftButton);
    EXPECT_EQ(Seen(), std::tuple(14002, AutoNotify::DeltaPos, 1));
    QTest::mouseClick(spin.Control()->DownArrow(), Qt::LeftButton);
    EXPECT_EQ(Seen(), std::tuple(14002, AutoNotify::DeltaPos, -1));

    // The arrow keys of the edit beside the arrows step as the arrows do.
    edit.Control()->setFocus();
    const size_t before = page.received.size();
    QTest::keyClick(edit.Control(), Qt::Key_Up);
    ASSERT_EQ(page.received.size(), before + 1);
    EXPECT_EQ(Seen(), std::tuple(14002, AutoNotify::DeltaPos, 1));
    QTest::keyClick(edit.Control(), Qt::Key_Down);
    EXPECT_EQ(Seen(), std::tuple(14002, AutoNotify::DeltaPos, -1));
    EXPECT_EQ(edit.GetWindowText(), QStringLiteral("4")) << "the keys only step";
}

// The engine hears of every value the operator gives the slider, however it
// was given, and of none that code sets.
TEST_F(AutoNotificationTest, SliderReportsEveryOperatorChangeOnce) {
    CAutoSliderCtrl slider;
    slider.Create(19002, container, QRect(0, 40, 200, 20));
    slider.SetRange(0, 100);
    slider.SetPos(30);
    EXPECT_TRUE(page.received.empty()) << "moved by code";
    QSlider* widget = slider.Control();
    auto notifications = [&] { return page.received.size(); };

    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Right);
    EXPECT_EQ(slider.GetPos(), 31);
    ASSERT_EQ(notifications(), 1u);
    EXPECT_EQ(Seen(), std::tuple(19002, AutoNotify::ReleasedCapture, 0));
    QTest::keyClick(widget, Qt::Key_End);
    QTest::keyClick(widget, Qt::Key_End);  // already there: nothing changes
    EXPECT_EQ(slider.GetPos(), 100);
    EXPECT_EQ(notifications(), 2u);

    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));  // groove
    EXPECT_LT(slider.GetPos(), 100);
    EXPECT_EQ(notifications(), 3u);

    widget->setSliderDown(true);
    widget->setSliderPosition(60);  // a thumb drag reports once, at the end
    widget->setSliderDown(false);
    EXPECT_EQ(notifications(), 4u);
    slider.SetPos(10);
    EXPECT_EQ(notifications(), 4u) << "code after the operator: still silent";
}

TEST_F(AutoNotificationTest, OnlyTheBitmapFormOfAStaticReportsClicks) {
    CAutoStatic text;
    text.Create(15001, container, QRect(0, 0, 100, 20), kAutoStyleNone, "label");
    QTest::mouseClick(text.Control(), Qt::LeftButton);
    EXPECT_TRUE(page.received.empty());
    CAutoStatic picture;
    picture.Create(15030, container, QRect(0, 30, 100, 60), kAutoStyleBitmapNotify);
    picture.SetBitmap(685);
    EXPECT_EQ(picture.BitmapSize(), ImageSizeById(685));
    QTest::mouseClick(picture.Control(), Qt::LeftButton);
    EXPECT_EQ(Seen(), std::tuple(15030, AutoNotify::Clicked, 0));
}

TEST(AutoNotificationRouting, DeclinedNotificationsClimbToTheNextTarget) {
    RecordingPage outer;
    auto* inner = new RecordingPage(&outer, /*handles=*/false);
    CAutoXpBtn xp;
    xp.Create(18010, inner, QRect(0, 0, 80, 30));
    outer.show();
    QTest::mouseClick(xp.Control(), Qt::LeftButton);
    ASSERT_EQ(inner->received.size(), 1u);
    ASSERT_EQ(outer.received.size(), 1u);
    EXPECT_EQ(outer.received[0].id, 18010);
}
