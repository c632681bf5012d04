// The batch configuration text built from the control's own records.

#include <gtest/gtest.h>

#include "device_command_channel.h"
#include "narrow_text.h"
#include "test_json.h"

namespace {

using vexo::test::J;

Json::Value Build(const DeviceCommandChannel::RecordGroups& first,
                  const DeviceCommandChannel::FunctionRecordGroups& second,
                  QString* raw = nullptr) {
    QString text;
    EXPECT_EQ(DeviceCommandChannel::BuildBatchConfigText(text, first, second), 1);
    if (raw != nullptr) {
        *raw = text;
    }
    return J(vexo::ToNarrow(text));
}

ParamRecord Record(const QString& token, const QString& plainName, const QString& plainText) {
    ParamRecord record;
    record.token = token;
    record.plainParams[plainName] = plainText;
    return record;
}

TEST(BatchConfigText, TwoEmptyMapsGiveAnEmptyObject) {
    QString text;
    DeviceCommandChannel::BuildBatchConfigText(text, {}, {});
    EXPECT_EQ(text, "{}\n");
}

TEST(BatchConfigText, GroupsAndFunctionsWithoutRecordsAreNull) {
    DeviceCommandChannel::RecordGroups first{{"NonScenes", {}}, {"Modules", {}}};
    DeviceCommandChannel::FunctionRecordGroups second{{"Rules", {{"intrusion", {}}}},
                                                      {"Alarms", {}}};
    EXPECT_EQ(Build(first, second), J(R"({"Alarms": null, "Modules": null, "NonScenes": null,
                   "Rules": {"intrusion": null}})"));
}

TEST(BatchConfigText, RecordsNestUnderGroupFunctionAndName) {
    DeviceCommandChannel::RecordGroups first{
        {"NonScenes", {{"Network", Record("", "Mtu", "1500")}}}};
    DeviceCommandChannel::FunctionRecordGroups second{
        {"Rules", {{"intrusion", {{"Rule 1", Record("r1", "Level", "3")}}}}}};
    EXPECT_EQ(Build(first, second), J(R"({
        "NonScenes": {"Network": {"Token": "", "Mtu": "1500"}},
        "Rules": {"intrusion": {"Rule 1": {"Token": "r1", "Level": "3"}}}})"));
}

TEST(BatchConfigText, SecondMapWinsForASharedGroupKey) {
    DeviceCommandChannel::RecordGroups first{{"Rules", {{"stale", Record("", "a", "1")}}}};
    DeviceCommandChannel::FunctionRecordGroups second{
        {"Rules", {{"crowd", {{"r", Record("t", "b", "2")}}}}}};
    EXPECT_EQ(Build(first, second), J(R"({"Rules": {"crowd": {"r": {"Token": "t", "b": "2"}}}})"));
}

TEST(BatchConfigText, IsStyledAndKeepsNonAsciiNames) {
    DeviceCommandChannel::RecordGroups first{
        {"Modules", {{QString::fromUtf8("区域"), Record("", "k", "v")}}}};
    QString raw;
    const Json::Value root = Build(first, {}, &raw);
    EXPECT_TRUE(root["Modules"].isMember("区域"));
    EXPECT_TRUE(raw.startsWith("{\n   \"Modules\" : {\n"));
}

}  // namespace
