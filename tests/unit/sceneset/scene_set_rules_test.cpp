// The scene settings page's decisions without a window: the pad's
// directions at and between the bounds, the save checks (the auto-tracking
// refusal cannot be reached from a device, which never reports kind 0), and
// the function conflicts.
#include <gtest/gtest.h>

#include "command_records.h"
#include "scene_set_auto_tracking.h"
#include "scene_set_rules.h"

using namespace sceneset;

TEST(PadDirection, BoundsBelongToNoRangeAndMoveLeft) {
    const std::pair<double, PtzDirection> cases[] = {
        {90, kUp},          {45, kRightUp},    {0, kRight},       {-45, kRightDown},
        {-90, kDown},       {-135, kLeftDown}, {180, kLeft},      {135, kLeftUp},
        {69, kLeft},        {114, kLeft},      {-23, kLeft},      {23, kLeft},
        {158, kLeft},       {-158, kLeft},     {-69, kLeft},      {-114, kLeft},
        {68.999, kRightUp}, {69.001, kUp},     {-22.999, kRight}, {-23.001, kRightDown}};
    for (const auto& [angle, direction] : cases) {
        EXPECT_EQ(DirectionOfAngle(angle), direction) << angle;
    }
    // The angle is measured with y upwards from the pad's centre.
    EXPECT_DOUBLE_EQ(PadAngle(80, 80, 120, 40), 45);
    EXPECT_DOUBLE_EQ(PadAngle(80, 80, 80, 120), -90);
}

TEST(SceneSave, RefusalsInTheirOrder) {
    const std::vector<SceneRecord> scenes{{QStringLiteral("Lobby"), 1, 1, {}, {}, "S1"},
                                          {QStringLiteral("Gate"), 3, 0, {}, {}, "S2"},
                                          {QStringLiteral("Yard"), 3, 0, {}, {}, "S3"}};
    EXPECT_EQ(CheckSceneSave(0, "S2", "Other", scenes), SaveRefusal::kAutoTrackingScene);
    EXPECT_EQ(CheckSceneSave(0, "S2", "", scenes), SaveRefusal::kAutoTrackingScene);
    EXPECT_EQ(CheckSceneSave(3, "S2", "", scenes), SaveRefusal::kEmptyName);
    EXPECT_EQ(CheckSceneSave(3, "S2", "Lobby", scenes), SaveRefusal::kRepeatedName);
    // The last scene of the list is compared too.
    EXPECT_EQ(CheckSceneSave(3, "S2", "Yard", scenes), SaveRefusal::kRepeatedName);
    EXPECT_EQ(CheckSceneSave(3, "S2", "Gate", scenes), SaveRefusal::kAccepted);
    EXPECT_EQ(CheckSceneSave(3, "S2", "A&B", scenes), SaveRefusal::kIllegalName);
    EXPECT_EQ(CheckSceneSave(1, "S1", "Lobby West", scenes), SaveRefusal::kAccepted);
}

TEST(SceneSave, BlanksAroundTheNameAreNotPartOfIt) {
    const std::vector<SceneRecord> scenes{{QStringLiteral("Gate"), 3, 0, {}, {}, "S2"}};
    EXPECT_EQ(SceneName(QStringLiteral("  Porch \t")), QStringLiteral("Porch"));
    EXPECT_EQ(SceneName(QStringLiteral(" Front  door ")), QStringLiteral("Front  door"));
    EXPECT_EQ(CheckSceneSave(3, "S3", "   ", scenes), SaveRefusal::kEmptyName);
    EXPECT_EQ(CheckSceneSave(3, "S3", " Gate ", scenes), SaveRefusal::kRepeatedName);
}

TEST(SceneFunctions, AConflictWithTheSceneListRefusesTheMove) {
    const FunctionConflicts conflicts{{"Face", "Crowd"}, {"Face", "Count"}};
    EXPECT_FALSE(MayAddFunctions({"Crowd"}, {"Face", "Wire"}, conflicts));
    EXPECT_FALSE(MayAddFunctions({"Wire", "Face"}, {"Count"}, conflicts));
    EXPECT_TRUE(MayAddFunctions({"Crowd", "Count"}, {"Wire"}, conflicts));
    EXPECT_TRUE(MayAddFunctions({"Crowd"}, {"Wire"}, {}));
    // The refusal names the added function and the one already there,
    // whichever side of the pair each is on.
    using Pair = std::pair<QString, QString>;
    EXPECT_EQ(FirstConflict({"Wire", "Crowd"}, {"Face"}, conflicts), Pair("Crowd", "Face"));
    EXPECT_EQ(FirstConflict({"Face"}, {"Wire", "Count"}, conflicts), Pair("Face", "Count"));
    EXPECT_EQ(FirstConflict({"Crowd"}, {"Wire"}, conflicts), Pair());
}

TEST(AutoTracking, TheDomePositionBecomesAOnePointGeometry) {
    EXPECT_EQ(CSceneSetAutoTracking::PositionText(0.25f, -0.5f), "1|(0.250000,-0.500000)");
}
