// Reading a trigger record into the linkage groups. An action of one name
// changing in every group, as the operator ticks it and as it is saved, is
// the linkage editor's test (tests/gui/arming).
#include <gtest/gtest.h>

#include "linkage_groups.h"
#include "qstring_print.h"

namespace vexo {
namespace {

ParamRecord TwoGroups() {
    ParamRecord record;
    record.plainParams["Recording"] = "2";
    record.plainParams["Notification"] = "0";
    record.objectParams["Notification"].attributes = {{"SendEmail", "True"}, {"Buzzer", "FALSE"}};
    record.objectParams["Recording"].attributes = {{"Buzzer", "true"}, {"Channel1", "no"}};
    return record;
}

TEST(LinkageGroups, GroupsActionsAndSlotsComeFromTheRecord) {
    const std::vector<LinkageGroup> groups = ReadLinkageGroups(TwoGroups(), 3);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Notification");
    EXPECT_EQ(groups[0].slot, 0);
    ASSERT_EQ(groups[0].actions.size(), 2u);
    EXPECT_EQ(groups[0].actions[0].name, "Buzzer");  // name order
    EXPECT_FALSE(groups[0].actions[0].active);
    EXPECT_TRUE(groups[0].actions[1].active);  // "True"
    EXPECT_EQ(groups[1].slot, 2);
    EXPECT_TRUE(groups[1].actions[0].active);   // "true"
    EXPECT_FALSE(groups[1].actions[1].active);  // anything else
}

TEST(LinkageGroups, StraySlotsFallBackToTheGroupsPosition) {
    ParamRecord record = TwoGroups();
    record.plainParams["Notification"] = "99999999999";
    record.plainParams["Recording"] = "-1";
    std::vector<LinkageGroup> groups = ReadLinkageGroups(record, 1);
    EXPECT_EQ(groups[0].slot, 0);
    EXPECT_EQ(groups[1].slot, 1);
    record.plainParams["Recording"] = "two";  // not a number
    groups = ReadLinkageGroups(record, 1);
    EXPECT_EQ(groups[1].slot, 0);
}

}  // namespace
}  // namespace vexo
