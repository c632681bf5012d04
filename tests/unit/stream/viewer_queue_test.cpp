// A viewer's queue: starts at a key frame, and a viewer that falls behind
// loses its backlog and resumes at the next key frame instead of holding
// the encoder up.

#include <gtest/gtest.h>

#include <thread>

#include "viewer_queue.h"

namespace {

using devsim::camera::FrameUnit;
using devsim::camera::ViewerQueue;
using namespace std::chrono_literals;

FrameUnit Unit(const std::string& text, bool key) {
    return {std::make_shared<const std::string>(text), key};
}

}  // namespace

TEST(ViewerQueueTest, StartsAtKeyFrameAndKeepsOrder) {
    ViewerQueue queue(4);
    queue.Offer(Unit("p0", false));
    queue.Offer(Unit("k1", true));
    queue.Offer(Unit("p2", false));
    EXPECT_EQ(*queue.Take(0ms), "k1");
    EXPECT_EQ(*queue.Take(0ms), "p2");
    EXPECT_EQ(queue.Take(0ms), nullptr);
    EXPECT_EQ(queue.Dropped(), 1u);
}

TEST(ViewerQueueTest, SlowViewerDropsBacklogAndResumesAtKeyFrame) {
    ViewerQueue queue(3);
    queue.Offer(Unit("k0", true));
    queue.Offer(Unit("p1", false));
    queue.Offer(Unit("p2", false));
    queue.Offer(Unit("p3", false));  // full: backlog goes, p3 is no key frame
    queue.Offer(Unit("p4", false));
    EXPECT_EQ(queue.Take(0ms), nullptr);
    queue.Offer(Unit("k5", true));
    queue.Offer(Unit("p6", false));
    EXPECT_EQ(*queue.Take(0ms), "k5");
    EXPECT_EQ(*queue.Take(0ms), "p6");
    EXPECT_EQ(queue.Dropped(), 5u);
}

TEST(ViewerQueueTest, CloseWakesWaitingTaker) {
    ViewerQueue queue(3);
    std::thread closer([&] {
        std::this_thread::sleep_for(50ms);
        queue.Close();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(queue.Take(5000ms), nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4000ms);
    EXPECT_TRUE(queue.Closed());
    closer.join();
    queue.Offer(Unit("k", true));
    EXPECT_EQ(queue.Take(0ms), nullptr);
}
