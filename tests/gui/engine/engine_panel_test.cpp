// The parameter engine seen through the panels it builds: layout, links,
// PTZ limit groups, spins and the button row. Identifier windows are the
// hostile panel's and the host scripts' (which address rows by them); an
// untouched panel reading back what the device holds is the round trip's
// (tests/integration/uidesc), a shape moved on the video smart_rule_path.js's.

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
    const CAutoEdit* last = Named(engine_.Edits(), QStringLiteral("P14"));
    const CAutoEdit* moved = Named(engine_.Edits(), QStringLiteral("P15"));
    ASSERT_TRUE(last && moved);
    EXPECT_EQ(last->Rect().topLeft(), QPoint(10 + 280, 10 + 14 * 36));
    EXPECT_EQ(moved->Rect().topLeft(), QPoint(10 + 500 + 280, 10));
    const CAutoStatic* label = Named(engine_.Statics(), QStringLiteral("P15"));
    EXPECT_EQ(label->Rect().left(), 10 + 500 + 25);  // after the label's check box
}

// A control made hidden stays hidden when the panel is shown.
TEST_F(EngineLayout, HiddenRowTypesStayHiddenWhenThePanelIsShown) {
    Param(QStringLiteral("Hidden"), "UI_Static_And_RectBmpBtn_VideoShow");
    Build();
    engine_.ShowAll(true);
    EXPECT_EQ(Named(engine_.DrawingButtons(), QStringLiteral("Hidden"))->Visible(), 0);
    EXPECT_EQ(Named(engine_.Statics(), QStringLiteral("Hidden"))->Visible(), 0);
}

using EngineLinks = PanelFixture;

TEST_F(EngineLinks, LinkedRowShownOnlyWhileTheComboHoldsItsValue) {
    Param(QStringLiteral("AlarmMode"), "UI_Static_And_ComboBoxUnEdit");
    Param(QStringLiteral("Delay"), "UI_Static_And_Edit_Spin");
    record_.plainParams[QStringLiteral("AlarmMode")] = QStringLiteral("Immediate");
    ranges_[QStringLiteral("AlarmMode")].rangeMap = {
        {QStringLiteral("0"), QStringLiteral("Immediate")},
        {QStringLiteral("1"), QStringLiteral("Delayed")}};
    links_ = {{QStringLiteral("Delay"), {QStringLiteral("AlarmMode"), QStringLiteral("Delayed")}}};
    Build();
    engine_.ShowAll(true);
    CAutoComboBox* combo = Named(engine_.ComboBoxes(), QStringLiteral("AlarmMode"));
    const CAutoEdit* delay = Named(engine_.Edits(), QStringLiteral("Delay"));
    const CAutoStatic* label = Named(engine_.Statics(), QStringLiteral("Delay"));
    ASSERT_TRUE(combo && delay && label);
    EXPECT_EQ(delay->Visible(), 0);
    EXPECT_EQ(label->Visible(), 0);

    combo->SetCurSel(1);
    engine_.OnComboSelChange(combo->Offset());
    EXPECT_EQ(delay->Visible(), 1);
    EXPECT_EQ(label->Visible(), 1);
    combo->SetCurSel(0);
    engine_.OnComboSelChange(combo->Offset());
    EXPECT_EQ(delay->Visible(), 0);
}

using EnginePtz = PanelFixture;

TEST_F(EnginePtz, LimitGroupsAreNumberedAgainstTheLimitNumber) {
    Param(QStringLiteral("LimitNumber"), "UI_PTZ_NUMBER");
    Param(QStringLiteral("LeftLimit"), "UI_PTZ_LIMIT");
    Param(QStringLiteral("RightLimit"), "UI_PTZ_LIMIT");
    Param(QStringLiteral("UpLimit"), "UI_PTZ_LIMIT");
    Param(QStringLiteral("DomePosition"), "UI_PTZ_LIMIT");
    Param(QStringLiteral("DomePosition"), "UI_PTZ_LIMIT");
    record_.plainParams[QStringLiteral("LimitNumber")] = QStringLiteral("1");
    Build();
    EXPECT_EQ(engine_.PtzLimitMarks(), (std::vector<QString>{"1", "0", "0", "0", "0"}));
    // Three groups to a line, 120 apart; the group counted as the limit
    // number has its box checked.
    const CAutoBitmapBtn* up = Named(engine_.DrawingButtons(), QStringLiteral("UpLimit"));
    const CAutoBitmapBtn* dome = Named(engine_.DrawingButtons(), QStringLiteral("DomePosition"));
    EXPECT_EQ(up->Rect().left(), 10 + 240);
    EXPECT_EQ(dome->Rect().left(), 10);
    EXPECT_GT(dome->Rect().top(), up->Rect().top());
    EXPECT_EQ(Named(engine_.CheckBoxes(), QStringLiteral("RightLimit"))->GetCheck(), 1);
    EXPECT_EQ(Named(engine_.CheckBoxes(), QStringLiteral("LeftLimit"))->GetCheck(), 0);

    // A dome position past the limit number cannot be checked.
    CAutoBtnPush* far = Named(engine_.CheckBoxes(), QStringLiteral("DomePosition"), 1);
    far->SetCheck(1);
    engine_.OnCheckBoxClicked(far->Offset());
    EXPECT_EQ(far->GetCheck(), 0);
}

using EngineSpin = PanelFixture;

TEST_F(EngineSpin, SpinWalksItsListAndTheEditShowsTheUnit) {
    Param(QStringLiteral("Hold"), "UI_Static_And_Edit_Spin");
    Param(QStringLiteral("Level"), "UI_Static_And_Edit_Spin_Slider");
    record_.plainParams = {{QStringLiteral("Hold"), QStringLiteral("300")},
                           {QStringLiteral("Level"), QStringLiteral("40")}};
    Range(QStringLiteral("Hold"), QStringLiteral("0"), QStringLiteral("8000"),
          QStringLiteral("xs:duration"));
    Range(QStringLiteral("Level"), QStringLiteral("5"), QStringLiteral("300"));
    Build();
    CAutoSpinBtnCtrl* hold = Named(engine_.Spins(), QStringLiteral("Hold"));
    const CAutoEdit* holdEdit = Named(engine_.Edits(), QStringLiteral("Hold"));
    EXPECT_EQ(holdEdit->GetWindowText(), "300ms");
    engine_.OnSpinDelta(hold->Offset(), 1);
    EXPECT_EQ(holdEdit->GetWindowText(), "400ms");
    EXPECT_EQ(engine_.ReadValue(QStringLiteral("Hold")), "400");
    engine_.OnSpinDelta(hold->Offset(), -1000);  // stops at the list's first value
    EXPECT_EQ(engine_.ReadValue(QStringLiteral("Hold")), QString::number(hold->Values().front()));

    CAutoSliderCtrl* slider = Named(engine_.Sliders(), QStringLiteral("Level"));
    slider->SetPos(123);
    engine_.OnSliderReleased(slider->Offset());
    EXPECT_EQ(engine_.ReadValue(QStringLiteral("Level")), "123");
    EXPECT_EQ(Named(engine_.Spins(), QStringLiteral("Level"))->GetPos(), 123 - 5);
}

using EngineValues = PanelFixture;

// A combo holding a value its range does not list reads it back untouched;
// the button's attribute flips when it is pressed. Both go out with the
// panel's values.
TEST_F(EngineValues, AnOutOfRangeComboKeepsItsValueAndTheButtonFlips) {
    Param(QStringLiteral("Mode"), "UI_Static_And_ComboBoxUnEdit");
    Param(QStringLiteral("Clear"), "UI_XpBtn");
    record_.plainParams[QStringLiteral("Mode")] = QStringLiteral("NotInRange");
    record_.objectParams[QStringLiteral("Clear")].attributes[QStringLiteral("clicked")] =
        QStringLiteral("false");
    Build();
    engine_.OnXpButtonClicked(Named(engine_.XpButtons(), QStringLiteral("Clear"))->Offset());
    ParamRecord collected;
    std::map<QString, ObjectValueText> objects;
    engine_.CollectValues(collected, objects);
    EXPECT_EQ(collected.plainParams[QStringLiteral("Mode")], "NotInRange");
    EXPECT_EQ(objects[QStringLiteral("Clear")].attributes,
              (std::vector<std::pair<QString, QString>>{{"clicked", "true"}}));
}

}  // namespace
}  // namespace vexo::test
