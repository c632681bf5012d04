// The play library's retained item list, through its C interface.
#include <gtest/gtest.h>

#include <QByteArray>
#include <thread>

#include "play_fixture.h"

namespace {

class PlayItems : public ::testing::Test, public PlayPortFixture {
protected:
    std::vector<Item> List() const {
        std::vector<Item> items;
        for (int32_t i = 0; i < Count(); ++i) {
            items.push_back(At(i));
        }
        return items;
    }
    int32_t AddLine() {
        int32_t pts[] = {0, 0, 10, 10, 20, 0};
        MultLineDesc d{pts, 3, 0xFF00, 0, 2, 0, 0};
        return VEXOPLAY_AddDrawMultLine(port, &d);
    }
};

}  // namespace

TEST(PlayPorts, PortNumbersAreUniqueAndLiveFromInitToClose) {
    VEXOPLAY_Init();
    auto open = [](const char* text) {
        const QByteArray b(text);
        return VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(b.data()),
                                   static_cast<int32_t>(b.size()));
    };
    EXPECT_LT(VEXOPLAY_OpenStream(nullptr, 10), 0);
    const int32_t a = open(R"({"codec":"mjpeg","width":320,"height":240})");
    const int32_t b = open(R"({"codec":"h264","width":320,"height":240})");
    EXPECT_GE(a, 0);
    EXPECT_NE(a, b) << "two open ports never share a number";
    EXPECT_EQ(VEXOPLAY_CloseStream(a), 1);
    EXPECT_EQ(VEXOPLAY_CloseStream(a), 0);
    EXPECT_EQ(VEXOPLAY_GetOverlayItemCount(a), -1) << "closing drops the items";
    EXPECT_EQ(VEXOPLAY_AddDrawMultLine(a, nullptr), -1);
    VEXOPLAY_CloseStream(b);
    VEXOPLAY_Cleanup();
    EXPECT_LT(open(R"({"codec":"h264","width":320,"height":240})"), 0) << "no ports before Init";
}

TEST_F(PlayItems, EditKeepsIdPlaceAndVisibilityButNotAcrossKinds) {
    const int32_t first = AddLine();
    const int32_t second = AddLine();
    EXPECT_EQ(VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_SHAPE, first, 0), 1);
    int32_t pts[] = {5, 5, 6, 6};
    MultLineDesc d{pts, 2, 0xFF0000, 0, 2, 0, 0};
    EXPECT_EQ(VEXOPLAY_EditDrawMultLine(port, first, &d), 1);
    auto items = List();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, first);
    EXPECT_EQ(items[0].shown, 0);
    EXPECT_EQ(items[1].id, second);

    // Ids are unique across kinds: a line's id names no rectangle.
    RectDesc rect{0, 0, 1, 1, 0, 0, 2};
    const int32_t box = VEXOPLAY_AddDrawRect(port, &rect);
    EXPECT_NE(box, first);
    EXPECT_NE(box, second);
    EXPECT_EQ(VEXOPLAY_EditDrawRect(port, first, &rect), 0);
    EXPECT_EQ(VEXOPLAY_DeleteDrawRect(port, box), 1);
    EXPECT_EQ(VEXOPLAY_DeleteDrawRect(port, first), 0);
    EXPECT_EQ(VEXOPLAY_ShowRenderGeometry(port, VEXOPLAY_CLASS_CIRCLE, first, 1), 0);
    EXPECT_EQ(VEXOPLAY_DeleteDrawMultLine(port, first), 1);
    EXPECT_EQ(VEXOPLAY_DeleteDrawMultLine(port, first), 0);
    items = List();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, second);
    EXPECT_GT(AddLine(), second) << "ids are never reused";
}

TEST_F(PlayItems, RefusesUnusableDescriptors) {
    EXPECT_EQ(VEXOPLAY_AddDrawMultLine(port, nullptr), -1);
    int32_t pts[] = {0, 0};
    MultLineDesc one{pts, 1, 0, 0, 2, 0, 0};
    EXPECT_EQ(VEXOPLAY_AddDrawMultLine(port, &one), -1);
    MultLineDesc huge{pts, 1 << 30, 0, 0, 2, 0, 0};
    EXPECT_EQ(VEXOPLAY_AddDrawMultLine(port, &huge), -1);
    int32_t quad[] = {0, 0, 1, 0, 1, 1, 0, 1, 2, 2};
    BlockDesc five{quad, 5, 0, 1.0f};
    int32_t id = 99;
    EXPECT_EQ(VEXOPLAY_AddBlockGeometry(port, &five, &id), 0);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(VEXOPLAY_AddDrawRect(port + 1000, nullptr), -1);
    EXPECT_EQ(VEXOPLAY_GetOverlayItemCount(port), 0);
}

TEST_F(PlayItems, ConcurrentAddsLoseNothing) {
    constexpr int kThreads = 4;
    constexpr int kPerThread = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([this] {
            for (int i = 0; i < kPerThread; ++i) {
                AddLine();
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    const auto items = List();
    ASSERT_EQ(items.size(), static_cast<size_t>(kThreads * kPerThread));
    for (size_t i = 1; i < items.size(); ++i) {
        EXPECT_LT(items[i - 1].id, items[i].id);
    }
}
