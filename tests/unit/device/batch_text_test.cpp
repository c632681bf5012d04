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

TEST(BatchConfigText, EmptyMapsAndGroupsWithoutRecords) {
    QString text;
    DeviceCommandChannel::BuildBatchConfigText(text, {}, {});
    EXPECT_EQ(text, "{}\n");
    DeviceCommandChannel::RecordGroups first{{"NonScenes", {}}, {"Modules", {}}};
    DeviceCommandChannel::FunctionRecordGroups second{{"Rules", {{"intrusion", {}}}},
                                                      {"Alarms", {}}};
    EXPECT_EQ(Build(first, second), J(R"({"Alarms": null, "Modules": null, "NonScenes": null,
                   "Rules": {"intrusion": null}})"));
}

// Records nest under group, function and name; the second map wins a group
// both have; the text is styled and keeps names beyond ASCII.
TEST(BatchConfigText, RecordsNestUnderGroupFunctionAndName) {
    DeviceCommandChannel::RecordGroups first{
        {"NonScenes", {{QString::fromUtf8("网络"), Record("", "Mtu", "1500")}}},
        {"Rules", {{"stale", Record("", "a", "1")}}}};
    DeviceCommandChannel::FunctionRecordGroups second{
        {"Rules", {{"intrusion", {{"Rule 1", Record("r1", "Level", "3")}}}}}};
    QString raw;
    EXPECT_EQ(Build(first, second, &raw), J(R"({
        "NonScenes": {"网络": {"Token": "", "Mtu": "1500"}},
        "Rules": {"intrusion": {"Rule 1": {"Token": "r1", "Level": "3"}}}})"));
    EXPECT_TRUE(raw.startsWith("{\n   \"NonScenes\" : {\n")) << raw.toStdString();
}

}  // namespace
