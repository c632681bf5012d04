// The pane's text conversions between device and pixel space, and the
// choices of its edit operations that depend only on texts.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "av_play_base.h"
#include "dlg_full.h"

TEST(PaneGeometry, RegionTextConvertsBothWays) {
    // Device space: origin at the centre, y up; a 200 x 100 window.
    const QString pixel = CAVPlayBase::DeviceToPixelText("3|(-1.0,1.0),(0.0,0.0),(1,-1)", 200, 100);
    EXPECT_EQ(pixel, "3|(0,0),(100,50),(200,100)");
    EXPECT_EQ(CAVPlayBase::PixelToDeviceGeometry(pixel, 200, 100),
              "3|(-1.000000,1.000000),(0.000000,0.000000),(1.000000,-1.000000)");
    // A count of 0 keeps the text after the bar as it was.
    EXPECT_EQ(CAVPlayBase::DeviceToPixelText("0|whatever (1,2)", 200, 100), "0|whatever (1,2)");
    // Malformed device text gives no points, never a crash.
    EXPECT_EQ(CAVPlayBase::DeviceToPixelText("4|(x,y),(1e999", 200, 100), "4|");
}

TEST(PaneGeometry, WireAndNumberedRegionChoices) {
    EXPECT_EQ(CAVPlayBase::WireDrawText("2|(1,2),(3,4)", "any", false), "0|(1,2),(3,4)");
    EXPECT_EQ(CAVPlayBase::WireDrawText("2|(1,2),(3,4)", "Left", false), "2|(1,2),(3,4)");
    EXPECT_EQ(CAVPlayBase::WireDrawText("2|(1,2),(3,4)", "Any", true), "1|(1,2),(3,4)");
    EXPECT_EQ(CAVPlayBase::NumberedRegionLabel("Detection Region"), 0);
    EXPECT_EQ(CAVPlayBase::NumberedRegionLabel("Region 3"), 3);
    EXPECT_EQ(CAVPlayBase::NumberedRegionLabel("Zone 1 of 4"), 4);
    EXPECT_EQ(CAVPlayBase::NumberedRegionLabel("2"), 0);
}

TEST(PaneGeometry, WithoutSessionStoredGeometrySurvivesEditing) {
    CAVPlayBase pane;
    pane.SetGeometry("Detection Region", "4|(0,0),(1,0),(1,1),(0,1)",
                     CAVPlayBase::kVerbatimGeometry);
    pane.SetGeometry("Direction", "Left", CAVPlayBase::kValueText);
    pane.EditRegion(true, "Detection Region");
    EXPECT_EQ(pane.EditStateNow(), CAVPlayBase::kRegion);
    EXPECT_EQ(pane.Geometry().at("Detection Region").editing, 1);
    pane.EditRegion(false, "Detection Region");
    EXPECT_EQ(pane.EditStateNow(), CAVPlayBase::kIdle);
    EXPECT_EQ(pane.Geometry().at("Detection Region").text, "4|(0,0),(1,0),(1,1),(0,1)");
    EXPECT_EQ(pane.Values().at("Direction"), "Left");
}

TEST(FullWindowVideo, DoubleClickReturnsTheBorrowedWindow) {
    QWidget page;
    page.resize(400, 300);
    auto* video = new QWidget(&page);
    video->setGeometry(10, 20, 160, 90);
    page.show();
    CDlgFull full;
    full.BorrowWindow(video, -1);
    EXPECT_EQ(video->parentWidget(), &full);
    EXPECT_TRUE(full.isVisible());
    QTest::mouseDClick(video, Qt::LeftButton);
    EXPECT_EQ(video->parentWidget(), &page);
    EXPECT_EQ(video->geometry(), QRect(10, 20, 160, 90));
    EXPECT_FALSE(full.isVisible());
}
