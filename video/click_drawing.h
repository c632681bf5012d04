#pragma once
// Drawing a new shape with the mouse, as a drawing tool does it: which
// presses, moves and releases make which points, and when the shape is
// done. Pure arithmetic on video pixels; the renderer shows the result.
//
//   polygon    a press per corner; a press on the start point (its 18-pixel
//              square), a double click or the eighth point closes it
//   rectangle  press, drag, release (both sides at least one pixel)
//   two clicks the first press sets the start, the second the end (a press,
//              drag and release farther than a click's wobble also does)
//   one click  a press sets the point

#include <vector>

#include "geometry_records.h"

namespace vexo {

enum class DrawGesture { Polygon, Rectangle, TwoClicks, OneClick };

class ClickDrawing {
public:
    enum class Step { Ignored, Changed, Finished };

    static constexpr int kStartSnapSize = 18;
    // A release this far from its press (either axis) ends a two-click
    // shape as a drag; closer, it is part of the first click.
    static constexpr int kClickWobble = 4;

    explicit ClickDrawing(DrawGesture gesture) : gesture_(gesture) {}

    Step Press(GeoPoint p);
    Step Release(GeoPoint p);
    // The cursor moved (with or without the button held).
    Step Move(GeoPoint p);
    // The second press of a double click (the first came through Press).
    Step DoubleClick(GeoPoint p);
    // Ends the drawing where a finished shape can be made of what there is
    // (a polygon of three points or more); false otherwise.
    bool Close();

    DrawGesture Gesture() const { return gesture_; }
    bool Started() const { return !points_.empty(); }
    bool Finished() const { return finished_; }
    // The shape's points: the polygon's corners so far, the rectangle's four
    // corners (top-left, bottom-left, bottom-right, top-right), the line's
    // start and end, the point.
    const std::vector<GeoPoint>& Points() const { return points_; }
    // Where the outline of a polygon in progress ends: the cursor, or the
    // start point when the cursor is on it.
    GeoPoint Cursor() const { return cursor_; }

private:
    Step PressPolygon(GeoPoint p);
    Step PressTwoClicks(GeoPoint p);
    void SetCorners(GeoPoint a, GeoPoint b);
    bool OnStart(GeoPoint p) const;

    DrawGesture gesture_;
    std::vector<GeoPoint> points_;
    GeoPoint anchor_;             // the rectangle's press, the line's first press
    bool held_ = false;           // the button is down since a press of this drawing
    bool secondPending_ = false;  // a two-click line waits for its end
    bool finished_ = false;
    GeoPoint cursor_;
};

}  // namespace vexo
