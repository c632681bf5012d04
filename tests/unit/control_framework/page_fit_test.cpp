// How a video page fits windows of other sizes: the video window grows at
// its proportions, its neighbours follow it, the bottom row stays inside a
// low page, and controls the parts move or create later are placed too.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "av_play_base.h"
#include "page_fit.h"

using vexo::PageFit;

namespace {

// The smart configuration page's layout, reduced to one control per rule.
const QRect kVideo{10, 164, 640, 360};
const QRect kPanel{660, 200, 610, 420};
const QRect kSave{1054, 626, 100, 36};
const QRect kBelow{10, 560, 640, 100};
const QRect kPlay{266, 526, 48, 30};
const QRect kAdd{940, 125, 64, 30};
const QRect kFunction{660, 42, 130, 36};

class PageFitTest : public testing::Test {
protected:
    PageFitTest() {
        page_.resize(PageFit::kDefaultPage);
        video_ = Child(kVideo);
        panel_ = Child(kPanel);
        save_ = Child(kSave);
        below_ = Child(kBelow);
        play_ = Child(kPlay);
        add_ = Child(kAdd);
        function_ = Child(kFunction);
        PageFit::Layout layout;
        layout.video = kVideo;
        layout.belowBottom = kBelow.bottom();
        layout.columnBottom = kSave.bottom();
        layout.liftLine = kSave.top();
        layout.anchored = {QRect(940, 118, 340, 46)};
        fit_ = new PageFit(&page_, layout, [this](const QRect& video) {
            video_->setGeometry(video);
            ++videoPlacements_;
        });
        fit_->SetVideo(video_, {play_});
        page_.show();
        fit_->Apply();
    }

    QWidget* Child(const QRect& rect) {
        auto* child = new QWidget(&page_);
        child->setGeometry(rect);
        return child;
    }
    void Resize(int width, int height) {
        page_.resize(width, height);
        QCoreApplication::processEvents();
    }

    QWidget page_;
    PageFit* fit_ = nullptr;  // a child of the page
    QWidget* video_ = nullptr;
    QWidget* panel_ = nullptr;
    QWidget* save_ = nullptr;
    QWidget* below_ = nullptr;
    QWidget* play_ = nullptr;
    QWidget* add_ = nullptr;
    QWidget* function_ = nullptr;
    int videoPlacements_ = 0;
};

TEST_F(PageFitTest, ALargerPageGrowsTheVideoAndMovesItsNeighbours) {
    Resize(1600, 950);
    EXPECT_EQ(videoPlacements_ > 1 ? video_->geometry() : QRect(), QRect(10, 164, 960, 540));
    EXPECT_EQ(panel_->geometry(), kPanel.translated(320, 0));
    EXPECT_EQ(below_->geometry(), kBelow.translated(0, 180));
    EXPECT_EQ(play_->geometry(), kPlay.translated(160, 180)) << "centred under the video";
    EXPECT_EQ(add_->geometry(), kAdd.translated(320, 0)) << "kept to the right edge";
    EXPECT_EQ(function_->geometry(), kFunction) << "the function bar is no zone of the edge";
    EXPECT_EQ(fit_->Map(kPanel), panel_->geometry()) << "what the page paints goes along";

    // The room below the video limits it in a wide, low page: what stands
    // below it keeps inside.
    Resize(1920, 800);
    EXPECT_EQ(video_->geometry(), QRect(10, 164, 864, 486));
    EXPECT_EQ(below_->geometry(), kBelow.translated(0, 126));
    EXPECT_LE(below_->geometry().bottom(), 800 - 8);
}

TEST_F(PageFitTest, ALowPageShortensThePanelAboveTheLiftedRow) {
    Resize(1024, 650);
    const QRect save = save_->geometry();
    EXPECT_LE(save.bottom(), 650 - 1);
    const QRect panel = panel_->geometry();
    EXPECT_EQ(panel.top(), kPanel.top());
    EXPECT_LT(panel.bottom(), save.top()) << "the panel gives up height for the row below it";
    Resize(1280, 750);
    EXPECT_EQ(save_->geometry(), kSave) << "back at the default size, back in place";
    EXPECT_EQ(panel_->geometry(), kPanel);
}

TEST_F(PageFitTest, ControlsThePartsMoveOrCreateLaterArePlacedToo) {
    Resize(1600, 950);
    // A part moves its control to another place of the default page.
    panel_->move(660, 210);
    EXPECT_EQ(panel_->geometry(), QRect(980, 210, 610, 420));
    // A part builds a new control, hidden, and shows it.
    auto* late = new QWidget(&page_);
    late->hide();
    late->setGeometry(700, 300, 50, 20);
    late->show();
    EXPECT_EQ(late->geometry(), QRect(1020, 300, 50, 20));
    // A hidden control moved by its part is placed when it shows.
    save_->hide();
    save_->move(1054, 600);
    save_->show();
    EXPECT_EQ(save_->geometry().topLeft(), QPoint(1374, 600));
    // And every one of them follows the next change of size.
    Resize(1280, 750);
    EXPECT_EQ(panel_->geometry(), QRect(660, 210, 610, 420));
    EXPECT_EQ(late->geometry(), QRect(700, 300, 50, 20));
    EXPECT_EQ(save_->geometry().topLeft(), QPoint(1054, 600));
}

TEST(PageFitGrowth, KeepsThePicturesProportionsToThePixel) {
    EXPECT_EQ(PageFit::VideoGrowth(PageFit::kDefaultPage, kVideo, kBelow.bottom()), QSize(0, 0));
    for (int width = 800; width <= 2560; width += 37) {
        for (int height = 500; height <= 1440; height += 41) {
            const QSize growth = PageFit::VideoGrowth({width, height}, kVideo, kBelow.bottom());
            const QSize video = kVideo.size() + growth;
            SCOPED_TRACE(testing::Message() << width << "x" << height);
            EXPECT_EQ(video.width() * 9, video.height() * 16);
            EXPECT_GE(video.width(), kVideo.width() / 2);
            if (video.width() > kVideo.width() / 2) {
                EXPECT_LE(kVideo.right() + growth.width(), kVideo.right() + width - 1280);
                EXPECT_LE(kBelow.bottom() + growth.height(), height - 8);
            }
        }
    }
}

TEST(PanePlaceVideo, PixelGeometryFollowsTheWindowsSize) {
    QWidget page;
    CAVPlayBase pane;
    pane.SetParentWnd(&page);
    pane.CreateVideoWindow(QRect(10, 20, 200, 100));
    pane.SetGeometry("Detection Region", "3|(-1.0,1.0),(0.0,0.0),(1,-1)",
                     CAVPlayBase::kRegionGeometry);
    const QString device = pane.GetGeometry("Detection Region");
    pane.PlaceVideo(QRect(10, 20, 400, 200));
    EXPECT_EQ(pane.VideoWindow()->geometry(), QRect(10, 20, 400, 200));
    EXPECT_EQ(pane.Geometry().at("Detection Region").text, "3|(0,0),(200,100),(400,200)");
    EXPECT_EQ(pane.GetGeometry("Detection Region"), device);
}

}  // namespace
