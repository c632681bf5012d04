// The login from inside the control: credentials reach the panes, a silent
// device ends the dialog, and the current scene the scene list decides.
// (What a host script sees of a login is in tests/gui/host.)

#include "av_play_base.h"
#include "control_fixture.h"
#include "scene_set_body.h"
#include "smart_scene_set.h"
#include "vexonet.h"
#include "video_page_dialog.h"

using LoginTest = ControlFixture;

TEST_F(LoginTest, CreatesPagesShowsIndexAndHandsCredentialsToPanes) {
    ASSERT_TRUE(Login(vexo::test::SimProcess::kPassword, 5));
    EXPECT_EQ(VisiblePage(), 0);
    ASSERT_NE(AutoWidget(18003), nullptr);  // the header's switch
    CDialogManager* manager = Manager();
    ASSERT_NE(manager, nullptr);
    EXPECT_FALSE(manager->Scenes().empty());
    EXPECT_EQ(control_->GetCurSmartSceneNum(), manager->CurrentScene() - 1);
    auto* videoPage = dynamic_cast<CVideoPageDialog*>(PageWidget(2));
    ASSERT_NE(videoPage, nullptr);
    EXPECT_EQ(videoPage->Pane().StreamSelector(), 5);
    EXPECT_EQ(videoPage->Pane().UserName(), vexo::test::SimProcess::kUser);
    auto* sceneSet = dynamic_cast<CSmartSceneSet*>(PageWidget(1));
    ASSERT_NE(sceneSet, nullptr);
    EXPECT_EQ(sceneSet->Body().StreamSelector(), 5);
    EXPECT_EQ(sceneSet->Body().UserName(), vexo::test::SimProcess::kUser);
    // The device's files were read: function names come translated.
    EXPECT_FALSE(manager->SmartFunctionNames().isEmpty());
    EXPECT_FALSE(manager->FunctionIds().empty());
}

TEST_F(LoginTest, CurrentSceneFollowsTheSceneList) {
    struct Case {
        const char* list;
        int expected;
    };
    const Case cases[] = {
        {R"({"SceneList": [], "DefaultSceneToken": "", "SelectSceneToken": ""})", -2},
        // No scene selected: the first becomes current, still unselected.
        {R"({"SceneList": [{"SceneName": "A", "SceneToken": "T1"}, {"SceneName": "B", "SceneToken": "T2"}],
             "DefaultSceneToken": "T1", "SelectSceneToken": "none"})",
         -1},
        // Two selected: the later one wins.
        {R"({"SceneList": [{"SceneName": "A", "SceneToken": "T1"}, {"SceneName": "B", "SceneToken": "T2"},
             {"SceneName": "C", "SceneToken": "T2"}], "DefaultSceneToken": "T1", "SelectSceneToken": "T2"})",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        Script("CMD_GetSceneList", std::string(R"({"ack": "0", "info": )") + c.list + "}");
        ASSERT_TRUE(Login());
        EXPECT_EQ(control_->GetCurSmartSceneNum(), c.expected);
        if (c.expected == -1) {
            for (const SceneRecord& record : Manager()->Scenes()) {
                EXPECT_EQ(record.selected, 0) << record.name.toStdString();
            }
        }
        EXPECT_TRUE(control_->Destroy());
    }
}

TEST_F(LoginTest, SilentDeviceEndsTheDialogAfterTheTimeOut) {
    VEXONET_SetTimeouts(500, 1500);
    ASSERT_EQ(sim_.ControlText(R"({"latency_ms": 20000})"), 200);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(Login());
    EXPECT_LT(timer.elapsed(), 1500 + 2000);
    EXPECT_EQ(PageWidget(0), nullptr);
    VEXONET_SetTimeouts(2000, 10000);
}
