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

}  // namespace liveview
