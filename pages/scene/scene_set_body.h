#pragma once
// CSceneSetBodyTitle: the scene settings page's body: the live video with
// the scene's overlays, and a row of tabs: "PTZ" (command index 102), then
// one tab per "standard_labels" module of the UI description (103 on, in
// the description's order). A module tab shows that module's parameters of
// the scene, built by the parameter engine and saved with
// "CMD_ModifyRuleModuleParam". The page opens on the "PTZ" tab: setting
// the dome's view is what the page is entered for. The scene calibration
// is drawn over the video by the same engine when its module's tab is
// open (its line and point rows are geometry rows like any other), so the
// picture shows only the geometry of the tab being edited.
//
// Tab indexes stop at 107, as 108 and 109 are the save strip's: a device
// with more than five such modules shows its first five.

#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "auto_controls.h"
#include "av_play_base.h"
#include "dlg_part_base.h"
#include "param_record.h"
#include "smart_ui_engine.h"
#include "stored_check.h"

class QWidget;

class CSceneSetBodyTitle : public CSceneSetBase, public CAVPlayBase {
public:
    static constexpr int kPtzTab = 102;
    static constexpr int kFirstModuleTab = 103;
    static constexpr int kLastModuleTab = 107;
    static constexpr QRect kVideoRect{10, 47, 704, 396};
    static constexpr char kScenePositionModule[] = "zelk:ScenePosition_Settings";

    explicit CSceneSetBodyTitle(CAudioVideoPlay* session);
    ~CSceneSetBodyTitle() override;

    void Create(QWidget* parent);
    // Reads the scene's modules and position and rebuilds the tabs (on
    // creation and whenever another scene is opened).
    void LoadTabs();
    // Shows the tab with `index` (102: PTZ) and makes it the page's mode.
    void SelectTab(int index);
    // Builds the selected module tab's panel from the device.
    void LoadData();
    // The same, unless that panel is already built: the page's start (200 ms
    // after it is shown, later after a slow exchange) must not throw away a
    // tab the operator opened and began to edit meanwhile.
    void LoadDataUnlessShown();
    void PeriodicUpdate();
    // The video window at `rect` (the page fits its window); the module
    // panel reads its shapes back in the picture's new pixels.
    void FitVideo(const QRect& rect);

    // Owner-drawn buttons: tabs, play and stop, the engine's buttons.
    bool OnCommand(int offset);
    // Notifications of the engine's controls.
    bool OnEngineNotify(const vexo::AutoNotification& notification);

    // The selected module's parameters and geometry to the device, read
    // back after (pages/arming/stored_check.h): `differences` receives what
    // the device stored differently, and the panel then shows its version.
    // 1 on success (a refusal shows the device's error text).
    int SaveModule(vexo::StoredDifferences& differences);
    // Reads the selected module's parameters again; 1 on success.
    int ReloadModule();
    // After a save: the scene's stored position is read again.
    void PostSaveUpdate();

    // Unsaved edits of the module tab shown: its panel differs from what
    // the device held when read or last saved. Only the tab shown can hold
    // them, as leaving a tab settles its edits first.
    bool IsModified() const;
    // Before the operator leaves the module tab shown (another tab, Return,
    // another page): with unsaved edits asks "Save changes?"; Save runs the
    // page's save, Discard reads the device's values again. False when the
    // operator stays (Cancel, or a save the device refused).
    bool ConfirmLeave();

    // Shows `deviceText` (a one-point GeometryText) as the point of `key`
    // over the video, ending the point editor first when it edits that key.
    void ShowPoint(const QString& key, const QString& deviceText);

    // The scene's stored PTZ position; false when the device holds none.
    bool StoredPosition(PtzPosition& position) const;
    const QStringList& Modules() const { return modules_; }
    const QStringList& MetadataMenu() const { return metadataMenu_; }
    QString SelectedModule() const;
    vexo::CSmartUiEngine& Engine() { return engine_; }

private:
    void ReadScenePosition();
    void ClearPanel();
    void PlaceEngine();
    // The pressed look on the tab `index` alone.
    void ShowSelected(int index);
    // Puts the unsaved-edits mark on the module tab shown, or takes it off.
    void UpdateMarks();

    std::vector<std::unique_ptr<vexo::CAutoXpBtn>> tabs_;
    QStringList captions_;  // the tabs' texts without the unsaved-edits mark
    QStringList modules_;
    std::map<QString, QString> sceneModules_;
    QStringList metadataMenu_;
    ParamRecord scenePosition_;
    std::map<QString, ParamRecord> records_;
    QString shownModule_;  // the module whose panel is built, if any
    vexo::CSmartUiEngine engine_;
    int enginePort_ = -1;  // the play port the panel was built for
};
