#pragma once
// Shape trackers: from a press on the video window until the button is
// released, a tracker moves one handle of a rule shape and redraws the
// shape's play-library items on every step. The tracker edits the
// renderer's record in place and never owns the record or the items.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <vector>

#include "geometry_records.h"

namespace vexo {

class CShapeTracker {
public:
    CShapeTracker(int32_t port, ItemList items);
    virtual ~CShapeTracker();
    CShapeTracker(const CShapeTracker&) = delete;
    CShapeTracker& operator=(const CShapeTracker&) = delete;

    // Follows the mouse in a loop of its own until the left button is
    // released, the right button is pressed, Escape is pressed or the window
    // goes away. Moves made before Escape are kept. False at once when the
    // press hits no handle or another tracker is already tracking.
    virtual bool Track(QObject* window, QPoint point);
    virtual int HitTest(QPoint point) const = 0;
    virtual void GetHandlePoint(int handle, int& x, int& y) const;
    virtual void MoveHandleTo(int handle, int x, int y);
    virtual void SetShapePointer(void* record);
    // The other points a dragged handle lines up with; false when the
    // handle moves the whole shape (or the band), which does not snap.
    virtual bool SnapTargets(int handle, std::vector<GeoPoint>& others) const;
    virtual int GetHandleSize() const { return handleSize_; }
    virtual void SetHandleSize(int size) { handleSize_ = size; }

    void SetScale(double x, double y) {
        scaleX_ = x;
        scaleY_ = y;
    }
    void SetBounds(const QRect& bounds) { bounds_ = bounds; }
    // Where the shape's pixel space starts in the tracked window (the video
    // rectangle's top-left): press points, records and bounds are relative
    // to it, the window's mouse positions are taken into it.
    void SetOrigin(QPoint origin) { origin_ = origin; }
    void SetBand(const GeoPoint band[4]);
    const QRect& Bounds() const { return bounds_; }

protected:
    bool Accepts(GeoPoint p) const;
    int32_t Port() const { return port_; }
    const ItemList& Items() const { return items_; }
    const GeoPoint* Band() const { return band_; }

private:
    class Loop;

    int32_t port_;
    ItemList items_;
    int32_t released_ = 0;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    int handleSize_ = 8;
    QRect bounds_;  // empty: unlimited
    QPoint origin_;
    GeoPoint band_[4];
};

}  // namespace vexo
