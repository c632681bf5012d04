#pragma once
// Where the picture lies in the video frame: as large as the frame allows
// with the picture's own proportions, centred, the rest left black. The
// play library stretches the picture over the whole window it is given, so
// the window itself must have the picture's proportions.

#include <QRect>
#include <QSize>

namespace liveview {

// The largest rectangle of the picture's aspect that fits in `area`, centred
// in it. A picture size without area (no picture yet) fills the whole area;
// an empty area gives an empty rectangle.
QRect FitPicture(const QSize& area, const QSize& picture);

// The fitted rectangle made up to 31 pixels narrower, its height following
// the picture's proportions, so that its width is a multiple of 16 and its
// left edge, counted from the window's left edge (`originX` is where the
// frame starts in the window), a multiple of 4. The play library then
// converts each picture straight into the window's pixels instead of
// converting and copying it. Centred to within 2 pixels; a rectangle
// narrower than 64 pixels stays as it is.
QRect AlignForDirectPaint(const QRect& fitted, const QSize& picture, int originX);

}  // namespace liveview
