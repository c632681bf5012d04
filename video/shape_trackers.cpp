#include "shape_trackers.h"

#include <algorithm>

#include "geometry_forms.h"
#include "overlay_items.h"
#include "shape_hit.h"

namespace vexo {

namespace {

GeoPoint ToGeo(QPoint p) {
    return {p.x(), p.y()};
}

// Shifts count points so that point 0 lands on target; all or nothing.
template <typename AcceptFn>
bool ShiftAll(GeoPoint* points, int count, GeoPoint target, AcceptFn accepts) {
    const int64_t dx = int64_t{target.x} - points[0].x;
    const int64_t dy = int64_t{target.y} - points[0].y;
    GeoPoint moved[kMaxPolygonPoints];
    for (int i = 0; i < count; ++i) {
        moved[i] = {static_cast<int32_t>(points[i].x + dx), static_cast<int32_t>(points[i].y + dy)};
        if (!accepts(moved[i])) {
            return false;
        }
    }
    std::copy(moved, moved + count, points);
    return true;
}

// Moves one end of a line (startHandle, startHandle + 1) or, for
// startHandle + 2, the whole line so that its start lands on target. Returns
// false when the move is refused or the handle is not one of the three.
template <typename AcceptFn>
bool MoveLineHandle(LineRecord& record, int startHandle, int handle, GeoPoint target,
                    AcceptFn accepts) {
    if (handle == startHandle || handle == startHandle + 1) {
        if (!accepts(target)) {
            return false;
        }
        (handle == startHandle ? record.start : record.end) = target;
        return true;
    }
    if (handle == startHandle + 2) {
        GeoPoint ends[2] = {record.start, record.end};
        if (!ShiftAll(ends, 2, target, accepts)) {
            return false;
        }
        record.start = ends[0];
        record.end = ends[1];
        return true;
    }
    return false;
}

void FollowPointZero(PolygonRecord& record) {
    if (record.count < kMaxPolygonPoints) {
        record.points[kMaxPolygonPoints - 1] = record.points[0];
    }
}

int PolygonCorner(const PolygonRecord& record, int count, GeoPoint cursor, int size) {
    for (int i = 0; i < count; ++i) {
        if (hit::OnHandle(record.points[i], cursor, size)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

// Rectangle.

int CRectShapeTracker::HitTest(QPoint point) const {
    if (record_ == nullptr || record_->editable == 0) {
        return -1;
    }
    const GeoPoint cursor = ToGeo(point);
    const int corner = PolygonCorner(*record_, 4, cursor, GetHandleSize());
    if (corner >= 0) {
        return corner;
    }
    return hit::PointInPolygon(cursor, record_->points, 4) ? 4 : -1;
}

void CRectShapeTracker::GetHandlePoint(int handle, int& x, int& y) const {
    const GeoPoint p = record_->points[handle >= 0 && handle < 4 ? handle : 0];
    x = p.x;
    y = p.y;
}

void CRectShapeTracker::MoveHandleTo(int handle, int x, int y) {
    if (record_ == nullptr || record_->editable == 0 || handle < 0 || handle > 4) {
        return;
    }
    GeoPoint* p = record_->points;
    const GeoPoint target{x, y};
    if (handle == 4) {
        if (!ShiftAll(p, 4, target, [this](GeoPoint q) { return Accepts(q); })) {
            return;
        }
    } else {
        // The corner's neighbours follow along the side they share with it,
        // so the rectangle stays axis-parallel and the opposite corner stays.
        const int prev = (handle + 3) % 4;
        const int next = (handle + 1) % 4;
        GeoPoint corners[4] = {p[0], p[1], p[2], p[3]};
        const GeoPoint old = p[handle];
        const bool nextSharesX =
            p[next].x == old.x && p[next].y != old.y
                ? true
                : (p[next].y == old.y && p[next].x != old.x ? false : handle % 2 == 1);
        corners[handle] = target;
        if (nextSharesX) {
            corners[next].x = target.x;
            corners[prev].y = target.y;
        } else {
            corners[next].y = target.y;
            corners[prev].x = target.x;
        }
        for (int i : {prev, handle, next}) {
            if (!Accepts(corners[i])) {
                return;
            }
        }
        std::copy(corners, corners + 4, p);
    }
    FollowPointZero(*record_);
    overlay::RedrawPolygon(Port(), Items(), *record_);
}

bool CRectShapeTracker::SnapTargets(int handle, std::vector<GeoPoint>&) const {
    // A corner's neighbours follow it: only the frame's edges pull it.
    return handle >= 0 && handle < 4;
}

// Region.

int CRegionShapeTracker::HitTest(QPoint point) const {
    if (record_ == nullptr || record_->editable == 0) {
        return -1;
    }
    const int count = std::clamp(record_->count, 0, kMaxPolygonPoints);
    const GeoPoint cursor = ToGeo(point);
    const int corner = PolygonCorner(*record_, count, cursor, GetHandleSize());
    if (corner >= 0) {
        return corner;
    }
    return hit::PointInPolygon(cursor, record_->points, count) ? count : -1;
}

void CRegionShapeTracker::GetHandlePoint(int handle, int& x, int& y) const {
    const GeoPoint p = record_->points[handle >= 0 && handle < record_->count ? handle : 0];
    x = p.x;
    y = p.y;
}

void CRegionShapeTracker::MoveHandleTo(int handle, int x, int y) {
    if (record_ == nullptr || record_->editable == 0) {
        return;
    }
    const int count = std::clamp(record_->count, 0, kMaxPolygonPoints);
    const GeoPoint target{x, y};
    if (handle >= 0 && handle < count) {
        if (!Accepts(target)) {
            return;
        }
        record_->points[handle] = target;
    } else if (handle == count && count > 0) {
        if (!ShiftAll(record_->points, count, target, [this](GeoPoint q) { return Accepts(q); })) {
            return;
        }
    } else {
        return;
    }
    FollowPointZero(*record_);
    overlay::RedrawPolygon(Port(), Items(), *record_);
}

bool CRegionShapeTracker::SnapTargets(int handle, std::vector<GeoPoint>& others) const {
    const int count = record_ == nullptr ? 0 : std::clamp(record_->count, 0, kMaxPolygonPoints);
    if (handle < 0 || handle >= count) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (i != handle) {
            others.push_back(record_->points[i]);
        }
    }
    return true;
}

// Wire.

int CWireShapeTracker::HitTest(QPoint point) const {
    if (record_ == nullptr) {
        return -1;
    }
    const GeoPoint cursor = ToGeo(point);
    if (hit::OnHandle(record_->start, cursor, GetHandleSize())) {
        return 1;
    }
    if (hit::OnHandle(record_->end, cursor, GetHandleSize())) {
        return 2;
    }
    if (hit::DistanceToSegment(cursor, record_->start, record_->end) < GetHandleSize()) {
        return 3;
    }
    return hit::PointInPolygon(cursor, Band(), 4) ? 4 : -1;
}

void CWireShapeTracker::GetHandlePoint(int handle, int& x, int& y) const {
    const GeoPoint p = handle == 2 ? record_->end : record_->start;
    x = p.x;
    y = p.y;
}

void CWireShapeTracker::MoveHandleTo(int handle, int x, int y) {
    if (record_ == nullptr) {
        return;
    }
    // Wire handles: 1 start, 2 end, 3 the whole line.
    if (!MoveLineHandle(*record_, 1, handle, GeoPoint{x, y},
                        [this](GeoPoint q) { return Accepts(q); })) {
        return;
    }
    geometry::ComputeArrows(*record_);
    geometry::ComputeBand(*record_, record_->box.height());
    SetBand(record_->band);
    overlay::RedrawLine(Port(), Items(), *record_);
}

bool CWireShapeTracker::SnapTargets(int handle, std::vector<GeoPoint>& others) const {
    if (record_ == nullptr || (handle != 1 && handle != 2)) {
        return false;
    }
    others.push_back(handle == 1 ? record_->end : record_->start);
    return true;
}

// Line.

int CLineShapeTracker::HitTest(QPoint point) const {
    if (record_ == nullptr) {
        return -1;
    }
    constexpr int kEndSize = 10;
    const GeoPoint cursor = ToGeo(point);
    if (hit::OnHandle(record_->start, cursor, kEndSize)) {
        return 0;
    }
    if (hit::OnHandle(record_->end, cursor, kEndSize)) {
        return 1;
    }
    if (hit::DistanceToSegment(cursor, record_->start, record_->end) < GetHandleSize() ||
        hit::PointInPolygon(cursor, Band(), 4)) {
        return 2;
    }
    return -1;
}

void CLineShapeTracker::GetHandlePoint(int handle, int& x, int& y) const {
    const GeoPoint p = handle == 1 ? record_->end : record_->start;
    x = p.x;
    y = p.y;
}

void CLineShapeTracker::MoveHandleTo(int handle, int x, int y) {
    if (record_ == nullptr) {
        return;
    }
    // Line handles: 0 start, 1 end, 2 the whole line.
    if (!MoveLineHandle(*record_, 0, handle, GeoPoint{x, y},
                        [this](GeoPoint q) { return Accepts(q); })) {
        return;
    }
    overlay::RedrawLine(Port(), Items(), *record_);
}

bool CLineShapeTracker::SnapTargets(int handle, std::vector<GeoPoint>& others) const {
    if (record_ == nullptr || (handle != 0 && handle != 1)) {
        return false;
    }
    others.push_back(handle == 0 ? record_->end : record_->start);
    return true;
}

// Point.

void CPointShapeTracker::GetHandlePoint(int, int& x, int& y) const {
    x = record_->point.x;
    y = record_->point.y;
}

void CPointShapeTracker::MoveHandleTo(int, int x, int y) {
    if (record_ == nullptr) {
        return;
    }
    record_->point = {x, y};
    overlay::RedrawPoint(Port(), Items(), *record_);
}

bool CPointShapeTracker::SnapTargets(int, std::vector<GeoPoint>&) const {
    return true;
}

}  // namespace vexo
