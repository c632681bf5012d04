// Whatever a device publishes, a panel gets built: huge and malformed UI
// descriptions, values of the wrong JSON type and absurd ranges end in a
// bounded panel, never a crash or a runaway list.

#include <json/reader.h>

#include <QElapsedTimer>

#include "panel_fixture.h"
#include "panel_metrics.h"

namespace vexo::test {
namespace {

using HostilePanel = PanelFixture;

TEST_F(HostilePanel, HugeAndMalformedDescriptionsBuildBoundedPanels) {
    const UiTypeTable table;
    int i = 0;
    for (const auto& [text, type] : table.Entries()) {
        Param(QStringLiteral("P%1").arg(i++), text.toLatin1().constData());
    }
    while (params_.size() < 5000) {
        const bool unknown = i % 7 == 0;
        Param(QStringLiteral("P%1").arg(i++),
              unknown ? "UI_No_Such_Type" : "UI_Static_And_Edit_Spin");
    }
    Param(QString(), "UI_Static_And_Edit");             // no name
    Param(QString(10240, u'W'), "UI_Static_And_Edit");  // a 10 kB label
    Param(QStringLiteral("Self"), "UI_Static_And_ComboBoxUnEdit");
    links_ = {{QStringLiteral("Self"), {QStringLiteral("Self"), QStringLiteral("x")}}};
    for (int k = 0; k < i; ++k) {
        Range(QStringLiteral("P%1").arg(k), QStringLiteral("1099511627776"), k % 2 ? "-5" : "NaN");
    }
    Build();
    engine_.ShowAll(true);
    // Every spin list stays short; identifier windows ran out long ago.
    for (const auto& spin : engine_.Spins()) {
        ASSERT_LE(spin->Values().size(), kMaxSpinValues);
    }
    EXPECT_EQ(engine_.Edits().back()->Id(), -1);
    EXPECT_EQ(Named(engine_.Statics(), QString(10240, u'W'))->Rect().width(), 280);
    engine_.Clear();
    EXPECT_TRUE(page_.findChildren<QWidget*>().isEmpty());
}

TEST_F(HostilePanel, DeviceValuesOfTheWrongTypeOrRange) {
    Json::Value reply;
    Json::Reader().parse(R"json({
        "Token": 7, "Level": 12.5, "Mode": ["a"], "Enable": null, "Time": "-999999999999",
        "Region": {"name": 3, "simp": {"Margin": 4}, "polygon": [{"VexoPolygon": "99999|(1,2)"}],
                   "rect": "not an array", "point": [{"pointF": "(nan,inf)"}]},
        "Wire": {"polygon": [{"VexoPolygon": "1|(0.5,0.5)"}], "simp": {"Margin": "1e30"}}})json",
                         reply);
    DecodeParamRecord(reply, record_);
    for (const char* name : {"Level", "Mode", "Enable", "Time"}) {
        Param(QString::fromLatin1(name), "UI_Static_And_Edit_Spin_time");
    }
    Param(QStringLiteral("Region"), "UI_Static_And_PenBmpBtn_RectBmpBtn");
    Param(QStringLiteral("Point"), "UI_Static_And_PointBmpBtn");
    Param(QStringLiteral("Wire"), "UI_WIRE");
    Range(QStringLiteral("Wire"), QStringLiteral("100"), QStringLiteral("5"));
    Build();
    ParamRecord collected;
    std::map<QString, ObjectValueText> objects;
    engine_.CollectValues(collected, objects);
    // A time that was out of range reads back as a count of minutes again.
    EXPECT_FALSE(collected.plainParams[QStringLiteral("Time")].isEmpty());
    EXPECT_TRUE(Named(engine_.Spins(), QStringLiteral("Wire"))->Values().size() <= 101);
}

}  // namespace
}  // namespace vexo::test
