#pragma once
// What the two scene tour bodies share: the tour record read from and
// written to the device, the scene choice of every row, and the place on
// the page they lay their rows out in. The bodies are parts of the index
// page; the tour area (CSceneTourPlayBody) creates them, switches between
// them and forwards their controls' notifications.
//
// Identifiers of the row controls (offsets inside each class's window),
// away from the windows the parameter engine takes:
//   scene choice of row i          combo 12600 + i
//   normal tour: stay time cell    static 15600 + i, its edit box 13600
//   normal tour: clear flag        check box 17600 + i
//   timer tour: start / end choice combo 12650 + i / 12700 + i
//   timer tour: mode (ON/OFF)      combo 12750
//   timer tour: week days          check boxes 17700 (Monday) to 17706,
//                                  "Every day" 17707
// A tour shows at most kMaxRows rows; rows beyond are kept in the record
// and saved unchanged.

#include <QObject>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

#include "auto_controls.h"
#include "auto_notification.h"
#include "command_records.h"
#include "dlg_part_base.h"
#include "scene_tour_rules.h"

class CSmartXmlParse;

class CSceneTourBodyBase : public QObject, public CIndexPageBase {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 40;
    static constexpr int kSceneChoiceId = 12600;
    static constexpr int kHeaderHeight = 34;

    // `context` and `scenes` belong to the page manager and outlive the
    // body; `parent` is the page window the controls go into.
    CSceneTourBodyBase(const char* tourType, CSmartXmlParse* context,
                       const std::vector<SceneRecord>* scenes);
    ~CSceneTourBodyBase() override;

    // Load, then one row of controls per tour entry. `area` is the part of
    // the page the rows share.
    void Init(QWidget* parent, const QRect& area);
    // Builds the rows again inside `area` from the record as edited so far;
    // nothing is read from the device.
    void Relayout(const QRect& area);
    // Destroys the row controls (the record stays).
    virtual void DestroyControls();
    // Empties the record, sets its type and reads it from the device; false
    // when the read failed (the body then has no rows).
    bool Load();
    // Sends the record and reads it back; shows "Save Success" (with what
    // the device stored differently, and then the device's rows) or the
    // device's error text. True when the device took it.
    bool Save();
    // A notification of one of the body's controls; false when it is not
    // the body's.
    virtual bool OnNotify(const vexo::AutoNotification& notification) = 0;
    void OnSceneChoice(int row);

    const TourRecord& Record() const { return record_; }
    int RowCount() const { return static_cast<int>(rowNames_.size()); }

protected:
    // What the body reads besides the tour record, once per Load.
    virtual void LoadExtras() {}
    // Builds the body's own controls for `rowNames_` inside `area_`.
    virtual void BuildRows() = 0;
    // Writes what the controls hold back into the record before a save.
    virtual void StoreRows() {}
    // Names of the entries shown as rows, in row order.
    virtual std::vector<QString> RowEntryNames() const = 0;

    TourEntry* RowEntry(int row);
    const TourEntry* RowEntry(int row) const;
    QString RowAttribute(int row, const char* name) const;
    void SetRowAttribute(int row, const char* name, const QString& value);
    // The row's scene choice, at `rect`.
    void CreateSceneChoice(int row, const QRect& rect);
    // A plain caption at (x, y) of the page, kept with the body's labels.
    void AddLabel(const QString& text, int x, int y);
    // Row height: the area's height shared by at least 12 rows.
    int RowHeight() const;
    QRect RowRect(int row) const;
    QWidget* Parent() const { return parent_; }
    const QRect& Area() const { return area_; }
    CSmartXmlParse* Context() const { return context_; }
    void ShowTip(const QString& text) const;

    QString tourType_;
    TourRecord record_;
    std::vector<QString> rowNames_;
    vexo::tour::SceneChoices choices_;
    std::vector<std::unique_ptr<vexo::CAutoComboBox>> sceneChoices_;
    // Column headers and row numbers: plain labels without identifiers.
    std::vector<std::unique_ptr<QWidget>> labels_;

private:
    CSmartXmlParse* context_;                 // not owned
    const std::vector<SceneRecord>* scenes_;  // not owned
    QWidget* parent_ = nullptr;
    QRect area_;
};
