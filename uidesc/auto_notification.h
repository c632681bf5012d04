#pragma once
// How the auto-generated controls report to the page that owns them. Each
// notification carries the control's identifier; the control hands it to the
// nearest ancestor widget that is an AutoCommandTarget, and further up while
// targets decline it, the way command messages climb to the owning dialog.

#include <QWidget>

namespace vexo {

enum class AutoNotify {
    Clicked,          // check boxes, owner-drawn, bitmap, PNG and radio buttons, bitmap statics
    SelChange,        // combo box selection changed by the operator
    EditChange,       // text typed into an editable combo box
    Change,           // edit box text changed
    DeltaPos,         // spin arrows: position about to change by `delta`
    ReleasedCapture,  // slider: the operator set a value (thumb let go, groove, keys)
};

struct AutoNotification {
    int id = -1;
    AutoNotify code = AutoNotify::Clicked;
    int delta = 0;
};

class AutoCommandTarget {
public:
    virtual ~AutoCommandTarget() = default;
    // Returns true when the notification was handled; false passes it on to
    // the next target up the widget tree.
    virtual bool OnAutoNotify(const AutoNotification& notification) = 0;
};

// Delivers `notification` from `control` to its owning targets.
bool RouteAutoNotification(const QWidget* control, const AutoNotification& notification);

}  // namespace vexo
