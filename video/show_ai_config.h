#pragma once
// The overlay renderer: turns rule geometry (GeometryText in window pixels)
// into play-library overlay items, keeps which items belong to which rule
// key, lets the operator edit shapes with the mouse and gives the edited
// geometry back as text. UI thread only, except that drawing by clicks is
// guarded by its own lock.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "click_drawing.h"
#include "geometry_records.h"
#include "shape_tracker.h"

namespace vexo {

// Posted to the notify window when a shape drawn by clicks is closed. The
// payload is the number of points of the closed shape, then -1 (reserved);
// the key names the shape.
class CDrawingEndedEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 2030);
    CDrawingEndedEvent(QString key, int32_t first, int32_t second)
        : QEvent(kType), key_(std::move(key)), first_(first), second_(second) {}
    const QString& Key() const { return key_; }
    int32_t First() const { return first_; }
    int32_t Second() const { return second_; }

private:
    QString key_;
    int32_t first_;
    int32_t second_;
};

// The form a rule's shape takes in the renderer: what a drawing tool makes
// for that rule.
enum class ShapeForm { Region, Rectangle, Wire, DirectedWire, Segment, Point };

// Everything the renderer holds for one key: what an undo step puts back.
struct ShapeSnapshot {
    std::optional<PolygonRecord> polygon;
    std::optional<LineRecord> line;
    std::optional<PointRecord> point;
    std::optional<std::pair<std::vector<GeoPoint>, bool>> outline;  // points, closed
    bool emptied = false;
};
// True when the two hold the same geometry (points, arrows, margin, whether
// emptied); whether a shape is editable or selected does not count.
bool SameShape(const ShapeSnapshot& a, const ShapeSnapshot& b);

class CShowAIConfig {
public:
    CShowAIConfig() = default;
    CShowAIConfig(const CShowAIConfig&) = delete;
    CShowAIConfig& operator=(const CShowAIConfig&) = delete;

    // The video window: it receives the drawing-ended event and the mouse
    // while a shape is tracked.
    void SetVideoWindow(QObject* window) { window_ = window; }
    QObject* VideoWindow() const { return window_.data(); }
    // The video rectangle: bounds of every move, the reference of the
    // tracker's scale, and the pixels every shape is held in. Whoever draws
    // sets it first; Rescale also stores it.
    void SetVideoRect(const QRect& rect) { videoRect_ = rect; }
    const QRect& VideoRect() const { return videoRect_; }

    // Overlay type 1: kind 1 polygon, 10 rectangle (other kinds add only
    // hidden handles); "clear" empties the key's polygon and arms it for
    // drawing by clicks. number != 0 is shown as a label.
    bool DrawRegion(int32_t port, int16_t number, int32_t kind, const QString& text,
                    const QString& key);
    // Overlay types 2 (wire) and 3 (directed wire).
    bool DrawLine(int32_t port, int16_t number, int32_t type, const QString& text,
                  const QString& key);
    // Overlay type 5: a cross-hair point.
    bool DrawPoint(int32_t port, const QString& key, const QString& text);
    // A plain line "D|(x1,y1),(x2,y2)" without arrows (a calibration or
    // horizon line); edited like a wire.
    bool DrawSegment(int32_t port, const QString& key, const QString& text);
    // A shape with more points than a record holds, drawn as the device
    // keeps it (closed for a region) and never edited: it reads back empty.
    bool DrawOutline(int32_t port, const QString& key, const std::vector<GeoPoint>& points,
                     bool closed);
    // By overlay type (1, 2, 3, 5; 4 draws nothing and answers false).
    bool Draw(int32_t port, int32_t type, int16_t number, int32_t kind, const QString& text,
              const QString& key);

    QString GetGeometryText(const QString& key) const;
    // keep: only make the key's shapes editable; else remove them.
    bool DeleteOverlay(const QString& key, bool keep);
    // Closes a shape being drawn by clicks and notifies the video window.
    bool EndDrawing(const QString& key);

    bool SetLineMargin(const QString& key, float margin);
    bool SetLineFlag(const QString& key, uint8_t flag);
    bool SetLineBox(const QString& key, const QRect& box);

    // Scales every polygon and line from the old video rectangle to the new
    // one and redraws; points keep their coordinates.
    void Rescale(const QRect& oldRect, const QRect& newRect);

    // Mouse input in video pixels (origin at the video rectangle's
    // top-left). While a polygon armed by "clear" is drawn by clicks,
    // presses add its points (a press on the start point, or the eighth
    // point, closes it). Otherwise the press goes to the editable shape
    // under the cursor, whichever rule it belongs to: a handle (a corner, a
    // wire's end, a point) before an edge (a wire, a wire's arrow) before
    // an interior (a region, a wire's band), the nearest first. A handle,
    // edge or interior is tracked until release (with a video window only);
    // an arrow is turned. A press on no editable shape selects one.
    bool OnButtonDown(uint32_t flags, QPoint point, const QRect& view);
    void OnMouseMove(uint32_t flags, QPoint point, const QRect& view);
    // Release and double click matter only to a drawing tool (a rectangle
    // ends at the release, a double click closes a polygon).
    void OnButtonUp(uint32_t flags, QPoint point, const QRect& view);
    void OnDoubleClick(uint32_t flags, QPoint point, const QRect& view);

    // Drawing tools. StartTool makes `key` the shape a tool draws: the next
    // press on the video starts a new shape of `form` with `gesture`, and the
    // finished shape replaces the key's old one. A press on one of the key's
    // own handles (or a wire's arrow) still edits the shape there is. While
    // a tool is out, every other key's shape stays drawn but takes no input.
    void StartTool(int32_t port, const QString& key, ShapeForm form, DrawGesture gesture);
    // Puts the tool away: a drawing in progress is closed when it can be
    // (a polygon of three points or more) and abandoned otherwise; the other
    // keys take input again.
    void StopTool();
    // Escape: abandons the drawing in progress and restores the shape that
    // was there; the tool stays out for another try. False when nothing
    // was being drawn.
    bool CancelDrawing();
    // Closes or abandons a drawing in progress, as StopTool does, but leaves
    // the tool out.
    void CompleteDrawing();
    bool ToolActive() const { return tool_.has_value(); }
    QString ToolKey() const { return tool_ ? tool_->key : QString(); }
    bool ToolDrawing() const { return tool_ && tool_->drawing.Started(); }
    // The delete tool: the key's shape is removed and the key reads back as
    // emptied until it is drawn again.
    void EmptyShape(int32_t port, const QString& key);
    bool IsEmptied(const QString& key) const { return emptied_.count(key) != 0; }
    // Shows or hides a wire's two arrows (as its rule's direction says).
    bool SetArrows(const QString& key, bool arrowA, bool arrowB);
    // Called with the key after the operator changed a shape's kind of
    // content on the video: a drawing finished, a shape emptied, an arrow
    // turned. One listener at a time, named by its owner.
    // Tracking a shape with the mouse, typing its points and moving it with
    // the keys count as changes too.
    void SetShapeListener(const void* owner, std::function<void(const QString&)> listener);
    void RemoveShapeListener(const void* owner);
    // Told after every change of a shape or of the selection, whoever made
    // it (an undo included): views that show the selected shape refresh.
    void AddViewListener(const void* owner, std::function<void()> listener);
    void RemoveViewListener(const void* owner);

    // Whether the operator left a shape as its owner drew it: KeepAsDrawn
    // records the key's points now; IsAsDrawn tells whether they are still
    // those. A rescale of the picture moves both alike, so a shape untouched
    // on a resized picture is still as drawn; removing the key forgets it.
    void KeepAsDrawn(const QString& key);
    bool IsAsDrawn(const QString& key) const;

    // Undo and redo: a key's whole shape, and putting one back. Restore
    // keeps whether the key is editable and selected now.
    ShapeSnapshot Snapshot(const QString& key) const;
    void Restore(const QString& key, const ShapeSnapshot& shape);

    // The shape the operator works on: the last one pressed, drawn or
    // clicked, and its point (a polygon's corner, 0 and 1 a line's start and
    // end), -1 for the whole shape. Empty when none.
    const QString& SelectedKey() const { return selectedKey_; }
    int SelectedPoint() const { return selectedPoint_; }
    void SelectShape(const QString& key, int point);
    // The points of a key's shape in video pixels: a polygon's corners, a
    // line's start and end, a point. Empty for an unknown key.
    std::vector<GeoPoint> ShapePoints(const QString& key) const;
    // Exact input: moves point `index` of the key's shape (-1: the whole
    // shape, so that its first point lands on `to`) as dragging that handle
    // would, inside the video. False when nothing moved.
    bool MoveShapePoint(const QString& key, int index, GeoPoint to);
    // Moves the selected point, or the selected shape when no point is
    // selected, by (dx, dy) pixels. False when nothing moved.
    bool NudgeSelection(int dx, int dy);

    // Read access for the pane and for tests.
    const PolygonRecord* Polygon(const QString& key) const;
    const LineRecord* Line(const QString& key) const;
    const PointRecord* Point(const QString& key) const;
    const ItemList* Items(const QString& key) const;
    const std::vector<GeoPoint>* Outline(const QString& key) const;
    bool IsDrawing() const { return drawing_ != 0; }
    const QString& LastDrawingKey() const { return lastDrawingKey_; }

private:
    using KeyShape = ShapeSnapshot;
    KeyShape TakeShape(const QString& key);
    void PutShape(const QString& key, const KeyShape& shape);

    struct Tool {
        QString key;
        ShapeForm form = ShapeForm::Region;
        DrawGesture gesture = DrawGesture::Polygon;
        ClickDrawing drawing{DrawGesture::Polygon};
        // The next press starts a drawing; after one is finished the new
        // shape is edited like any other until the tool comes out again.
        bool armed = true;
        KeyShape before;  // the key's shape when the drawing started
        // The editable bytes of every key when the tool came out.
        std::map<QString, uint8_t> editable;
    };
    bool ToolPress(QPoint point, const QRect& view);
    void ToolStep(ClickDrawing::Step step);
    // Shows the drawing in progress (or finished) in the tool key's record.
    void ShowDrawing();
    void FinishTool();
    void SetEditable(const QString& key, uint8_t editable);
    void NotifyShape(const QString& key);
    void NotifyView();
    // The tracker handle of a shape's point (-1: the whole shape).
    int HandleOfPoint(const QString& key, int index) const;
    void ClearPolygon(const QString& key);
    void Redraw(const QString& key);
    // What a press lands on: a tracker ready to follow it, or a wire whose
    // arrow it turns, or nothing (rank kRankNone).
    static constexpr int kRankHandle = 0;
    static constexpr int kRankEdge = 1;
    static constexpr int kRankInterior = 2;
    static constexpr int kRankNone = 3;
    struct PressTarget {
        int rank = kRankNone;
        double distance = 0.0;
        QString key;
        int handle = -1;
        std::unique_ptr<CShapeTracker> tracker;
        LineRecord* arrowOf = nullptr;
    };
    PressTarget FindPressTarget(QPoint point, const QRect& view);
    void TrackOrTurn(PressTarget& target, QPoint point);
    std::unique_ptr<CShapeTracker> MakeTracker(const QString& key, const QRect& view);
    bool ClickDraw(QPoint point);
    void FinishClickDrawingLocked();
    bool ToggleArrow(LineRecord& line, QPoint point);
    void Select(QPoint point);

    int32_t port_ = -1;
    QPointer<QObject> window_;
    QRect videoRect_;
    std::map<QString, PolygonRecord> polygons_;
    std::map<QString, LineRecord> lines_;
    std::map<QString, PointRecord> points_;
    std::map<QString, ItemList> items_;
    std::map<QString, std::pair<std::vector<GeoPoint>, bool>> outlines_;
    std::set<QString> emptied_;
    std::map<QString, std::vector<GeoPoint>> asDrawn_;  // KeepAsDrawn's points by key
    std::optional<Tool> tool_;
    const void* listenerOwner_ = nullptr;
    std::function<void(const QString&)> listener_;
    std::vector<std::pair<const void*, std::function<void()>>> viewListeners_;
    QString selectedKey_;
    int selectedPoint_ = -1;

    uint8_t drawing_ = 0;
    uint8_t firstClickRestarts_ = 1;
    int32_t payload_[2] = {0, -1};
    int32_t appendPoints_ = -1;
    QString lastDrawingKey_;
    QString clickKey_;  // the polygon armed by "clear"
    GeoPoint cursor_;
    std::recursive_mutex clickMutex_;
};

}  // namespace vexo
