#pragma once
// CSmartUiAutoFresh: the controller behind the parameter panel of the smart
// configuration page. It owns the page's parameter engine and the device
// records the panel shows: the selected rule, or ("Advance Param") the
// modules and non-scene functions of the smart function. It rebuilds the
// panel when the operator picks a rule or "Advance Param", keeps the records
// up to date from the controls, saves them, restores the device's defaults,
// deletes rules and passes the page's control notifications on.
//
// Everything runs on the UI thread; no thread is ever started for it.
//
// The panel mode is the page's to decide: the page knows its rule bar, so it
// calls ShowRule while a rule button is selected and ShowModules while
// "Advance Param" is. The controller does not know the page (this target sits
// below the page framework), only the device context and the area to draw in.

#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "auto_notification.h"
#include "device_command_channel.h"
#include "param_record.h"
#include "param_rows.h"
#include "smart_ui_engine.h"

class CSmartXmlParse;
class QWidget;

namespace vexo {

class CShowAIConfig;

class CSmartUiAutoFresh {
public:
    enum Mode { kRuleMode = 0, kModuleMode = 1 };
    enum class Owner { Rule, Module, NonScene };
    // Receives every record the controller read from the device or saved to
    // it, as the device now holds it (the page keeps them for the export).
    using RecordSink = std::function<void(Owner, const ParamRecord&)>;

    explicit CSmartUiAutoFresh(CSmartXmlParse* parse);
    CSmartUiAutoFresh(const CSmartUiAutoFresh&) = delete;
    CSmartUiAutoFresh& operator=(const CSmartUiAutoFresh&) = delete;

    // Where the panel goes and the overlay (with the video rectangle and
    // the play port) its drawing parameters are drawn on.
    // (The page draws the panel's card; the controller draws nothing.)
    void SetArea(QWidget* parent, const QRect& header, const QRect& panel, CShowAIConfig* overlay,
                 const QRect& videoRect, int port);
    int Port() const { return port_; }
    void SetRecordSink(RecordSink sink) { sink_ = std::move(sink); }

    // Collects the controls, then builds the panel of the rule `token` of
    // function `funName` on `scene` (with `reset`, after the device restored
    // its defaults). 1 when the rule was read.
    int ShowRule(bool reset, const QString& scene, const QString& funName, const QString& token);
    // The same for the function's modules and the non-scene functions it
    // requires ("Advance Param").
    int ShowModules(bool reset, const QString& scene, const QString& funName);
    // Builds the current panel again from the records in memory (the
    // operator's edits included), e.g. once the live video runs and the
    // geometry can be drawn on it. No device read but the value ranges.
    void Rebuild();
    // Throws the panel away (no rule to show) and forgets the records.
    void ClearPanel();
    // Reads every control back into the records it belongs to.
    void CollectAll();

    // Sends the records the panel shows; true when every command sent was
    // accepted (a refusal shows the device's error text). The records keep
    // the operator's values either way.
    bool Save();
    // The device restores the defaults of what the panel shows and the panel
    // is rebuilt from the values read back. True when every reset was
    // accepted; a refused one shows the device's error text and its record
    // keeps the operator's values.
    bool Recover();
    int DeleteRule(const QString& funName, const QString& token);

    // Unsaved edits: the panel's values or shapes differ from what the
    // device held when they were read, reset or last saved. A panel built
    // again over the operator's edits (the video started) stays edited.
    bool IsModified() const { return shown_ && (carried_ || engine_.IsChanged()); }
    // Throws the edits away: the panel shows what the device holds again
    // (read back from it).
    void Discard();

    // Notifications of the panel's controls; true when one was taken.
    bool Dispatch(const AutoNotification& notification);

    void ShowAll(bool show) { engine_.ShowAll(show); }
    Mode CurrentMode() const { return mode_; }
    const QString& SceneToken() const { return scene_; }
    const QString& FunName() const { return funName_; }
    const QString& RuleToken() const { return rule_.token; }
    const ParamRecord& RuleRecord() const { return rule_; }
    const std::map<QString, ParamRecord>& Modules() const { return modules_; }
    const std::map<QString, ParamRecord>& NonScenes() const { return nonScenes_; }
    CSmartUiEngine& Engine() { return engine_; }
    bool HasPanel() const { return shown_; }

private:
    // Reads the controls of `record`'s owner back into it, geometry and all.
    void CollectRecord(const QString& ownerKind, ParamRecord& record);
    void BuildRows(ParamRows& rows);
    void AddRows(const QString& ownerKind, const ParamRecord& record, ParamRows& rows);
    // Calls `use` with the row inputs of `record` (of `ownerKind`).
    void WithRowInputs(const QString& ownerKind, const ParamRecord& record,
                       const std::function<void(const RowInputs&)>& use);
    // The ranges the rows of `ownerKind` `name` ask, as far as the
    // description tells them before the record is read.
    void AddRangeKeys(const QString& ownerKind, const QString& name,
                      std::vector<DeviceCommandChannel::RangeKey>& keys);
    void BuildFromRecords();
    void Build(const ParamRows& rows);
    void Gathered(Owner owner, const ParamRecord& record) const;

    CSmartXmlParse* parse_;  // not owned
    CSmartUiEngine engine_;
    RecordSink sink_;
    int port_ = -1;
    QString scene_;
    QString funName_;
    Mode mode_ = kRuleMode;
    bool shown_ = false;
    bool carried_ = false;  // edits made before the last Rebuild
    ParamRecord rule_;
    std::map<QString, ParamRecord> modules_;
    std::map<QString, ParamRecord> nonScenes_;
    // Parameter lists of the owners shown, by "kind|name", read once per build.
    std::map<QString, ParamList> paramLists_;
};

}  // namespace vexo
