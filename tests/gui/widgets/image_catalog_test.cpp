// The PTZ pad masks of the image catalogue really shape the pad.
#include <gtest/gtest.h>

#include "gdip_button.h"
#include "image_catalog.h"

using namespace vexo;

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
