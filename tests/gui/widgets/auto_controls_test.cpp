// Auto-generated controls: identifier ranges and offsets, ownership, and the
// path of every notification kind to the owning page.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <set>
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

TEST(AutoIds, ClassNumbersMapToTheirBases) {
    const std::vector<std::pair<int, int>> table = {
        {0, 10000}, {1, 16000}, {2, 17000}, {3, 18000}, {4, 21000},  {5, 11000},
        {6, 12000}, {7, 13000}, {8, 14000}, {9, 15000}, {10, 19000}, {11, 20000}};
    for (const auto& [number, base] : table) {
        EXPECT_EQ(AutoIdBase(number), base) << "class " << number;
    }
    EXPECT_EQ(AutoIdBase(-1), 0);
    EXPECT_EQ(AutoIdBase(12), 0);
}

TEST(AutoIds, EveryBaseCarriesANoteNamingItsClass) {
    for (int number = 0; number < kAutoClassCount; ++number) {
        const int base = AutoIdBase(number);
        ASSERT_NE(AutoRangeNote(base), nullptr) << base;
        EXPECT_TRUE(QString::fromLatin1(AutoRangeNote(base)).contains(QString::number(base)));
        EXPECT_EQ(AutoRangeNote(base + 1), nullptr);
    }
    EXPECT_TRUE(QString::fromLatin1(AutoRangeNote(12000)).startsWith("CAutoComboBox"));
}

TEST(AutoIds, NoTwoClassesShareAnIdentifier) {
    std::set<int> seen;
    for (int number = 0; number < kAutoClassCount; ++number) {
        for (int offset = 0; offset <= MAX_AUTO_COMPONENT_NUM_PER_CLASS; ++offset) {
            EXPECT_TRUE(seen.insert(AutoIdBase(number) + offset).second);
        }
    }
    for (int id = 17000; id <= 17799; ++id) {
        ASSERT_EQ(AutoClassOfId(id), kAutoCheckBoxClass) << id;
    }
    EXPECT_EQ(AutoClassOfId(17800), -1);
    EXPECT_EQ(AutoClassOfId(16799), kAutoRadioButtonClass);
    EXPECT_EQ(AutoClassOfId(16800), -1);
    EXPECT_EQ(AutoClassOfId(9999), -1);
    EXPECT_EQ(AutoOffsetOfId(-1), -1);
}

TEST(AutoControls, OffsetIsIdentifierMinusClassBase) {
    QWidget page;
    CAutoComboBox combo;
    ASSERT_EQ(combo.Create(12101, &page, QRect(0, 0, 100, 24)), 1);
    EXPECT_EQ(combo.Offset(), 101);
    CAutoStatic label;
    ASSERT_EQ(label.Create(15100, &page, QRect(0, 30, 100, 20), kAutoStyleNone, "x"), 1);
    EXPECT_EQ(label.Offset(), 100);
    EXPECT_EQ(AutoOffsetOfId(12101), 101);
    EXPECT_EQ(AutoOffsetOfId(15100), 100);
    EXPECT_EQ(combo.Control()->geometry(), QRect(0, 0, 100, 24));
    EXPECT_TRUE(combo.Control()->isVisibleTo(&page));
}

TEST(AutoControls, OwnersThatNeverCreatedOrLostTheirWidgetDieQuietly) {
    {
        CAutoBtnPush box;
        CAutoXpBtn xp;
        CAutoPngBtn png;
        CAutoBitmapBtn bitmap;
        CAutoComboBox combo;
        CAutoEdit edit;
        CAutoSpinBtnCtrl spin;
        CAutoStatic label;
        CAutoSliderCtrl slider;
        CAutoListBox list;
        EXPECT_EQ(box.Id(), -1);
        EXPECT_EQ(box.Control(), nullptr);
        EXPECT_EQ(box.ShowWithPanel(), 1);
        EXPECT_EQ(box.GetCheck(), 0);
        EXPECT_EQ(combo.AddString("a"), -1);
        EXPECT_EQ(list.GetCount(), 0);
        xp.SetImages(541, 542);
        label.Show(0);
    }
    // The page window goes first and takes the widget with it.
    auto page = std::make_unique<QWidget>();
    CAutoEdit edit;
    ASSERT_EQ(edit.Create(13001, page.get(), QRect(0, 0, 50, 20)), 1);
    page.reset();
    EXPECT_EQ(edit.Control(), nullptr);
}

TEST(AutoControls, CreationWithoutParentFailsAndFullWindowIdStaysUnfindable) {
    CAutoEdit orphan;
    EXPECT_EQ(orphan.Create(13000, nullptr, QRect(0, 0, 10, 10)), 0);
    EXPECT_EQ(orphan.Control(), nullptr);

    QWidget page;
    CAutoEdit full;
    ASSERT_EQ(full.Create(-1, &page, QRect(0, 0, 10, 10)), 1);
    EXPECT_EQ(full.Id(), -1);
    EXPECT_LT(full.Offset(), 0);
}

TEST(AutoControls, ShowRecordsTheStateAndDestructorRemovesTheWidget) {
    QWidget page;
    QPointer<QSlider> widget;
    {
        CAutoSliderCtrl slider;
        slider.Create(19002, &page, QRect(0, 0, 100, 20));
        widget = slider.Control();
        slider.Show(0);
        EXPECT_EQ(slider.Visible(), 0);
        EXPECT_FALSE(widget->isVisibleTo(&page));
        slider.Show(1);
        EXPECT_EQ(slider.Visible(), 1);
        EXPECT_TRUE(widget->isVisibleTo(&page));
    }
    EXPECT_TRUE(widget.isNull());
}

TEST(AutoControls, ComboKeepsRawValuesAndSpinWalksItsList) {
    QWidget page;
    CAutoComboBox combo;
    combo.Create(12000, &page, QRect(0, 0, 100, 24));
    combo.AddString(QStringLiteral("High"), QStringLiteral("3"));
    combo.AddString(QStringLiteral("Low"), QStringLiteral("1"));
    combo.SetCurSel(1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.RawValue(combo.GetCurSel()), QStringLiteral("1"));
    EXPECT_TRUE(combo.RawValue(5).isEmpty());

    CAutoSpinBtnCtrl spin;
    spin.SetValues({0, 5, 10});
    spin.SetPos(1);
    EXPECT_EQ(spin.StepBy(5), 2);
    EXPECT_EQ(spin.StepBy(-7), 0);
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

    // A pad wedge: the middle of the pad is not part of any wedge.
    CAutoPngBtn up;
    up.Create(21000, &page, QRect(200, 0, 160, 160));
    up.SetImages(700, 710);
    up.SetMask(720, qRgb(255, 0, 255));
    EXPECT_FALSE(up.Control()->ShapeRegion().contains(QPoint(80, 80)));
    EXPECT_TRUE(up.Control()->ShapeRegion().contains(QPoint(80, 30)));
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
};

TEST_F(AutoNotificationTest, ButtonsReportClickedWithTheirIdentifier) {
    CAutoBtnPush box;
    box.Create(17003, container, QRect(0, 0, 100, 20), kAutoStyleNone, "box");
    CAutoXpBtn xp;
    xp.Create(18391, container, QRect(0, 30, 100, 30), kAutoStyleNone, "xp");
    CAutoPngBtn png;
    png.Create(21002, container, QRect(0, 70, 40, 40));
    CAutoBitmapBtn bitmap;
    bitmap.Create(11004, container, QRect(0, 120, 32, 32));

    QTest::mouseClick(box.Control(), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(box.GetCheck(), 1);
    QTest::mouseClick(xp.Control(), Qt::LeftButton);
    QTest::mouseClick(png.Control(), Qt::LeftButton);
    QTest::mouseClick(bitmap.Control(), Qt::LeftButton);
    ASSERT_EQ(page.received.size(), 4u);
    const int ids[] = {17003, 18391, 21002, 11004};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(page.received[i].id, ids[i]);
        EXPECT_EQ(page.received[i].code, AutoNotify::Clicked);
    }
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
    EXPECT_EQ(Last().id, 12007);
    EXPECT_EQ(Last().code, AutoNotify::SelChange);

    CAutoComboBox editable;
    editable.Create(12008, container, QRect(0, 30, 120, 24), kAutoStyleDropDown, "5");
    ASSERT_NE(editable.Control()->lineEdit(), nullptr);
    QTest::keyClicks(editable.Control()->lineEdit(), "7");
    EXPECT_EQ(Last().id, 12008);
    EXPECT_EQ(Last().code, AutoNotify::EditChange);
}

TEST_F(AutoNotificationTest, EditSpinAndSliderReportTheirKinds) {
    CAutoEdit edit;
    edit.Create(13002, container, QRect(0, 0, 100, 20));
    QTest::keyClicks(edit.Control(), "4");
    EXPECT_EQ(Last().id, 13002);
    EXPECT_EQ(Last().code, AutoNotify::Change);

    CAutoSpinBtnCtrl spin;
    spin.Create(14002, container, QRect(110, 0, 16, 20));
    QTest::mouseClick(spin.Control()->UpArrow(), Qt::LeftButton);
    EXPECT_EQ(Last().id, 14002);
    EXPECT_EQ(Last().code, AutoNotify::DeltaPos);
    EXPECT_EQ(Last().delta, 1);
    QTest::mouseClick(spin.Control()->DownArrow(), Qt::LeftButton);
    EXPECT_EQ(Last().delta, -1);

    CAutoSliderCtrl slider;
    slider.Create(19002, container, QRect(0, 40, 200, 20));
    slider.SetRange(0, 100);
    const size_t before = page.received.size();
    slider.SetPos(30);  // moved by code: no notification
    EXPECT_EQ(page.received.size(), before);
    slider.Control()->setSliderDown(true);
    slider.Control()->setSliderDown(false);  // the operator lets go of the thumb
    EXPECT_EQ(Last().id, 19002);
    EXPECT_EQ(Last().code, AutoNotify::ReleasedCapture);
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
    EXPECT_EQ(Last().id, 15030);
    EXPECT_EQ(Last().code, AutoNotify::Clicked);
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
