// The pictures the pages ask for by number: present, at the sizes the page
// layouts rely on, and PTZ pad masks that really shape the pad.
#include <gtest/gtest.h>

#include "gdip_button.h"
#include "image_catalog.h"

using namespace vexo;

TEST(ImageCatalog, EveryNumberThePagesUseHasAPicture) {
    const int numbers[] = {
        // header, tabs, function bar, engine rows, save/recover, add/del
        686, 687, 677, 678, 249, 250, 542, 541, 540, 539, 261, 260, 239, 238, 545, 544, 246,
        // index page
        229, 676, 218, 219, 220, 221, 222, 223, 224, 225, 460, 461, 655, 226, 237, 696, 265, 232,
        // PTZ lens rows and preset, video pane
        662, 663, 664, 665, 666, 667, 668, 669, 670, 671, 672, 673, 658, 660, 685, 645, 646, 647,
        648,
        // drawing tools
        552, 568, 569, 555, 560, 572, 573, 563, 556, 570, 571, 559, 564, 574, 575, 567, 688, 689,
        // unknown function
        653};
    for (int number : numbers) {
        EXPECT_TRUE(HasImageId(number)) << number;
        EXPECT_FALSE(ImageById(number).isNull()) << number;
    }
    EXPECT_FALSE(HasImageId(4242));
    EXPECT_TRUE(ImageById(4242).isNull());
}

TEST(ImageCatalog, PadMasksCutTheRingIntoEightSeparateWedges) {
    QRegion seen;
    for (int direction = 0; direction < 8; ++direction) {
        const QRegion wedge =
            CGdipButton::RegionFromMask(RasterImageById(720 + direction), qRgb(255, 0, 255));
        ASSERT_FALSE(wedge.isEmpty()) << direction;
        EXPECT_TRUE(seen.intersected(wedge).isEmpty()) << "wedge " << direction << " overlaps";
        seen += wedge;
    }
    const QSize pad = ImageSizeById(720);
    const QPoint centre(pad.width() / 2, pad.height() / 2);
    EXPECT_FALSE(seen.contains(centre));
    EXPECT_TRUE(seen.contains(centre + QPoint(0, -50)));  // up
    EXPECT_TRUE(seen.contains(centre + QPoint(50, 0)));   // right
    // The "up" wedge is the first one.
    const QRegion up = CGdipButton::RegionFromMask(RasterImageById(720), qRgb(255, 0, 255));
    EXPECT_TRUE(up.contains(centre + QPoint(0, -50)));
    EXPECT_FALSE(up.contains(centre + QPoint(0, 50)));
}
