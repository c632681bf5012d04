#pragma once
// CSmartSceneSet (page 1): one scene's set-up with the dome moving live:
// its name, its functions, its modules and the view it stores.
//
// Parts: the title strip (name, help, return), the body (live video,
// overlays and tabs), the PTZ panel of the "PTZ" tab (or, for an
// auto-tracking scene, the auto-tracking part) and the save strip.
//
// Timers: 1000 every 200 ms from creation runs the parts' periodic
// updates; 1001 (once, 200 ms after the page is shown) starts the video
// and drives the dome to the scene's stored view; 1002 renews the PTZ lock
// the page manager took when it showed the page. The renewal interval is
// the manager's (240000 ms) unless the environment variable
// VEXO_PTZ_LOCK_RENEW_MS names another, which tests use to see renewals.
// While the device refuses the lock the PTZ controls are disabled, with its
// reason beside them, until a renewal takes it; a page destroyed while it
// holds the lock releases it.

#include <QString>
#include <memory>
#include <vector>

#include "command_records.h"
#include "device_command_channel.h"
#include "page_dialog.h"

class CAudioVideoPlay;
class CSceneSetHeader;
class CSceneSetBodyTitle;
class CSceneSetPtz;
class CSceneSetBaseWithPtz;
class CSceneSetAutoTracking;
class CSceneSetCom;

class CSmartSceneSet : public CPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    static constexpr int kPeriodicTimer = 1000;
    static constexpr int kPeriodicTimerMs = 200;
    static constexpr int kStartTimer = 1001;
    static constexpr int kPtzLockTimer = 1002;
    static constexpr char kLockRenewVariable[] = "VEXO_PTZ_LOCK_RENEW_MS";

    explicit CSmartSceneSet(CAudioVideoPlay* session);
    ~CSmartSceneSet() override;

    void SetDeviceInfo(const QString& address, const QString& user, const QString& password,
                       int streamSelector) override;
    void SetTimer(int id, int intervalMs) override;
    bool OnAutoNotify(const vexo::AutoNotification& notification) override;

    // The index page's way in (see IManagedPage): LoadScene copies the
    // scene into the page and shows its name; RefreshScene rebuilds the
    // save strip, the body's tabs and data, and the optional parts for the
    // scene's kind.
    void LoadScene(const SceneRecord& scene) override;
    void RefreshScene() override;
    bool ConfirmLeave() override;
    void Save();
    void Recover();
    void Return();

    // What a scene tile's settings button does, for hosts and tests that
    // reach the page without the index page: opens the manager's scene at
    // `index` and shows the page. False for an index out of range.
    Q_INVOKABLE bool OpenSceneAt(int index);

    const SceneRecord& Scene() const { return scene_; }
    int EditMode() const { return editMode_; }
    void SetEditMode(int mode) { editMode_ = mode; }
    // Shows the PTZ panel (or the auto-tracking part) and the save strip
    // with the "PTZ" tab; hides the panel for a module tab.
    void ShowPtzPanel(bool show);

    CSceneSetHeader& Header() { return *header_; }
    CSceneSetBodyTitle& Body() { return *body_; }
    CSceneSetPtz* Ptz() { return ptz_.get(); }
    CSceneSetAutoTracking* AutoTracking() { return autoTracking_.get(); }

protected:
    void OnInitDialog() override;
    void OnTimer(int id) override;
    bool OnCommand(int offset) override;

private:
    void RenewPtzLock();
    // The scene's reads that RefreshScene sends and that wait for nothing:
    // its module list and, on a PTZ scene, the functions it offers.
    std::vector<DeviceCommandChannel::AheadCommand> SceneReads() const;
    // Shows the PTZ controls usable, or disabled with the device's reason
    // while it refuses the lock.
    void ShowPtzLock(CSceneSetBaseWithPtz& part);
    void StartVideoAndMoveDome();
    // The PTZ part that is shown now, or null.
    CSceneSetBaseWithPtz* ActivePtzPart();

    SceneRecord scene_;
    std::unique_ptr<CSceneSetHeader> header_;
    std::unique_ptr<CSceneSetBodyTitle> body_;
    std::unique_ptr<CSceneSetPtz> ptz_;
    std::unique_ptr<CSceneSetAutoTracking> autoTracking_;
    std::unique_ptr<CSceneSetCom> com_;
    int editMode_ = 102;
};
