#pragma once
// The five shape trackers, one per kind of rule geometry.
//
// Handles: rectangle 0..3 corners (0 and 2 opposite), 4 the whole shape;
// region 0..N-1 points, N the whole shape; wire 1 start, 2 end, 3 the whole
// line, 4 the band; line 0 start, 1 end, 2 the whole line; point 1.

#include "shape_tracker.h"

namespace vexo {

class CRectShapeTracker : public CShapeTracker {
public:
    CRectShapeTracker(int32_t port, ItemList items, PolygonRecord* record)
        : CShapeTracker(port, std::move(items)), record_(record) {}
    int HitTest(QPoint point) const override;
    void GetHandlePoint(int handle, int& x, int& y) const override;
    void MoveHandleTo(int handle, int x, int y) override;
    bool SnapTargets(int handle, std::vector<GeoPoint>& others) const override;

private:
    PolygonRecord* record_;
};

class CRegionShapeTracker : public CShapeTracker {
public:
    CRegionShapeTracker(int32_t port, ItemList items, PolygonRecord* record)
        : CShapeTracker(port, std::move(items)), record_(record) {}
    int HitTest(QPoint point) const override;
    void GetHandlePoint(int handle, int& x, int& y) const override;
    void MoveHandleTo(int handle, int x, int y) override;
    bool SnapTargets(int handle, std::vector<GeoPoint>& others) const override;
    void SetShapePointer(void* record) override { record_ = static_cast<PolygonRecord*>(record); }

private:
    PolygonRecord* record_;
};

class CWireShapeTracker : public CShapeTracker {
public:
    CWireShapeTracker(int32_t port, ItemList items, LineRecord* record)
        : CShapeTracker(port, std::move(items)), record_(record) {}
    int HitTest(QPoint point) const override;
    void GetHandlePoint(int handle, int& x, int& y) const override;
    void MoveHandleTo(int handle, int x, int y) override;
    bool SnapTargets(int handle, std::vector<GeoPoint>& others) const override;

private:
    LineRecord* record_;
};

// Edits only the two end points of a line record; its arrows and band stay
// where they were drawn.
class CLineShapeTracker : public CShapeTracker {
public:
    CLineShapeTracker(int32_t port, ItemList items, LineRecord* record)
        : CShapeTracker(port, std::move(items)), record_(record) {}
    int HitTest(QPoint point) const override;
    void GetHandlePoint(int handle, int& x, int& y) const override;
    void MoveHandleTo(int handle, int x, int y) override;
    bool SnapTargets(int handle, std::vector<GeoPoint>& others) const override;
    void SetShapePointer(void* record) override { record_ = static_cast<LineRecord*>(record); }

private:
    LineRecord* record_;
};

class CPointShapeTracker : public CShapeTracker {
public:
    CPointShapeTracker(int32_t port, ItemList items, PointRecord* record)
        : CShapeTracker(port, std::move(items)), record_(record) {}
    int HitTest(QPoint) const override { return 1; }
    void GetHandlePoint(int handle, int& x, int& y) const override;
    void MoveHandleTo(int handle, int x, int y) override;
    bool SnapTargets(int handle, std::vector<GeoPoint>& others) const override;

private:
    PointRecord* record_;
};

}  // namespace vexo
