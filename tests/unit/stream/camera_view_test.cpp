// The camera's view: the crop follows pan (round the full turn, across the
// seam), tilt and zoom. That the picture follows the head is seen through
// the whole system by the scene settings page's PTZ test.

#include <gtest/gtest.h>

#include "view_renderer.h"
#include "world_panorama.h"

using devsim::camera::Crop;
using devsim::camera::CropFor;
using devsim::camera::WorldPanorama;

TEST(CameraViewTest, CropStaysInsideThePanoramaForEveryHeadPosition) {
    for (const auto& [width, height] : {std::pair{1280, 720}, std::pair{704, 576}}) {
        for (double pan = -1.0; pan < 1.0; pan += 0.0173) {
            for (double tilt : {-1.5, -1.0, 0.0, 0.4, 1.0}) {
                for (double zoom : {-0.2, 0.0, 0.5, 1.0, 2.0}) {
                    const Crop crop = CropFor({pan, tilt, zoom}, width, height);
                    ASSERT_GE(crop.x, 0);
                    ASSERT_LT(crop.x, WorldPanorama::kTurnWidth);
                    ASSERT_EQ(crop.x % 2, 0);
                    ASSERT_EQ(crop.y % 2, 0);
                    ASSERT_LE(crop.x + crop.width,
                              WorldPanorama::kTurnWidth + WorldPanorama::kWidestView);
                    ASSERT_GE(crop.y, 0);
                    ASSERT_LE(crop.y + crop.height, WorldPanorama::kHeight);
                    ASSERT_NEAR(static_cast<double>(crop.width) / crop.height,
                                static_cast<double>(width) / height, 0.05);
                }
            }
        }
    }
}

TEST(CameraViewTest, HeadAxesMoveTheCropTheRightWay) {
    const Crop level = CropFor({0, 0, 0}, 1280, 720);
    EXPECT_EQ(level.width, WorldPanorama::kWidestView);
    EXPECT_GT(CropFor({0.1, 0, 0}, 1280, 720).x, level.x);  // right pans right
    EXPECT_LT(CropFor({0, 0.5, 0}, 1280, 720).y, level.y);  // up looks higher
    const Crop zoomed = CropFor({0, 0, 1}, 1280, 720);
    EXPECT_NEAR(zoomed.width * 10.0, level.width, 20.0);  // ten times zoom
    EXPECT_NEAR(zoomed.x + zoomed.width / 2.0, level.x + level.width / 2.0, 2.0);
    // Pan -1 and +1 are the same direction: the turn closes.
    EXPECT_EQ(CropFor({-1.0, 0, 0}, 1280, 720).x, CropFor({1.0, 0, 0}, 1280, 720).x);
}
