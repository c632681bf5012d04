// A panel's drawing rows on the overlay: each drawing button's tool draws
// its row's new shape, and CollectValues saves what the video shows, in
// device form. The device's side of it is the host scripts' (smart_draw_*).

#include "panel_fixture.h"
#include "qstring_print.h"
#include "recording_message_display.h"
#include "row_geometry_text.h"

namespace vexo::test {
namespace {

const QRect kView(0, 0, 704, 576);

class EngineDrawing : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        overlay_.SetVideoRect(kView);
    }
    // The `skip`-th drawing button of a row (a region row has a pen, then a
    // rectangle).
    void ClickTool(const QString& name, int skip = 0) {
        const CAutoBitmapBtn* button = Named(engine_.DrawingButtons(), name, skip);
        ASSERT_NE(button, nullptr) << name.toStdString();
        engine_.OnDrawingButtonClicked(button->Offset());
    }
    void Click(int x, int y) {
        overlay_.OnButtonDown(1, {x, y}, kView);
        overlay_.OnButtonUp(0, {x, y}, kView);
    }
    ObjectValueText Collected(const QString& name) {
        ParamRecord record;
        std::map<QString, ObjectValueText> objects;
        engine_.CollectValues(record, objects);
        return objects[name];
    }
    static std::vector<PointF> Square() {
        return {{-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}, {-0.5f, -0.5f}};
    }
};

// The region row's rectangle button draws a region of four corners.
TEST_F(EngineDrawing, TheRectangleButtonOfARegionRowDrawsFourCorners) {
    Param("Region", "UI_Static_And_PenBmpBtn_RectBmpBtn");
    record_.objectParams["Region"].polygons = {Square()};
    Build();
    ClickTool("Region", 1);
    overlay_.OnButtonDown(1, {528, 432}, kView);
    overlay_.OnMouseMove(1, {300, 300}, kView);
    overlay_.OnButtonUp(0, {352, 288}, kView);
    EXPECT_EQ(Collected("Region").geometry,
              QStringLiteral("4|(0.000000,0.000000),(0.000000,-0.500000),(0.500000,-0.500000),"
                             "(0.500000,0.000000)"));
}

// A save in the middle of a drawing closes what can be closed.
TEST_F(EngineDrawing, ASaveClosesARegionInProgress) {
    Param("Region", "UI_Static_And_PenBmpBtn_AllShow");
    record_.objectParams["Region"].polygons = {Square()};
    Build();
    ClickTool("Region");
    Click(176, 144);
    Click(528, 144);
    Click(352, 432);
    EXPECT_EQ(Collected("Region").geometry,
              QStringLiteral("3|(-0.500000,0.500000),(0.500000,0.500000),(0.000000,-0.500000)"));
    EXPECT_FALSE(overlay_.ToolDrawing());
}

// An untouched shape saves the device's own text, even where pixels could
// not hold its values; a line row (kind 20) is drawn as a line. (Redrawing
// it by two clicks is smart_draw_calibration.js's horizon line.)
TEST_F(EngineDrawing, AnUntouchedShapeKeepsTheDeviceTextAndALineRowIsDrawn) {
    Param("Horizon", "UI_LINE");
    record_.objectParams["Horizon"].polygons = {{{-0.9f, 0.30001f}, {0.9f, 0.30001f}}};
    Build();
    ASSERT_NE(overlay_.Line("Horizon"), nullptr);
    EXPECT_EQ(Collected("Horizon").geometry,
              QStringLiteral("2|(-0.900000, 0.300010),(0.900000,0.300010)"));
}

// The wire's arrows show what the direction combo picks. (A click on an
// arrow turning the rule's direction, and no end, is smart_draw_shapes.js's,
// read back from the device.)
TEST_F(EngineDrawing, AWiresArrowsFollowItsDirection) {
    Param("Wire", "UI_WIRE_AllShow_OneSolid");
    Param("Direction", "UI_Static_And_ComboBoxUnEdit");
    record_.objectParams["Wire"].polygons = {{{-0.5f, 0.0f}, {0.5f, 0.0f}}};
    record_.plainParams["Direction"] = "AtoB";
    ranges_["Direction"].rangeMap = {{"0", "AtoB"}, {"1", "BtoA"}, {"2", "BothWays"}};
    Build();
    const LineRecord* wire = overlay_.Line("Wire");
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(std::tuple(wire->arrowAVisible, wire->arrowBVisible), std::tuple(1, 0));

    CAutoComboBox* combo = Named(engine_.ComboBoxes(), "Direction");
    combo->SetCurSel(2);
    engine_.OnComboSelChange(combo->Offset());
    EXPECT_EQ(std::tuple(wire->arrowAVisible, wire->arrowBVisible), std::tuple(1, 1));
}

// A region of more points than the overlay holds is drawn whole and saved
// as the device holds it; its tool says once that drawing reduces it.
TEST_F(EngineDrawing, AShapeOfTooManyPointsIsShownWholeAndTheToolWarnsOnce) {
    RecordingMessageDisplay messages;
    SetMessageDisplay(&messages);
    Param("Region", "UI_Static_And_PenBmpBtn_RectBmpBtn");
    std::vector<PointF> ten;
    for (int i = 0; i < 10; ++i) {
        ten.push_back({-0.9f + 0.2f * i, i % 2 == 0 ? 0.5f : 0.2f});
    }
    record_.objectParams["Region"].polygons = {ten};
    Build();
    ASSERT_NE(overlay_.Outline("Region"), nullptr);
    EXPECT_EQ(overlay_.Outline("Region")->size(), 10u);
    const QString device = Collected("Region").geometry;
    EXPECT_TRUE(device.startsWith("10|")) << device.toStdString();

    ClickTool("Region");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("10")) << messages.shown[0].text.toStdString();
    ClickTool("Region");
    ClickTool("Region");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Collected("Region").geometry, device) << "nothing drawn yet";
    SetMessageDisplay(nullptr);
}

}  // namespace
}  // namespace vexo::test
