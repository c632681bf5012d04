// An auto-tracking scene (kind 0) on the scene settings page. No device
// reports such a scene in its list, so the test hands one to the page
// through the index page's seam: it gets the auto-tracking part instead of
// the function editor, is never saved, and "Auto Get" takes the dome's
// position as the tracking point.
#include <QAbstractButton>

#include "../control/control_fixture.h"
#include "com_str.h"
#include "scene_set_auto_tracking.h"
#include "scene_set_body.h"
#include "smart_scene_set.h"

using AutoTrackingScene = ControlFixture;

TEST_F(AutoTrackingScene, IsNotSavedAndTakesTheDomePositionAsItsPoint) {
    ASSERT_TRUE(Login());
    auto* page = dynamic_cast<CSmartSceneSet*>(PageWidget(1));
    ASSERT_NE(page, nullptr);
    SceneRecord scene = Manager()->Scenes().at(1);
    scene.kind = 0;
    page->LoadScene(scene);
    Manager()->ShowPage(1);
    page->RefreshScene();
    ASSERT_NE(page->AutoTracking(), nullptr);
    EXPECT_EQ(page->Ptz(), nullptr);
    EXPECT_NE(AutoWidget(18000 + CSceneSetAutoTracking::kAutoGetIndex), nullptr);
    EXPECT_EQ(AutoWidget(20001), nullptr);  // no function lists

    const size_t before = sim_.Journal().size();
    display_.shown.clear();
    page->Save();
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.shown[0].title + ": " + display_.shown[0].text,
              texts.tips + ": " + texts.autoTrackingNoEdit);
    for (size_t i = before; i < sim_.Journal().size(); ++i) {
        EXPECT_EQ(sim_.Journal()[i]["request"].asString().find("Modify"), std::string::npos);
    }

    ASSERT_EQ(Manager()->DeviceContext().MovePTZPosition(0.5f, -0.25f, 0.f), 1);
    auto* autoGet =
        qobject_cast<QAbstractButton*>(AutoWidget(18000 + CSceneSetAutoTracking::kAutoGetIndex));
    ASSERT_NE(autoGet, nullptr);
    autoGet->click();
    // The point went to the pane in the video window's pixels (704 x 396):
    // device (0.5, -0.25) is (528, 247).
    const auto& geometry = page->Body().Geometry();
    ASSERT_EQ(geometry.count(scene.token), 1u);
    EXPECT_EQ(page->Body().GetGeometry(scene.token), "1|(0.500000,-0.247475)");
}
