// The camera's view: the crop follows pan (round the full turn, across the
// seam), tilt and zoom, and the drawn picture changes with the head.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "view_renderer.h"
#include "world_panorama.h"

namespace {

using devsim::camera::Crop;
using devsim::camera::CropFor;
using devsim::camera::HeadPosition;
using devsim::camera::ViewRenderer;
using devsim::camera::WorldPanorama;
using devsim::camera::YuvCanvas;

struct Picture {
    std::vector<uint8_t> planes[3];
    YuvCanvas canvas;
    Picture(int width, int height) {
        planes[0].assign(static_cast<size_t>(width) * height, 0);
        planes[1].assign(static_cast<size_t>(width / 2) * (height / 2), 0);
        planes[2].assign(static_cast<size_t>(width / 2) * (height / 2), 0);
        for (int i = 0; i < 3; ++i) {
            canvas.plane[i] = planes[i].data();
            canvas.stride[i] = i == 0 ? width : width / 2;
        }
        canvas.width = width;
        canvas.height = height;
    }
    // Mean absolute luma difference of the middle rows (no text overlay).
    double Difference(const Picture& other) const {
        long long sum = 0;
        const size_t begin = planes[0].size() / 4;
        const size_t end = planes[0].size() * 3 / 4;
        for (size_t i = begin; i < end; ++i) {
            sum += std::abs(planes[0][i] - other.planes[0][i]);
        }
        return static_cast<double>(sum) / static_cast<double>(end - begin);
    }
};

constexpr long long kInstant = 1700000000LL * 1000000 + 123000;

}  // namespace

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

TEST(CameraViewTest, PictureFollowsTheHead) {
    ViewRenderer renderer(704, 576);
    Picture a(704, 576);
    Picture again(704, 576);
    Picture panned(704, 576);
    Picture seam(704, 576);
    ASSERT_TRUE(renderer.Render(a.canvas, {0, 0, 0}, kInstant));
    ASSERT_TRUE(renderer.Render(again.canvas, {0, 0, 0}, kInstant));
    ASSERT_TRUE(renderer.Render(panned.canvas, {0.2, 0, 0}, kInstant));
    ASSERT_TRUE(renderer.Render(seam.canvas, {0.999, -1, 0.3}, kInstant));
    EXPECT_EQ(a.Difference(again), 0.0);  // same head, same moment: same picture
    EXPECT_GT(a.Difference(panned), 10.0);
    EXPECT_GT(a.Difference(seam), 10.0);
}
