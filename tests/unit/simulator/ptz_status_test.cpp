// The PTZ lock between sessions, absolute PTZ moves and the analytics switch.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

const char* kMove = R"({"ptzPoint":{"fPan":0.25,"fTilt":-0.5,"fZoom":0.75}})";

TEST(PtzLock, OneHolderAtATimeUntilReleased) {
    SimDevice device;
    device.Ok("CMD_PTZLock", J(R"({"locktime":"300000"})"), "A");
    device.Ok("CMD_PTZLock", J(R"({"locktime":"300000"})"), "A");  // renewal
    EXPECT_EQ(device.Refused("CMD_PTZLock", J(R"({"locktime":"300000"})"), "B"), err::kPtzLocked);
    EXPECT_EQ(device.Refused("CMD_PTZUnLock", Json::Value(""), "B"), err::kPtzLocked);
    EXPECT_EQ(device.Refused("CMD_MovePTZPosition", J(kMove), "B"), err::kPtzLocked);
    EXPECT_EQ(device.Refused("CMD_SetCurScene", J(R"({"SceneToken":"Scene_002"})"), "B"),
              err::kPtzLocked);
    device.Ok("CMD_MovePTZPosition", J(kMove), "A");

    device.Ok("CMD_PTZUnLock", Json::Value(""), "A");
    device.Ok("CMD_PTZLock", J(R"({"locktime":"300000"})"), "B");
    EXPECT_EQ(device.Refused("CMD_PTZLock", J(R"({"locktime":"300000"})"), "A"), err::kPtzLocked);
    // Reading the position needs no lock.
    EXPECT_NEAR(device.Ok("CMD_GetPTZPosition", Json::Value(""), "A")["fZoom"].asDouble(), 0.75,
                1e-9);
}

TEST(PtzLock, ExpiresAfterItsLockTime) {
    SimDevice device;
    device.Ok("CMD_PTZLock", J(R"({"locktime":"1000"})"), "A");
    EXPECT_EQ(device.Refused("CMD_PTZLock", J(R"({"locktime":"1000"})"), "B"), err::kPtzLocked);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    device.Ok("CMD_PTZLock", J(R"({"locktime":"1000"})"), "B");
}

TEST(PtzLock, LockTimeIsChecked) {
    SimDevice device;
    ExpectRefusals(device, "CMD_PTZLock", {}, "locktime",
                   {{R"("999")", err::kLockTime},
                    {R"("3600001")", err::kLockTime},
                    {R"("-5")", err::kLockTime},
                    {R"("5 minutes")", err::kLockTime},
                    {R"("")", err::kLockTime},
                    {"300000", err::kMemberType}});
    EXPECT_EQ(device.Refused("CMD_PTZLock", Json::Value("")), err::kMemberType);
}

TEST(PtzPosition, MovesWithinRangeOnly) {
    SimDevice device;
    device.Ok("CMD_MovePTZPosition", J(kMove));
    const Json::Value at = device.Ok("CMD_GetPTZPosition");
    EXPECT_NEAR(at["fPan"].asDouble(), 0.25, 1e-9);
    EXPECT_NEAR(at["fTilt"].asDouble(), -0.5, 1e-9);
    EXPECT_NEAR(at["fZoom"].asDouble(), 0.75, 1e-9);
    ExpectRefusals(device, "CMD_MovePTZPosition", {}, "ptzPoint",
                   {{R"({"fPan":0,"fTilt":1.5,"fZoom":0})", err::kPtzRange},
                    {R"({"fPan":0,"fTilt":0,"fZoom":-0.1})", err::kPtzRange},
                    {R"({"fPan":0,"fTilt":0})", err::kMissingMember},
                    {R"({"fPan":"0","fTilt":0,"fZoom":0})", err::kMemberType}});
    EXPECT_NEAR(device.Ok("CMD_GetPTZPosition")["fPan"].asDouble(), 0.25, 1e-9);
}

TEST(PtzPresets, FactoryPresetsHoldTheScenesViews) {
    SimDevice device;
    PtzModel& ptz = device.Server().Model().Ptz();
    EXPECT_FALSE(ptz.Control(0, 15, 2, 6, false).has_value());  // go to preset 2
    const Json::Value at = device.Ok("CMD_GetPTZPosition");
    EXPECT_NEAR(at["fPan"].asDouble(), 0.25, 1e-9);  // the "Entrance" scene
    EXPECT_NEAR(at["fTilt"].asDouble(), -0.1, 1e-9);
    EXPECT_TRUE(ptz.Control(0, 15, 4, 6, false).has_value());
    // Presets the operator changes are not overwritten by a restart.
    ASSERT_FALSE(ptz.SetPreset(1).has_value());
    device.Restart();
    EXPECT_FALSE(device.Server().Model().Ptz().Control(0, 15, 1, 6, false).has_value());
    EXPECT_NEAR(device.Ok("CMD_GetPTZPosition")["fPan"].asDouble(), 0.25, 1e-9);
}

// Switched off and read by the control: index_switch_refresh.js.
TEST(SmartStatus, SwitchesOnlyBetweenItsTwoStates) {
    SimDevice device;
    EXPECT_EQ(device.Refused("CMD_SetSmartStatus", J(R"({"status":"ON"})")), err::kSmartStatus);
    EXPECT_EQ(device.Refused("CMD_SetSmartStatus", J(R"({"status":true})")), err::kMemberType);
}

}  // namespace
}  // namespace devsim::test
