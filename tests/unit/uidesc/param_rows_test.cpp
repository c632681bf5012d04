// Parameter rows: the rows built from a parameter list and a device record,
// and the way an edited text becomes an object value. The PTZ limit rows are
// the engine panel's (tests/gui/engine); the geometry texts written for the
// rows are read back by the round trip of every panel (tests/integration).

#include <gtest/gtest.h>

#include "panel_metrics.h"
#include "row_geometry_text.h"
#include "row_sources.h"

namespace vexo {
namespace {

class RowsFixture : public ::testing::Test, protected test::RowSources {
protected:
    ParamRows Build() {
        RowInputs in;
        in.displayText = [](const QString& id) {
            return id == u"Low" ? QStringLiteral("low!") : id;
        };
        in.wireMarginText = QStringLiteral("wire margin");
        in.pixelText = QStringLiteral("pixel");
        return Rows(in);
    }
};

TEST_F(RowsFixture, PlainValuesBecomeTheItemsTheEngineShows) {
    record_.funName = QStringLiteral("zelk:Intrusion_Event");
    Param("Off", "UI_Static_And_PushBtn");
    Param("Unset", "UI_Static_And_PushBtn");
    Param("Early", "UI_Static_And_Edit_Spin_time");
    Param("Late", "UI_Static_And_Edit_Spin_time");
    Param("Mode", "UI_Static_And_ComboBoxUnEdit");
    Param("Mystery", "UI_No_Such_Row");
    record_.plainParams = {{QStringLiteral("Off"), QStringLiteral("false")},
                           {QStringLiteral("Early"), QStringLiteral("125")},
                           {QStringLiteral("Late"), QStringLiteral("1439")},
                           {QStringLiteral("Mode"), QStringLiteral("Low")}};
    ranges_[QStringLiteral("Mode")].rangeMap = {{QStringLiteral("a"), QStringLiteral("Low")},
                                                {QStringLiteral("b"), QStringLiteral("High")}};
    const ParamRows rows = Build();

    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].value.items, QStringList{"0"});
    EXPECT_EQ(rows[1].value.items, QStringList{"1"});
    EXPECT_EQ(rows[2].value.items, (QStringList{"2", "0", "23", "5", "0", "59"}));
    EXPECT_EQ(rows[3].value.items, (QStringList{"23", "0", "23", "59", "0", "59"}));
    EXPECT_EQ(rows[4].value.items, (QStringList{"low!", "low!|Low", "High|High"}));
    // An unknown row type keeps its place, inert.
    EXPECT_EQ(rows[5].label.kind, kControlNone);
    EXPECT_EQ(rows[5].value.kind, kControlNone);
    // Every parameter costs one range request, whatever its type.
    EXPECT_EQ(rangeAsked_.size(), 6);
    EXPECT_EQ(rows[0].label.owner, record_.funName);
    EXPECT_EQ(rows[0].label.advance, kLabelAdvance);
}

TEST_F(RowsFixture, OnlyTheFirstLinkOfAParameterCounts) {
    Param("Delay", "UI_Static_And_Edit_Spin");
    links_ = {{QStringLiteral("Delay"), {QStringLiteral("Mode"), QStringLiteral("Delayed")}},
              {QStringLiteral("Delay"), {QStringLiteral("Other"), QStringLiteral("x")}}};
    const ParamRows rows = Build();
    ASSERT_EQ(rows.size(), 1u);
    for (const ControlSpec* spec : {&rows[0].label, &rows[0].value}) {
        EXPECT_EQ(spec->linked, 1);
        ASSERT_EQ(spec->links.size(), 1);
        EXPECT_EQ(spec->links[0].linkName, "Mode");
        EXPECT_EQ(spec->links[0].linkValue, "Delayed");
    }
}

TEST_F(RowsFixture, EveryWireGetsAButtonAndAMarginRow) {
    Param("Plain", "UI_WIRE");
    Param("Solid", "UI_WIRE_AllShow_AllSolid");
    Param("One", "UI_WIRE_AllShow_OneSolid");
    ParamValue wire;
    wire.polygons = {{{0.f, -0.3f}, {0.f, 0.3f}}};
    wire.attributes[QStringLiteral("Margin")] = QStringLiteral("12");
    record_.objectParams[QStringLiteral("Plain")] = wire;
    const ParamRows rows = Build();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].value.kind, kControlWireAllSolid);
    EXPECT_EQ(rows[0].value.showAll, 0);
    EXPECT_EQ(rows[1].value.kind, kControlWireAllSolid);
    EXPECT_EQ(rows[2].value.kind, kControlWireOneSolid);
    EXPECT_EQ(rows[2].value.showAll, 1);
    EXPECT_EQ(rows[0].value.items, QStringList{"2|(0.000000,-0.300000),(0.000000,0.300000)"});
    ASSERT_EQ(rows[0].extras.size(), 2u);
    EXPECT_EQ(rows[0].extras[1].items, (QStringList{"12", "0pixel", "100pixel"}));
    EXPECT_EQ(rows[0].extras[1].objectText, "Margin");
    EXPECT_TRUE(rows[1].extras[1].items.value(0).isEmpty());
}

TEST(RowGeometryText, ReadBackByTypeWithCaps) {
    ParamValue value;
    value.text = QStringLiteral("keep");
    value.attributes[QStringLiteral("Other")] = QStringLiteral("x");
    value.polygons = {{}, {{0.9f, 0.9f}}};
    QString twelve = QStringLiteral("12|");
    for (int i = 0; i < 12; ++i) {
        twelve += QStringLiteral("(0.%1,0.5),").arg(i);
    }
    StoreObjectValueText(UI_Static_And_PenBmpBtn_RectBmpBtn,
                         {twelve, {{QStringLiteral("Margin"), QStringLiteral("7")}}}, value);
    ASSERT_EQ(value.polygons.size(), 2u);
    EXPECT_EQ(value.polygons[0].size(), 10u);
    EXPECT_FLOAT_EQ(value.polygons[0][9].X, 0.9f);
    EXPECT_EQ(value.polygons[1].size(), 1u);  // a shape the row does not show stays
    EXPECT_EQ(value.text, "keep");
    EXPECT_EQ(value.attributes.at(QStringLiteral("Other")), "x");
    EXPECT_EQ(value.attributes.at(QStringLiteral("Margin")), "7");

    StoreObjectValueText(UI_Static_And_RectBmpBtn, {RectangleRowText({0.1f, 0.2f, 0.3f, 0.4f}), {}},
                         value);
    ASSERT_EQ(value.rectangles.size(), 1u);
    EXPECT_FLOAT_EQ(value.rectangles[0].Width, 0.3f);
    EXPECT_FLOAT_EQ(value.rectangles[0].Height, 0.4f);

    // Fewer pairs than announced, or no count: the geometry is left alone.
    const auto before = value.rectangles[0];
    StoreObjectValueText(UI_Static_And_RectBmpBtn, {QStringLiteral("4|(0.5,0.5)"), {}}, value);
    StoreObjectValueText(UI_Static_And_RectBmpBtn, {QStringLiteral("(1,1),(2,2)"), {}}, value);
    EXPECT_FLOAT_EQ(value.rectangles[0].X, before.X);
    StoreObjectValueText(UI_Static_And_PointBmpBtn, {QStringLiteral("3|(0.25,-0.5),(1,1)"), {}},
                         value);
    ASSERT_EQ(value.points.size(), 1u);
    EXPECT_FLOAT_EQ(value.points[0].Y, -0.5f);
}

TEST(PanelMetrics, SpinValueLists) {
    const QList<int> wide = BuildSpinValues(0, 8000);
    ASSERT_EQ(wide.size(), 99);
    EXPECT_EQ(wide.mid(0, 11), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(wide.mid(18, 3), (QList<int>{90, 100, 200}));
    EXPECT_EQ(wide.last(), 8000);
    const QList<int> thousand = BuildSpinValues(0, 1000);
    EXPECT_EQ(thousand.size(), 29);
    EXPECT_EQ(thousand.mid(18, 3), (QList<int>{90, 100, 200}));
    EXPECT_EQ(BuildSpinValues(1000, 6000), (QList<int>{1000, 2000, 3000, 4000, 5000, 6000}));
    const QList<int> fine = BuildSpinValues(5, 300);
    EXPECT_EQ(fine.size(), 296);
    EXPECT_EQ(fine.first(), 5);
    EXPECT_EQ(fine.last(), 300);
    // The walk ends on the maximum even when no step lands on it.
    EXPECT_EQ(BuildSpinValues(1000, 6500).last(), 6500);
}

TEST(PanelMetrics, HostileLimitsStayBounded) {
    EXPECT_TRUE(BuildSpinValues(100, 5).isEmpty());
    for (const auto& [lo, hi] : {std::pair{0, INT_MAX}, {1234567, INT_MAX}, {7, 2000000000}}) {
        const QList<int> values = BuildSpinValues(lo, hi);
        EXPECT_LE(values.size(), 200) << lo << ".." << hi;
        EXPECT_EQ(values.first(), lo);
        EXPECT_EQ(values.last(), hi);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    }
    EXPECT_EQ(LeadingDigits(QStringLiteral("1099511627776")), INT_MAX);
    EXPECT_EQ(LeadingDigits(QStringLiteral("-5")), 0);
    EXPECT_EQ(LeadingDigits(QStringLiteral("100pixel")), 100);
}

}  // namespace
}  // namespace vexo
