// The decoder's picture memory is reused only once no copy of a picture is
// left, and never outlives or confuses a window size.
#include <gtest/gtest.h>

#include <QImage>

#include "picture_pool.h"

namespace {

using vexoplay::PicturePool;

QImage Filled(PicturePool& pool, int width, int height, uint8_t value) {
    auto buffer = pool.Take(width, height);
    if (buffer == nullptr) {
        return {};
    }
    std::fill_n(buffer.get(), static_cast<size_t>(width) * height * 4, value);
    return pool.Wrap(std::move(buffer), width, height);
}

TEST(PicturePool, MemoryComesBackOnlyWhenTheLastCopyIsGone) {
    auto pool = std::make_shared<PicturePool>();
    QImage shown = Filled(*pool, 64, 32, 0x11);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(64, 32));
    EXPECT_EQ(shown.format(), QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(10, 10), qRgb(0x11, 0x11, 0x11));
    const uchar* memory = shown.constBits();

    QImage painting = shown;  // the window still paints it
    shown = QImage();
    EXPECT_EQ(pool->FreeCount(), 0u);
    // The next picture must not be converted into the one being painted.
    QImage next = Filled(*pool, 64, 32, 0x22);
    EXPECT_NE(next.constBits(), memory);
    EXPECT_EQ(painting.pixel(10, 10), qRgb(0x11, 0x11, 0x11));

    painting = QImage();
    EXPECT_EQ(pool->FreeCount(), 1u);
    QImage reused = Filled(*pool, 64, 32, 0x33);
    EXPECT_EQ(reused.constBits(), memory) << "the memory of the picture nobody holds";
    EXPECT_EQ(pool->FreeCount(), 0u);
}

TEST(PicturePool, ANewSizeDropsBuffersOfTheOldOne) {
    auto pool = std::make_shared<PicturePool>();
    QImage freed = Filled(*pool, 64, 32, 1);
    QImage onScreen = Filled(*pool, 64, 32, 2);
    freed = QImage();
    ASSERT_EQ(pool->FreeCount(), 1u);
    // The window was resized: pictures are converted to the new size.
    QImage large = Filled(*pool, 128, 64, 3);
    EXPECT_EQ(pool->FreeCount(), 0u);
    // The picture of the old size still on screen is not kept when it goes.
    onScreen = QImage();
    EXPECT_EQ(pool->FreeCount(), 0u);
    large = QImage();
    EXPECT_EQ(pool->FreeCount(), 1u);
}

TEST(PicturePool, KeepsAFewBuffersAndOutlivesItsOwner) {
    auto pool = std::make_shared<PicturePool>();
    std::vector<QImage> held;
    for (int i = 0; i < 6; ++i) {
        held.push_back(Filled(*pool, 32, 32, static_cast<uint8_t>(i)));
    }
    held.clear();
    EXPECT_EQ(pool->FreeCount(), PicturePool::kMaxFree);

    // The decoder (the pool's owner) goes while the window keeps a picture.
    QImage kept = Filled(*pool, 32, 32, 9);
    std::weak_ptr<PicturePool> watch = pool;
    pool.reset();
    EXPECT_FALSE(watch.expired()) << "the picture keeps its pool";
    EXPECT_EQ(kept.pixel(5, 5), qRgb(9, 9, 9));
    kept = QImage();
    EXPECT_TRUE(watch.expired());
}

}  // namespace
