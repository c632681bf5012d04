#include "click_drawing.h"

#include <algorithm>
#include <cstdlib>

#include "shape_hit.h"

namespace vexo {

bool ClickDrawing::OnStart(GeoPoint p) const {
    return !points_.empty() && hit::OnHandle(points_.front(), p, kStartSnapSize);
}

void ClickDrawing::SetCorners(GeoPoint a, GeoPoint b) {
    const int32_t left = std::min(a.x, b.x);
    const int32_t right = std::max(a.x, b.x);
    const int32_t top = std::min(a.y, b.y);
    const int32_t bottom = std::max(a.y, b.y);
    // The order a rectangle row keeps: corner 0 and corner 2 opposite.
    points_ = {{left, top}, {left, bottom}, {right, bottom}, {right, top}};
}

ClickDrawing::Step ClickDrawing::Press(GeoPoint p) {
    if (finished_) {
        return Step::Ignored;
    }
    switch (gesture_) {
        case DrawGesture::Polygon:
            return PressPolygon(p);
        case DrawGesture::Rectangle:
            anchor_ = p;
            held_ = true;
            SetCorners(p, p);
            return Step::Changed;
        case DrawGesture::TwoClicks:
            return PressTwoClicks(p);
        case DrawGesture::OneClick:
            points_ = {p};
            finished_ = true;
            return Step::Finished;
    }
    return Step::Ignored;
}

ClickDrawing::Step ClickDrawing::PressPolygon(GeoPoint p) {
    cursor_ = p;
    if (points_.empty()) {
        points_.push_back(p);
        return Step::Changed;
    }
    if (points_.size() >= 3 && OnStart(p)) {
        finished_ = true;
        return Step::Finished;
    }
    if (p == points_.back()) {
        return Step::Ignored;  // a second press on the same pixel adds no corner
    }
    points_.push_back(p);
    if (points_.size() >= static_cast<size_t>(kMaxPolygonPoints)) {
        finished_ = true;
        return Step::Finished;
    }
    return Step::Changed;
}

ClickDrawing::Step ClickDrawing::PressTwoClicks(GeoPoint p) {
    if (points_.empty()) {
        points_ = {p, p};
        anchor_ = p;
        held_ = true;
        secondPending_ = true;
        return Step::Changed;
    }
    if (p == points_.front()) {
        return Step::Ignored;  // a line needs two distinct ends
    }
    points_[1] = p;
    finished_ = true;
    return Step::Finished;
}

ClickDrawing::Step ClickDrawing::Release(GeoPoint p) {
    if (finished_ || !held_) {
        return Step::Ignored;
    }
    held_ = false;
    if (gesture_ == DrawGesture::Rectangle) {
        SetCorners(anchor_, p);
        if (points_[0].x != points_[2].x && points_[0].y != points_[2].y) {
            finished_ = true;
            return Step::Finished;
        }
        points_.clear();  // a click without a drag: wait for a real one
        return Step::Changed;
    }
    if (gesture_ == DrawGesture::TwoClicks && secondPending_) {
        const bool dragged = std::abs(int64_t{p.x} - anchor_.x) > kClickWobble ||
                             std::abs(int64_t{p.y} - anchor_.y) > kClickWobble;
        if (dragged) {
            points_[1] = p;
            finished_ = true;
            return Step::Finished;
        }
    }
    return Step::Ignored;
}

ClickDrawing::Step ClickDrawing::Move(GeoPoint p) {
    if (finished_ || points_.empty()) {
        return Step::Ignored;
    }
    switch (gesture_) {
        case DrawGesture::Polygon:
            cursor_ = OnStart(p) && points_.size() >= 3 ? points_.front() : p;
            return Step::Changed;
        case DrawGesture::Rectangle:
            if (!held_) {
                return Step::Ignored;
            }
            SetCorners(anchor_, p);
            return Step::Changed;
        case DrawGesture::TwoClicks:
            points_[1] = p;
            return Step::Changed;
        case DrawGesture::OneClick:
            break;
    }
    return Step::Ignored;
}

ClickDrawing::Step ClickDrawing::DoubleClick(GeoPoint p) {
    if (finished_) {
        return Step::Ignored;
    }
    if (gesture_ == DrawGesture::Polygon && points_.size() >= 3) {
        finished_ = true;
        return Step::Finished;
    }
    return Press(p);
}

bool ClickDrawing::Close() {
    if (!finished_ && gesture_ == DrawGesture::Polygon && points_.size() >= 3) {
        finished_ = true;
    }
    return finished_;
}

}  // namespace vexo
