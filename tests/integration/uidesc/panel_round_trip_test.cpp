// Every panel of the simulated device, read, built, collected untouched and
// saved, leaves the device holding exactly what it held: no float drift, no
// lost attribute, every row type of the description on the way.

#include <gtest/gtest.h>

#include <QWidget>
#include <set>

#include "geometry_text.h"
#include "panel_device.h"
#include "qstring_print.h"
#include "sim_process.h"

namespace vexo::test {
namespace {

void ExpectSameValue(const ParamValue& a, const ParamValue& b, const QString& where) {
    SCOPED_TRACE(where.toStdString());
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.attributes, b.attributes);
    ASSERT_EQ(a.points.size(), b.points.size());
    for (size_t i = 0; i < a.points.size(); ++i) {
        EXPECT_EQ(a.points[i].X, b.points[i].X);
        EXPECT_EQ(a.points[i].Y, b.points[i].Y);
    }
    ASSERT_EQ(a.rectangles.size(), b.rectangles.size());
    for (size_t i = 0; i < a.rectangles.size(); ++i) {
        EXPECT_EQ(geometry::FormatRect(a.rectangles[i]), geometry::FormatRect(b.rectangles[i]));
    }
    ASSERT_EQ(a.polygons.size(), b.polygons.size());
    for (size_t i = 0; i < a.polygons.size(); ++i) {
        EXPECT_EQ(geometry::FormatPolygon(a.polygons[i]), geometry::FormatPolygon(b.polygons[i]));
    }
    EXPECT_EQ(a.ptzPositions.size(), b.ptzPositions.size());
}

void ExpectSameRecord(const ParamRecord& before, const ParamRecord& after) {
    EXPECT_EQ(before.plainParams, after.plainParams) << before.funName.toStdString();
    ASSERT_EQ(before.objectParams.size(), after.objectParams.size())
        << before.funName.toStdString();
    for (const auto& [name, value] : before.objectParams) {
        ExpectSameValue(value, after.objectParams.at(name), before.funName + u'/' + name);
    }
}

class PanelRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Start());
        ASSERT_TRUE(device_.Connect(sim_.Address(), SimProcess::kUser, SimProcess::kPassword));
        page_.resize(1000, 600);
        engine_.SetArea(&page_, QRect(0, 0, 1000, 0), QRect(0, 0, 1000, 600), &overlay_,
                        &device_.Parse(), QRect(0, 0, 704, 576));
    }
    // Collects the panel's values of `record` into a copy whose values are
    // blanked first, so that everything saved comes from the panel; only the
    // object values' own texts stay, as no control shows them.
    ParamRecord Collected(const ParamRecord& record, const ParamList& params) {
        ParamRecord collected = record;
        for (const ParamEntry& param : params) {
            const UiType type = device_.Parse().UiTypeOf(param.uiType);
            if (type == UI_UNKNOWN || type == UI_NULL || type == UI_PTZ_NUMBER) {
                continue;  // no control shows these
            }
            if (auto plain = collected.plainParams.find(param.name);
                plain != collected.plainParams.end()) {
                plain->second = QStringLiteral("blank");
            }
            if (auto object = collected.objectParams.find(param.name);
                object != collected.objectParams.end()) {
                object->second =
                    ParamValue{object->second.text, {}, {}, {}, {}, object->second.ptzPositions};
            }
        }
        std::map<QString, ObjectValueText> objects;
        engine_.CollectValues(collected, objects);
        device_.Parse().StoreObjectValues(params, objects, collected);
        return collected;
    }
    void Note(const ParamList& params) {
        for (const ParamEntry& param : params) {
            typesSeen_.insert(device_.Parse().UiTypeOf(param.uiType));
        }
    }

    SimProcess sim_;
    PanelDevice device_;
    QWidget page_;
    CShowAIConfig overlay_;
    CSmartUiEngine engine_;
    std::set<int> typesSeen_;
};

TEST_F(PanelRoundTrip, UntouchedPanelsSaveWhatTheDeviceHolds) {
    CSmartXmlParse& parse = device_.Parse();
    DeviceCommandChannel& channel = *parse.Channel();
    // Saves the panel's values of `record` with `save`, reads the owner back
    // with `read` and compares.
    const auto roundTrip = [&](const ParamRecord& record, const ParamList& params, auto save,
                               auto read) {
        Note(params);
        ASSERT_EQ(save(Collected(record, params)), 1) << record.funName.toStdString();
        ParamRecord reread;
        reread.funName = record.funName;
        reread.token = record.token;
        ASSERT_EQ(read(reread), 1) << record.funName.toStdString();
        ExpectSameRecord(record, reread);
    };
    const auto rebuild = [&](const ParamRows& rows) {
        engine_.Clear();
        engine_.ResetLayout();
        engine_.BuildPanel(rows, true);
    };
    const std::vector<RuleRef> rules = device_.Rules();
    ASSERT_GE(rules.size(), 10u);
    for (const RuleRef& rule : rules) {
        RulePanelRecords records;
        device_.BuildRulePanel(engine_, rule, records);
        ParamList params;
        parse.GetRuleParameters(rule.fun, params);
        roundTrip(
            records.rule, params,
            [&](const ParamRecord& r) { return channel.ModifyRuleParam(rule.scene, r); },
            [&](ParamRecord& r) { return channel.GetRuleParam(rule.scene, r); });
        for (const auto& [name, module] : records.modules) {
            ParamList moduleParams;
            parse.GetModuleParameters(name, moduleParams);
            roundTrip(
                module, moduleParams,
                [&](const ParamRecord& r) { return channel.ModifyModuleParam(rule.scene, r); },
                [&](ParamRecord& r) { return channel.GetModuleParam(rule.scene, r); });
        }
        for (const auto& [name, nonScene] : records.nonScenes) {
            ParamList nonSceneParams;
            parse.GetNonSceneParameters(name, nonSceneParams);
            roundTrip(
                nonScene, nonSceneParams,
                [&](const ParamRecord& r) { return channel.ModifyNonSceneParam(r); },
                [&](ParamRecord& r) { return channel.GetNonSceneParam(r); });
        }
    }
    // Modules no rule requires have panels of their own, as normal alarms do.
    const QString scene = parse.SceneToken();
    for (const QString& module : device_.Owners().modules) {
        ParamRecord record;
        ParamRows rows;
        parse.BuildModulePanel(false, module, rows, &record);
        rebuild(rows);
        ParamList params;
        parse.GetModuleParameters(module, params);
        roundTrip(
            record, params,
            [&](const ParamRecord& r) { return channel.ModifyModuleParam(scene, r); },
            [&](ParamRecord& r) { return channel.GetModuleParam(scene, r); });
    }
    std::vector<NormalAlarmFun> alarms;
    ASSERT_EQ(channel.GetAllNormalAlarmFunName(alarms), 1);
    for (const NormalAlarmFun& alarm : alarms) {
        ParamRecord record;
        record.funName = alarm.type;
        record.token = alarm.token;
        ParamRows rows;
        ASSERT_EQ(parse.BuildNormalAlarmPanel(false, record, rows), 1);
        rebuild(rows);
        ParamList params;
        parse.GetNormalAlarmParameters(alarm.type, params);
        roundTrip(
            record, params,
            [&](const ParamRecord& r) { return channel.ModifyNormalAlarmData(scene, r); },
            [&](ParamRecord& r) { return channel.GetNormalAlarmData(scene, r); });
    }
    // Every non-scene's rows too, even one no rule requires: no parameter of
    // the shipped description has a row type the control does not know.
    for (const QString& nonScene : device_.Owners().nonScenes) {
        ParamList params;
        parse.GetNonSceneParameters(nonScene, params);
        Note(params);
    }
    EXPECT_EQ(typesSeen_.count(UI_UNKNOWN), 0u);
    EXPECT_EQ(typesSeen_.size(), 27u);  // every row type the control knows
}

}  // namespace
}  // namespace vexo::test
