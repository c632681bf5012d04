#pragma once
// PageFit: how a page with a live video fits a window of any size. The
// page's parts place their controls in the page pixels of the default
// window (1280 x 800, a page of 1280 x 750) and never think of other sizes;
// the fit moves the page's direct children to where they belong in the
// page's real size:
//
//  - the video window grows (or shrinks) at its picture's proportions, as
//    far as the page's width and the room below the video allow;
//  - the column beside the video (right of it, from its top down) moves
//    across with the video's right edge;
//  - what stands below the video moves down with its bottom edge; the
//    play and stop buttons stay centred under it;
//  - controls of the bands above the video that stand right of it (the
//    title band's buttons, the rule bar's Add and Del) keep their distance
//    to the page's right edge;
//  - in a window lower than the column beside the video, the column's
//    bottom row (Save, Recover) moves up and the panels above it get
//    shorter (they scroll), so that nothing is cut off.
//
// At the default size every control stays where its part put it. A part
// may create, move or rebuild its controls at any time in default-page
// pixels: the fit notices each move of a direct child and places it again.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <vector>

class QWidget;

namespace vexo {

class PageFit : public QObject {
public:
    struct Layout {
        QRect video;           // the video window in the default page
        int belowBottom = 0;   // the lowest pixel of what stands below the video
        int columnBottom = 0;  // the lowest pixel of the column beside the video
        int liftLine = 0;      // the top of the column's bottom row
        // Zones above the video whose controls keep to the right edge: a
        // control belongs to the zone its top-left corner lies in.
        std::vector<QRect> anchored;
    };

    static constexpr QSize kDefaultPage{1280, 750};

    // Watches the children of `page` from now on. `placeVideo` is called
    // with the video window's new rectangle (the page moves the window and
    // rescales what is drawn on it).
    PageFit(QWidget* page, Layout layout, std::function<void(const QRect&)> placeVideo);

    // The video window (placed by `placeVideo`, never moved here) and the
    // widgets centred under it.
    void SetVideo(QWidget* video, std::vector<QWidget*> centred);
    // The page's size changed: places the video and every child again.
    void Apply();

    // Where a control placed at `base` (default-page pixels) stands now.
    QRect Map(const QRect& base) const;
    QRect Video() const { return layout_.video.adjusted(0, 0, growth_.width(), growth_.height()); }
    QSize Growth() const { return growth_; }

    // The growth of a video of `video` (default-page pixels) in a page of
    // `page`: keeps the picture's proportions exactly; zero at the default
    // page.
    static QSize VideoGrowth(const QSize& page, const QRect& video, int belowBottom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* child);
    void Place(QWidget* child);
    bool IsCentred(const QWidget* child) const;

    QPointer<QWidget> page_;
    Layout layout_;
    std::function<void(const QRect&)> placeVideo_;
    QPointer<QWidget> video_;
    std::vector<QPointer<QWidget>> centred_;
    QSize growth_;
    int anchorShift_ = 0;
    int lift_ = 0;
    bool placing_ = false;
};

}  // namespace vexo
