#pragma once
// CSmartUiEngine: turns parameter rows into live controls on a page. It
// places each row (labels 280 pixels wide, rows 36 apart, a second column
// when a tall panel runs out of room and the panel is wide enough for two;
// otherwise the panel scrolls), creates the auto-generated controls
// through one builder per ControlKind, registers drawing parameters with the
// page's overlay, keeps linked rows shown or hidden as values change, takes
// each control notification by offset, and reads the controls back into a
// device record.
//
// Like a properties view: BuildPanel after Clear throws every control away
// and builds afresh; no control is patched or reused across builds.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "auto_controls.h"
#include "auto_notification.h"
#include "engine_history.h"
#include "panel_row_lines.h"
#include "panel_viewport.h"
#include "param_rows.h"
#include "row_geometry_text.h"

class CSmartXmlParse;
class QUndoStack;
struct ParamRecord;

namespace vexo {

class CShowAIConfig;

class CSmartUiEngine {
public:
    CSmartUiEngine();
    ~CSmartUiEngine();
    CSmartUiEngine(const CSmartUiEngine&) = delete;
    CSmartUiEngine& operator=(const CSmartUiEngine&) = delete;

    // Where the panel goes: rows start 10 pixels right of the header's left
    // edge and 10 below its bottom; `panel` decides the second column, and
    // from the header's bottom to its own bottom it is the area the rows are
    // shown in (scrolled when they need more). The overlay (may be null) is
    // drawn into `videoRect` on play port `port`; `parse` (may be null)
    // translates static texts back into values. A new area applies from the
    // next build after Clear.
    void SetArea(QWidget* parent, const QRect& header, const QRect& panel,
                 CShowAIConfig* overlay = nullptr, const CSmartXmlParse* parse = nullptr,
                 const QRect& videoRect = {}, int port = -1);

    void ResetLayout();
    void AddY(int n) { y_ += n; }
    void BuildPanel(const ParamRows& rows, bool clearOverlay);
    void Clear();
    // Takes the panel's shapes off the video: a panel that leaves its page
    // (another tab is chosen) takes its geometry along.
    void ClearShapes();
    void ShowAll(bool show);

    // Notifications, by control offset inside the class's window; offsets
    // outside it are ignored.
    void OnComboSelChange(int offset);
    void OnEditChange(int offset);
    void OnXpButtonClicked(int offset);
    void OnCheckBoxClicked(int offset);
    // Puts the button's drawing tool out on the overlay for its row (the
    // next input on the video draws the row's new shape), or away again
    // when it is out; the delete tool empties the row's shape at once.
    void OnDrawingButtonClicked(int offset);
    void OnSpinDelta(int offset, int delta);
    void OnSliderReleased(int offset);
    // Routes an auto-control notification by its identifier's class.
    bool Dispatch(const AutoNotification& notification);

    QString ReadValue(const QString& name) const;
    // Writes the panel's values of `record`'s owner into it: plain values
    // directly, object values (geometry and the attributes the controls
    // show) into `objects`, which CSmartXmlParse::StoreObjectValues turns
    // into the record's object values.
    void CollectValues(ParamRecord& record, std::map<QString, ObjectValueText>& objects) const;
    void ApplyLinks(const QString& name, const QString& value);
    // The first value shown outside its known range, named as the operator
    // reads it: "Sensitivity (Range: 1 to 100)"; empty when every value
    // with a range is inside it. Names the culprit of a refused save.
    QString OutOfRangeValue() const;

    // True while one of this panel's drawing tools is out on the overlay.
    bool DrawingToolOut() const;

    // Undo and redo: every change the operator makes to the panel's values
    // or shapes is one step (typing into one edit is one step), until the
    // panel is built again or ResetHistory (after a save). Undo first gives
    // up a shape being drawn. False when there was nothing to do.
    bool Undo();
    bool Redo();
    void ResetHistory();
    QUndoStack& History() { return *history_; }

    // Unsaved edits: the panel differs from what it showed when it was built
    // from the device's values or last saved (MarkUnchanged). Undoing back
    // to that state makes it unchanged again. MarkUnchanged also takes the
    // shapes on the video as the device's: saved again untouched, even in a
    // resized picture, each sends the text it was saved with.
    bool IsChanged() const;
    void MarkUnchanged();
    // Called after every change the operator makes (and every undo, redo
    // or MarkUnchanged), so the page can mark the panel as edited.
    void SetChangeListener(std::function<void()> listener) {
        changeListener_ = std::move(listener);
    }
    // For the undo steps: puts values and shapes back, and tells a typed
    // edit from the other controls.
    void ApplyChange(const PanelChange& change);
    bool IsTextEditAt(size_t index) const;

    // The panel's drawing rows, for the point table: the overlay they are
    // drawn on, its video rectangle, a row's overlay shape type (kShapeNone
    // for a name that is no drawing row of the panel) and its label.
    CShowAIConfig* Overlay() const { return overlay_; }
    const QRect& VideoRect() const { return videoRect_; }
    int ShapeTypeOf(const QString& name) const;
    QString LabelOf(const QString& name) const;

    // Read access for pages, tools and tests.
    int X() const { return x_; }
    int Y() const { return y_; }
    int PtzNumber() const { return ptzNumber_; }
    const QFont& Font() const { return font_; }
    CAutoBitmapBtn* CurrentDrawingButton() const { return currentDrawing_; }
    const std::vector<std::unique_ptr<CAutoBtnPush>>& CheckBoxes() const { return checkBoxes_; }
    const std::vector<std::unique_ptr<CAutoXpBtn>>& XpButtons() const { return xpButtons_; }
    const std::vector<std::unique_ptr<CAutoComboBox>>& ComboBoxes() const { return combos_; }
    const std::vector<std::unique_ptr<CAutoStatic>>& Statics() const { return statics_; }
    const std::vector<std::unique_ptr<CAutoEdit>>& Edits() const { return edits_; }
    const std::vector<std::unique_ptr<CAutoBitmapBtn>>& DrawingButtons() const {
        return bitmapButtons_;
    }
    const std::vector<std::unique_ptr<CAutoSpinBtnCtrl>>& Spins() const { return spins_; }
    const std::vector<std::unique_ptr<CAutoSliderCtrl>>& Sliders() const { return sliders_; }
    int ControlCount() const;
    // The panel's controls that take the keyboard, as the operator reads
    // them: row by row, left to right (the page chains Tab through them).
    std::vector<QWidget*> TabChain() const;
    // "1" or "0" per PTZ limit group, in layout order: within the limit number.
    const std::vector<QString>& PtzLimitMarks() const { return ptzMarks_; }

private:
    friend class EngineBuilders;

    // One identifier window of a control list.
    struct IdWindow {
        int base;
        int first;
        int count;  // offsets first .. first + count - 1
        int next = 0;
        int Take();
    };
    // A drawing parameter as registered with the overlay.
    struct Shape {
        QString deviceText;  // the row's GeometryText (device form)
        int overlayType = 0;
        // More points than the overlay holds: drawn as the device keeps
        // them, never edited; redrawing it reduces it, and the operator is
        // told so once, before the first drawing.
        int devicePoints = 0;
        bool outlineOnly = false;
        bool warned = false;
    };
    // Registers a drawing row and draws its geometry on the overlay.
    void RegisterShape(const QString& name, const QString& deviceText, int shapeType);
    void StartDrawingTool(CAutoBitmapBtn& button);
    // Puts away a tool this panel put out; another panel's tool stays.
    void PutToolAway();
    // Listens to the overlay for shapes the operator changed on the video.
    void ClaimOverlay();
    void OnShapeChanged(const QString& key);
    // A wire's direction combo follows its arrows.
    void FollowShape(const QString& key);
    // A wire's rule direction: the combo "Direction" of the wire's owner,
    // when the owner has that one wire. Its arrows and the combo follow
    // each other.
    CAutoComboBox* DirectionComboOf(const QString& wire) const;
    QString WireOfDirection(const CAutoComboBox& combo) const;
    void ShowDirectionOnWire(const CAutoComboBox& combo);
    void SwapLook(CAutoBitmapBtn& button);

    void LayoutRow(const ParamDescriptor& row);
    void BuildSpec(const ControlSpec& spec, bool isLabel);
    // The row's y after the second-column check.
    int RowY();
    // True when a second column beside the rows laid out so far stays
    // inside the panel and clear of them.
    bool SecondColumnFits() const;
    int PtzCellWidth(const std::vector<ParamDescriptor>& limits) const;
    // The window the controls go into, and a page rectangle in its pixels;
    // Place also counts the rectangle into the panel's extent.
    QWidget* ControlParent() const;
    QRect Place(const QRect& pageRect);
    QRect ViewportArea() const;
    bool Route(const AutoNotification& notification);
    // Records what changed since the last step as a new step.
    void CommitStep();
    PanelState CaptureState() const;
    template <class Fn>
    void ForEachControlIndexed(Fn fn);
    void RunFirstLinkEvaluation();
    // Shows or hides the controls whose links name `name`, nothing more.
    void ApplyLinksOnly(const QString& name, const QString& value);
    // Closes the panel's gaps after links changed what is shown, and fits
    // the scrolled area to the rows shown; `toTop` scrolls back to the top.
    void Relayout(bool toTop);
    // ApplyLinks for every combo box and every check box but label boxes,
    // with the value each shows.
    void EvaluateAllLinks();
    // Every control of the nine lists, in list order.
    template <class Fn>
    void ForEachControl(Fn fn) const {
        for (const auto& c : checkBoxes_)
            fn(*c);
        for (const auto& c : xpButtons_)
            fn(*c);
        for (const auto& c : combos_)
            fn(*c);
        for (const auto& c : statics_)
            fn(*c);
        for (const auto& c : edits_)
            fn(*c);
        for (const auto& c : bitmapButtons_)
            fn(*c);
        for (const auto& c : spins_)
            fn(*c);
        for (const auto& c : sliders_)
            fn(*c);
        for (const auto& c : listBoxes_)
            fn(*c);
    }
    template <class Fn>
    void ForEachControl(Fn fn) {
        for (auto& c : checkBoxes_)
            fn(*c);
        for (auto& c : xpButtons_)
            fn(*c);
        for (auto& c : combos_)
            fn(*c);
        for (auto& c : statics_)
            fn(*c);
        for (auto& c : edits_)
            fn(*c);
        for (auto& c : bitmapButtons_)
            fn(*c);
        for (auto& c : spins_)
            fn(*c);
        for (auto& c : sliders_)
            fn(*c);
        for (auto& c : listBoxes_)
            fn(*c);
    }
    // The value a combo box gives: the raw value of its entry, or for an
    // editable combo the typed text when it names no entry.
    static QString ComboValue(const CAutoComboBox& combo);

    QString ObjectGeometry(const QString& name) const;
    // True for an edit that shows a number with its spin; the others hold
    // free text (a rule's name), which is neither cut to digits nor read so.
    bool IsNumericEdit(const CAutoEdit* edit) const;

    int built_ = 0;
    QRect header_;
    int rowStep_ = 36;
    int x_ = 0;
    int y_ = 0;
    QPointer<QWidget> parent_;
    QRect panel_;
    QFont font_;
    int indent_ = 0;
    bool oneColumn_ = false;  // the second column did not fit: the panel scrolls
    int ptzNumber_ = 0;
    int focusIndex_ = -1;

    std::vector<std::unique_ptr<CAutoBtnPush>> checkBoxes_;
    std::vector<std::unique_ptr<CAutoXpBtn>> xpButtons_;
    std::vector<std::unique_ptr<CAutoComboBox>> combos_;
    std::vector<std::unique_ptr<CAutoStatic>> statics_;
    std::vector<std::unique_ptr<CAutoEdit>> edits_;
    std::vector<std::unique_ptr<CAutoBitmapBtn>> bitmapButtons_;
    std::vector<std::unique_ptr<CAutoSpinBtnCtrl>> spins_;
    std::vector<std::unique_ptr<CAutoSliderCtrl>> sliders_;
    std::vector<std::unique_ptr<CAutoListBox>> listBoxes_;  // not filled by rows

    IdWindow checkIds_{17000, 0, 50};
    IdWindow xpIds_{18000, 400, 50};
    IdWindow comboIds_{12000, 100, 50};
    IdWindow staticIds_{15000, 100, 50};
    IdWindow editIds_{13000, 100, 50};
    IdWindow bitmapIds_{11000, 0, 50};
    IdWindow sliderIds_{19000, 0, 50};
    IdWindow spinIds_{14000, 0, 50};

    std::unique_ptr<PanelViewport> viewport_;
    QRect extent_;  // every control built, page pixels
    PanelRowLines lines_;

    CShowAIConfig* overlay_ = nullptr;
    const CSmartXmlParse* parse_ = nullptr;
    QRect videoRect_;
    int port_ = -1;

    // Built state that the widgets do not hold.
    QSet<const CAutoStatic*> rowLabels_;                              // labels never give a value
    std::map<QString, std::pair<CAutoEdit*, CAutoEdit*>> timeEdits_;  // hours, minutes
    std::map<QString, Shape> shapes_;
    // An edit with its spin (and slider): the spin walks `values`, the edit
    // shows the value with its unit.
    struct SpinGroup {
        QString name;
        QString unit;
        CAutoEdit* edit = nullptr;
        CAutoSpinBtnCtrl* spin = nullptr;
        CAutoSliderCtrl* slider = nullptr;
    };
    std::vector<SpinGroup> spinGroups_;
    struct ImageSet {
        int normal = 0, pressed = 0, focused = 0, disabled = 0;
        bool swapped = false;
    };
    std::map<const CAutoBitmapBtn*, ImageSet> drawingImages_;
    std::vector<QString> ptzMarks_;
    int ptzGroupCount_ = 0;
    // Width of one limit group's cell: the widest caption's, three to a line.
    int ptzCellWidth_ = 120;
    int ptzGroupBase_ = -1;
    CAutoBitmapBtn* currentDrawing_ = nullptr;
    bool toolOut_ = false;  // currentDrawing_'s tool is out on the overlay
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // see ClaimOverlay

    std::unique_ptr<QUndoStack> history_;
    PanelState committed_;  // the panel as the last step left it
    PanelState unchanged_;  // the panel as built or last saved
    std::function<void()> changeListener_;
    int dispatchDepth_ = 0;    // a notification's own changes are one step
    bool restoring_ = false;   // an undo step is putting values back
    bool panelShown_ = false;  // the last ShowAll showed the panel
};

}  // namespace vexo
