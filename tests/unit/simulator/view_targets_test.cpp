// The targets the analytics report lie where the camera draws its cars and
// walkers: a picture rendered with traffic is compared with the same
// picture of the empty street.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "view_renderer.h"
#include "view_targets.h"

namespace devsim::camera {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

struct Picture {
    Picture() : y(kWidth * kHeight), u(kWidth * kHeight / 4), v(kWidth * kHeight / 4) {
        canvas.plane[0] = y.data();
        canvas.plane[1] = u.data();
        canvas.plane[2] = v.data();
        canvas.stride[0] = kWidth;
        canvas.stride[1] = canvas.stride[2] = kWidth / 2;
        canvas.width = kWidth;
        canvas.height = kHeight;
    }
    std::vector<uint8_t> y, u, v;
    YuvCanvas canvas;
};

struct PixelBox {
    double left, top, right, bottom;
};

PixelBox ToPixels(const ViewTarget& target) {
    return {(target.left + 1) / 2 * kWidth, (1 - target.top) / 2 * kHeight,
            (target.right + 1) / 2 * kWidth, (1 - target.bottom) / 2 * kHeight};
}

bool Overlap(const PixelBox& a, const PixelBox& b, double margin) {
    return a.left - margin < b.right && b.left - margin < a.right && a.top - margin < b.bottom &&
           b.top - margin < a.bottom;
}

// Checks every target against the changed pixels near it, and every changed
// pixel against the targets; returns how many targets stood apart enough
// from the others to be measured.
int CompareWithDrawing(const HeadPosition& head, long long instant) {
    ViewRenderer renderer(kWidth, kHeight);
    Picture street;
    Picture empty;
    EXPECT_TRUE(renderer.Render(street.canvas, head, instant));
    EXPECT_TRUE(renderer.Render(empty.canvas, head, instant, false));
    const double marginX = 0.02 * kWidth;
    const double marginY = 0.02 * kHeight;
    const std::vector<ViewTarget> targets = TargetsInView(head, kWidth, kHeight, instant);
    std::vector<PixelBox> boxes;
    for (const ViewTarget& target : targets) {
        boxes.push_back(ToPixels(target));
    }
    auto changed = [&](int x, int y) {
        return street.y[static_cast<size_t>(y * kWidth + x)] !=
               empty.y[static_cast<size_t>(y * kWidth + x)];
    };
    // Nothing is drawn that the analytics do not report.
    int strays = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!changed(x, y)) {
                continue;
            }
            const bool covered = std::any_of(boxes.begin(), boxes.end(), [&](const PixelBox& b) {
                return x >= b.left - marginX && x <= b.right + marginX && y >= b.top - marginY &&
                       y <= b.bottom + marginY;
            });
            strays += covered ? 0 : 1;
        }
    }
    EXPECT_EQ(strays, 0) << "pixels drawn outside every target";
    int measured = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const PixelBox& box = boxes[i];
        bool apart = true;
        for (size_t j = 0; j < boxes.size(); ++j) {
            apart = apart && (i == j || !Overlap(box, boxes[j], 2 * marginX));
        }
        if (!apart) {
            continue;
        }
        // The drawn extent in the box grown by the tolerance.
        int left = kWidth, right = -1, top = kHeight, bottom = -1;
        for (int y = std::max(0, static_cast<int>(box.top - marginY));
             y < std::min(kHeight, static_cast<int>(box.bottom + marginY)); ++y) {
            for (int x = std::max(0, static_cast<int>(box.left - marginX));
                 x < std::min(kWidth, static_cast<int>(box.right + marginX)); ++x) {
                if (changed(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
            }
        }
        ++measured;
        EXPECT_NEAR(left, box.left, marginX) << "target " << targets[i].id;
        EXPECT_NEAR(right, box.right, marginX) << "target " << targets[i].id;
        EXPECT_NEAR(top, box.top, marginY) << "target " << targets[i].id;
        EXPECT_NEAR(bottom, box.bottom, marginY) << "target " << targets[i].id;
    }
    return measured;
}

// The first instant, looking through `head`, at which a car and a walker
// are both in view.
long long BusyInstant(const HeadPosition& head) {
    long long instant = 1700000000LL * 1000000;
    for (int step = 0; step < 200; ++step, instant += 700000) {
        const auto targets = TargetsInView(head, kWidth, kHeight, instant);
        const bool car = std::any_of(targets.begin(), targets.end(),
                                     [](const ViewTarget& t) { return t.vehicle; });
        const bool walker = std::any_of(targets.begin(), targets.end(),
                                        [](const ViewTarget& t) { return !t.vehicle; });
        if (car && walker) {
            return instant;
        }
    }
    ADD_FAILURE() << "the street stays empty";
    return instant;
}

TEST(ViewTargets, BoxesMatchTheDrawingAtTwoViews) {
    for (const HeadPosition head : {HeadPosition{0, 0, 0}, HeadPosition{0.1, -0.3, 0.3}}) {
        EXPECT_GE(CompareWithDrawing(head, BusyInstant(head)), 1)
            << "pan " << head.pan << " zoom " << head.zoom;
    }
}

TEST(ViewTargets, BoxesAreInsideThePictureAndTellCarsFromWalkers) {
    const HeadPosition head{0, -0.2, 0};
    for (const ViewTarget& target : TargetsInView(head, kWidth, kHeight, BusyInstant(head))) {
        EXPECT_LT(target.left, target.right);
        EXPECT_LT(target.bottom, target.top);
        EXPECT_GE(target.left, -1);
        EXPECT_LE(target.top, 1);
        // Cars are long and low, walkers narrow and tall (in pixels).
        const PixelBox box = ToPixels(target);
        if (box.left > 0 && box.right < kWidth && box.bottom < kHeight) {
            EXPECT_EQ(target.vehicle, box.right - box.left > box.bottom - box.top);
        }
    }
}

}  // namespace
}  // namespace devsim::camera
