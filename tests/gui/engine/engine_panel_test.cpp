// The parameter engine seen through the panels it builds: layout, PTZ limit
// groups, spins and the button row. Identifier windows are the hostile
// panel's and the host scripts' (which address rows by them); an untouched
// panel reading back what the device holds is the round trip's
// (tests/integration/uidesc), a shape moved on the video smart_rule_path.js's.
// A tall panel that scrolls on the real pages is panels_on_pages.js's, rows
// hidden and shown by their links hidden_rows.js's.

#include "panel_fixture.h"

namespace vexo::test {
namespace {

using EngineLayout = PanelFixture;

TEST_F(EngineLayout, RowsMoveToTheSecondColumnNearTheBottom) {
    for (int i = 0; i < 20; ++i) {
        Param(QStringLiteral("P%1").arg(i), "UI_Static_And_Edit");
    }
    Build();
    // Rows start at y = 10 and step 36; y + 60 passes 600 from row 15 on.
    const CAutoEdit* last = Named(engine_.Edits(), "P14");
    const CAutoEdit* moved = Named(engine_.Edits(), "P15");
    ASSERT_TRUE(last && moved);
    EXPECT_EQ(last->Rect().topLeft(), QPoint(10 + 280, 10 + 14 * 36));
    EXPECT_EQ(moved->Rect().topLeft(), QPoint(10 + 500 + 280, 10));
    const CAutoStatic* label = Named(engine_.Statics(), "P15");
    EXPECT_EQ(label->Rect().left(), 10 + 500 + 25);  // after the label's check box
}

// An edit, its spin (25 wide) and its slider stand side by side; so do the
// hours and the minutes of a time.
TEST_F(EngineLayout, SpinsAre25WideAndTheRunAdvancesBy25) {
    Param("Level", "UI_Static_And_Edit_Spin_Slider");
    Param("At", "UI_Static_And_Edit_Spin_time");
    Build();
    const QRect edit = Named(engine_.Edits(), "Level")->Rect();
    const QRect spin = Named(engine_.Spins(), "Level")->Rect();
    EXPECT_EQ(spin, QRect(edit.right() + 1, edit.top(), 25, 20));
    EXPECT_EQ(Named(engine_.Sliders(), "Level")->Rect().left(), spin.right() + 1);
    const QRect hours = Named(engine_.Edits(), "At")->Rect();
    const QRect hourSpin = Named(engine_.Spins(), "At")->Rect();
    EXPECT_EQ(hourSpin, QRect(hours.right() + 1, hours.top(), 25, 20));
    EXPECT_EQ(Named(engine_.Edits(), "At", 1)->Rect().left(), hourSpin.right() + 1);
}

// A control made hidden stays hidden when the panel is shown.
TEST_F(EngineLayout, HiddenRowTypesStayHiddenWhenThePanelIsShown) {
    Param("Hidden", "UI_Static_And_RectBmpBtn_VideoShow");
    Build();
    engine_.ShowAll(true);
    EXPECT_EQ(Named(engine_.DrawingButtons(), "Hidden")->Visible(), 0);
    EXPECT_EQ(Named(engine_.Statics(), "Hidden")->Visible(), 0);
}

using EnginePtz = PanelFixture;

TEST_F(EnginePtz, LimitGroupsAreNumberedAgainstTheLimitNumber) {
    Param("LimitNumber", "UI_PTZ_NUMBER");
    for (const char* name :
         {"LeftLimit", "RightLimit", "UpLimit", "DomePosition", "DomePosition"}) {
        Param(name, "UI_PTZ_LIMIT");
    }
    record_.plainParams["LimitNumber"] = "1";
    Build();
    EXPECT_EQ(engine_.PtzLimitMarks(), (std::vector<QString>{"1", "0", "0", "0", "0"}));
    // Three groups to a line, one cell apart; the group counted as the limit
    // number has its box checked.
    const CAutoBitmapBtn* left = Named(engine_.DrawingButtons(), "LeftLimit");
    const CAutoBitmapBtn* up = Named(engine_.DrawingButtons(), "UpLimit");
    const CAutoBitmapBtn* dome = Named(engine_.DrawingButtons(), "DomePosition");
    const int cell = (up->Rect().left() - left->Rect().left()) / 2;
    EXPECT_GE(cell, 120);
    EXPECT_EQ(left->Rect().left(), 10);
    EXPECT_EQ(dome->Rect().left(), 10);
    // The cells are as wide as the widest caption needs: none is narrowed.
    for (const char* name : {"LeftLimit", "RightLimit", "UpLimit"}) {
        const CAutoBtnPush* box = Named(engine_.CheckBoxes(), name);
        EXPECT_EQ(box->Control()->font().stretch(), engine_.Font().stretch()) << name;
        EXPECT_GE(box->Rect().width(), box->Control()->sizeHint().width()) << name;
    }
    EXPECT_GT(dome->Rect().top(), up->Rect().top());
    EXPECT_EQ(Named(engine_.CheckBoxes(), "RightLimit")->GetCheck(), 1);
    EXPECT_EQ(Named(engine_.CheckBoxes(), "LeftLimit")->GetCheck(), 0);

    // A dome position past the limit number cannot be checked.
    CAutoBtnPush* far = Named(engine_.CheckBoxes(), "DomePosition", 1);
    far->SetCheck(1);
    engine_.OnCheckBoxClicked(far->Offset());
    EXPECT_EQ(far->GetCheck(), 0);
}

using EngineSpin = PanelFixture;

TEST_F(EngineSpin, SpinWalksItsListAndTheEditShowsTheUnit) {
    Param("Hold", "UI_Static_And_Edit_Spin");
    Param("Level", "UI_Static_And_Edit_Spin_Slider");
    record_.plainParams = {{"Hold", "300"}, {"Level", "40"}};
    Range("Hold", "0", "8000", "xs:duration");
    Range("Level", "5", "300");
    Build();
    CAutoSpinBtnCtrl* hold = Named(engine_.Spins(), "Hold");
    const CAutoEdit* holdEdit = Named(engine_.Edits(), "Hold");
    EXPECT_EQ(holdEdit->GetWindowText(), "300ms");
    engine_.OnSpinDelta(hold->Offset(), 1);
    EXPECT_EQ(holdEdit->GetWindowText(), "400ms");
    EXPECT_EQ(engine_.ReadValue("Hold"), "400");
    engine_.OnSpinDelta(hold->Offset(), -1000);  // stops at the list's first value
    EXPECT_EQ(engine_.ReadValue("Hold"), QString::number(hold->Values().front()));

    CAutoSliderCtrl* slider = Named(engine_.Sliders(), "Level");
    slider->SetPos(123);
    engine_.OnSliderReleased(slider->Offset());
    EXPECT_EQ(engine_.ReadValue("Level"), "123");
    EXPECT_EQ(Named(engine_.Spins(), "Level")->GetPos(), 123 - 5);
}

using EngineValues = PanelFixture;

// A combo holding a value its range does not list reads it back untouched;
// the button's attribute flips when it is pressed. Both go out with the
// panel's values.
TEST_F(EngineValues, AnOutOfRangeComboKeepsItsValueAndTheButtonFlips) {
    Param("Mode", "UI_Static_And_ComboBoxUnEdit");
    Param("Clear", "UI_XpBtn");
    record_.plainParams["Mode"] = "NotInRange";
    record_.objectParams["Clear"].attributes["clicked"] = "false";
    Build();
    engine_.OnXpButtonClicked(Named(engine_.XpButtons(), "Clear")->Offset());
    ParamRecord collected;
    std::map<QString, ObjectValueText> objects;
    engine_.CollectValues(collected, objects);
    EXPECT_EQ(collected.plainParams["Mode"], "NotInRange");
    EXPECT_EQ(objects["Clear"].attributes,
              (std::vector<std::pair<QString, QString>>{{"clicked", "true"}}));
}

}  // namespace
}  // namespace vexo::test
