#pragma once
// CNormalConfigBody: the body of the normal arming page. The operator picks
// one normal alarm (an input, tampering, a disk or network fault, ...) and
// edits, on up to three tabs, its parameters, its arming week and its
// linkage, each saved with its own command. The tabs an alarm has come from
// the functions the UI description says it requires.
//
// Control offsets (owner-drawn range, 18000 + offset): tabs 100 (parameters),
// 101 ("Arming Interval"), 102 ("Linkage Method"); Save 110; Recover 111;
// the alarm buttons from 200 on (normal_alarm_list.h). The parameter panel's
// controls are the engine's; the schedule and linkage editors are child
// widgets of the page that take their own events (editor_ids.h). They
// address the alarm because the header sets the reference scene token to
// "zelk:NormalAlarm" while this page is open.

#include <QFont>
#include <QRect>
#include <memory>

#include "auto_controls.h"
#include "auto_notification.h"
#include "dlg_part_base.h"
#include "guard_schedule_grid.h"
#include "linkage_editor.h"
#include "normal_alarm_list.h"
#include "param_record.h"
#include "smart_ui_engine.h"

class QPainter;

class CNormalConfigBody : public CNormalConfigBase {
public:
    enum Tab { kParamTab = 1, kArmingTab = 2, kLinkageTab = 3 };
    static constexpr int kTabOffset = 100;  // + tab - 1
    static constexpr int kSaveOffset = 110;
    static constexpr int kRecoverOffset = 111;

    // The areas of the page the body uses, in page pixels.
    static constexpr QRect kAlarmListRect{10, 400, 560, 264};
    static constexpr QRect kTabRect{580, 47, 690, 36};
    static constexpr QRect kPanelRect{580, 88, 690, 522};
    static constexpr QRect kButtonRect{580, 622, 690, 36};

    // The page fits its window: the alarm list as wide as the video above
    // it, and the panel's shapes read back in the video's new pixels.
    void FitVideo(int width);

    CNormalConfigBody();
    ~CNormalConfigBody() override;

    // Creates the fixed controls in the page's window.
    void Create(CNormalArmingSet* page);
    // Reads the alarm list again and shows the alarm that was current (the
    // first one when it is gone).
    void Reload();
    void SelectAlarm(int index);
    void ShowTab(int tab);
    // Saves what the current tab shows, and only that.
    void Save();
    // The current tab's edits dropped and the device's stored parameters,
    // week or linkage shown again (a normal alarm has no reset command).
    void Recover();
    // Timer 1001 while the page shows: builds the panel again over the
    // picture once the video plays, so that its regions are drawn.
    void PeriodicUpdate();
    // Puts the current alarm's week and linkage, when their "Batch
    // Settings" box is ticked, into the manager's caches for the export.
    void StoreForExport();

    // Unsaved edits of the tab shown: its panel or editor differs from what
    // was read from the device or last saved.
    bool IsModified() const;
    // Before the operator leaves the tab shown (another tab, alarm or
    // page): with unsaved edits asks "Save changes?"; Save saves the tab,
    // Discard shows the device's values again. False when the operator
    // stays (Cancel, or a save the device refused).
    bool ConfirmLeave();
    // Marks the tab and the alarm shown when they hold unsaved edits.
    void UpdateMarks();
    // Tab goes through the alarms, the tabs, the panel row by row, Save
    // and Recover.
    void UpdateTabOrder();

    // An owner-drawn button of the page; true when it was the body's.
    bool OnCommand(int offset);
    // Every other control notification: the parameter panel's controls.
    bool OnAutoNotify(const vexo::AutoNotification& notification);
    void Paint(QPainter& painter);

    // State, for the page and tests.
    int CurrentTab() const { return currentTab_; }
    int CurrentAlarm() const { return currentAlarm_; }
    const vexo::NormalAlarmEntry* CurrentEntry() const;
    const ParamRecord& Record() const { return record_; }
    const std::vector<int>& TabsShown() const { return tabNumbers_; }
    vexo::CSmartUiEngine& Engine() { return engine_; }
    vexo::GuardScheduleGrid& Schedule() { return *schedule_; }
    vexo::LinkageEditor& Linkage() { return *linkage_; }

private:
    void ClearAlarm();
    // Gives the engine its panel area and the live picture's overlay.
    // The engine's area on this page and the port it draws on (the session's
    // now); SetEngineArea keeps the port.
    void PlaceEngine();
    void SetEngineArea();
    void CreateTabs(const QStringList& requiredFuns);
    // Reads the alarm's data and builds its panel; 1 when read.
    int BuildParamPanel();
    // True when the device took the parameters.
    bool SaveParameters();
    void SetTabSelection(int tab);
    void ClearEditors();
    // Shows the editor of `tab` for the current alarm, read from the device,
    // its "Batch Settings" box ticked when the export already holds its record.
    void ShowEditor(int tab);

    vexo::NormalAlarmList list_;
    std::vector<vexo::NormalAlarmEntry> alarms_;
    int currentAlarm_ = -1;
    int currentTab_ = kParamTab;
    std::vector<std::unique_ptr<vexo::CAutoXpBtn>> tabs_;
    std::vector<int> tabNumbers_;       // the tab number of each button in tabs_
    std::vector<QString> tabCaptions_;  // as shown without the edits' mark
    vexo::CAutoXpBtn save_;
    vexo::CAutoXpBtn recover_;
    ParamRecord record_;
    vexo::CSmartUiEngine engine_;
    std::unique_ptr<vexo::GuardScheduleGrid> schedule_;
    std::unique_ptr<vexo::LinkageEditor> linkage_;
    QFont font_;
    int enginePort_ = -1;  // the play port the panel was built for
};
