#include "smart_scene_set.h"

#include "auto_ids.h"
#include "com_str.h"
#include "dialog_manager.h"
#include "scene_set_auto_tracking.h"
#include "scene_set_body.h"
#include "scene_set_com.h"
#include "scene_set_header.h"
#include "scene_set_ptz.h"
#include "scene_set_rules.h"
#include "ui_helpers.h"

namespace {
constexpr int kXpBase = 18000;
constexpr int kBitmapBase = 11000;
constexpr int kAutoTrackingKind = 0;
// The PTZ parts' top-left corner: their rows then stand right of the video.
constexpr QPoint kPtzPartOrigin{250, 0};
constexpr QPoint kSaveStripAt{1040, 620};
constexpr int kSaveStripHeight = 32;
// Help and Return, on the title band right of the video.
constexpr QRect kHeaderEnd{715, 0, 565, 47};
}  // namespace

CSmartSceneSet::CSmartSceneSet(CAudioVideoPlay* session)
    : CPageDialog(1, kTemplateSize, true),
      header_(std::make_unique<CSceneSetHeader>()),
      body_(std::make_unique<CSceneSetBodyTitle>(session)) {
    header_->SetPage(this);
    body_->SetPage(this);
}

// The device keeps a lock for five minutes after its holder has gone: a
// control destroyed on this page (Destroy, or the host ending) hands it back
// at once, so that the next session may move the dome.
CSmartSceneSet::~CSmartSceneSet() {
    CDialogManager* manager = Manager();
    if (manager != nullptr &&
        manager->DeviceContext().PtzLockNow() == CSmartXmlParse::PtzLockState::Held) {
        manager->DeviceContext().PTZUnLock();
    }
}

void CSmartSceneSet::OnInitDialog() {
    header_->Create(this, width());
    body_->Create(this);
    vexo::PageFit::Layout layout;
    layout.video = CSceneSetBodyTitle::kVideoRect;
    layout.belowBottom = body_->PlayButton().Control()->geometry().bottom();
    layout.columnBottom = kSaveStripAt.y() + kSaveStripHeight - 1;
    layout.liftLine = kSaveStripAt.y();
    layout.anchored = {kHeaderEnd};
    vexo::PageFit& fit =
        FitToWindow(layout, [this](const QRect& video) { body_->FitVideo(video); });
    fit.SetVideo(body_->VideoWindow(),
                 {body_->PlayButton().Control(), body_->StopButton().Control()});
    fit.Apply();
    SetTimer(kPeriodicTimer, kPeriodicTimerMs);
}

void CSmartSceneSet::SetDeviceInfo(const QString& address, const QString& user,
                                   const QString& password, int streamSelector) {
    body_->SetDeviceInfo(address, user, password, streamSelector);
}

void CSmartSceneSet::SetTimer(int id, int intervalMs) {
    if (id == kPtzLockTimer) {
        bool ok = false;
        const int injected = qEnvironmentVariableIntValue(kLockRenewVariable, &ok);
        if (ok && injected > 0) {
            intervalMs = injected;
        }
    }
    CPageDialog::SetTimer(id, intervalMs);
}

bool CSmartSceneSet::OpenSceneAt(int index) {
    CDialogManager* manager = Manager();
    if (manager == nullptr || index < 0 || index >= int(manager->Scenes().size())) {
        return false;
    }
    LoadScene(manager->Scenes()[size_t(index)]);
    // Nothing comes between the lock and the scene's reads here: the three
    // go out together.
    std::vector<DeviceCommandChannel::AheadCommand> ahead = SceneReads();
    if (manager->HasPages()) {
        ahead.push_back(CDialogManager::SceneSettingsLock());
    }
    const DeviceCommandChannel::AheadScope scope(manager->DeviceContext().Channel(), ahead);
    manager->ShowPage(1);
    RefreshScene();
    return true;
}

std::vector<DeviceCommandChannel::AheadCommand> CSmartSceneSet::SceneReads() const {
    std::vector<DeviceCommandChannel::AheadCommand> reads{
        DeviceCommandChannel::ModuleListRead(scene_.token)};
    if (scene_.kind != kAutoTrackingKind) {
        reads.push_back(DeviceCommandChannel::FunctionListRead(scene_.token));
    }
    return reads;
}

void CSmartSceneSet::LoadScene(const SceneRecord& scene) {
    scene_ = scene;
    header_->SetName(scene_.name);
}

void CSmartSceneSet::RefreshScene() {
    // The scene's module list and the functions it offers do not depend on
    // each other: both go out at once (the replies of an outer scope that
    // sent them already are taken as they are).
    CDialogManager* manager = Manager();
    const DeviceCommandChannel::AheadScope ahead(
        manager != nullptr ? manager->DeviceContext().Channel() : nullptr, SceneReads());
    com_ = std::make_unique<CSceneSetCom>();
    com_->SetPage(this);
    com_->Create(this, kSaveStripAt);
    body_->LoadTabs();
    ptz_.reset();
    autoTracking_.reset();
    if (scene_.kind == kAutoTrackingKind) {
        autoTracking_ = std::make_unique<CSceneSetAutoTracking>();
        autoTracking_->SetPage(this);
        autoTracking_->Create(this, kPtzPartOrigin);
    } else {
        ptz_ = std::make_unique<CSceneSetPtz>();
        ptz_->SetPage(this);
        ptz_->Create(this, kPtzPartOrigin);
        ptz_->LoadFunctions();
    }
    body_->SelectTab(CSceneSetBodyTitle::kPtzTab);
}

CSceneSetBaseWithPtz* CSmartSceneSet::ActivePtzPart() {
    if (ptz_) {
        return ptz_.get();
    }
    return autoTracking_.get();
}

void CSmartSceneSet::ShowPtzPanel(bool show) {
    if (CSceneSetBaseWithPtz* part = ActivePtzPart()) {
        part->Show(show);
    }
}

void CSmartSceneSet::OnTimer(int id) {
    switch (id) {
        case kPeriodicTimer:
            if (CSceneSetBaseWithPtz* part = ActivePtzPart()) {
                part->PeriodicUpdate();
                ShowPtzLock(*part);
            }
            body_->PeriodicUpdate();
            break;
        case kStartTimer:
            KillTimer(kStartTimer);
            StartVideoAndMoveDome();
            break;
        case kPtzLockTimer:
            RenewPtzLock();
            break;
        default:
            break;
    }
}

void CSmartSceneSet::StartVideoAndMoveDome() {
    body_->StartPreview();
    body_->LoadDataUnlessShown();
    PtzPosition position;
    CDialogManager* manager = Manager();
    if (manager != nullptr && body_->StoredPosition(position)) {
        manager->DeviceContext().MovePTZPosition(position.pan, position.tilt, position.zoom);
    }
}

void CSmartSceneSet::ShowPtzLock(CSceneSetBaseWithPtz& part) {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    // The lock is taken when the page is shown and at each renewal; the
    // controls follow the last answer.
    const CSmartXmlParse& context = manager->DeviceContext();
    const bool refused = context.PtzLockNow() == CSmartXmlParse::PtzLockState::Refused;
    part.SetLockRefusal(refused, context.PtzLockRefusal());
}

void CSmartSceneSet::RenewPtzLock() {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    // The device lets a lock lapse after five minutes: release and take it
    // again before that.
    CSmartXmlParse& context = manager->DeviceContext();
    context.PTZUnLock();
    if (!context.PTZLock(QStringLiteral("300000"))) {
        context.ShowDeviceError();
    }
}

bool CSmartSceneSet::OnAutoNotify(const vexo::AutoNotification& notification) {
    if (notification.code == vexo::AutoNotify::Clicked &&
        vexo::IsInAutoRange(notification.id, kXpBase)) {
        return OnCommand(notification.id - kXpBase);
    }
    if (notification.code == vexo::AutoNotify::Clicked &&
        vexo::IsInAutoRange(notification.id, kBitmapBase) && ptz_ &&
        ptz_->OnBitmapCommand(notification.id - kBitmapBase)) {
        return true;
    }
    // The PTZ panel reads its own combos when it sends; everything else
    // belongs to the body's parameter panel.
    if (notification.id == CSceneSetBaseWithPtz::kPanSpeedId ||
        notification.id == CSceneSetBaseWithPtz::kTiltSpeedId ||
        notification.id == CSceneSetBaseWithPtz::kPresetId ||
        notification.id == CSceneSetHeader::kNameEditId) {
        return true;
    }
    return body_->OnEngineNotify(notification);
}

bool CSmartSceneSet::OnCommand(int offset) {
    if (header_->OnCommand(offset)) {
        return true;
    }
    if (com_ && com_->OnCommand(offset)) {
        return true;
    }
    if (CSceneSetBaseWithPtz* part = ActivePtzPart(); part && part->OnCommand(offset)) {
        return true;
    }
    return body_->OnCommand(offset);
}

void CSmartSceneSet::Save() {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    // The name field belongs to the "PTZ" tab: a module tab's save stores
    // that module only and leaves the name (checked as the scene's own).
    const bool ptzTab = editMode_ == CSceneSetBodyTitle::kPtzTab;
    const QString name = ptzTab ? sceneset::SceneName(header_->Name()) : scene_.name;
    switch (sceneset::CheckSceneSave(scene_.kind, scene_.token, name, manager->Scenes())) {
        case sceneset::SaveRefusal::kAutoTrackingScene:
            vexo::ShowMessage(texts.autoTrackingNoEdit, texts.tips);
            return;
        case sceneset::SaveRefusal::kEmptyName:
            vexo::ShowMessage(texts.sceneNameEmpty, texts.tips);
            return;
        case sceneset::SaveRefusal::kRepeatedName:
            vexo::ShowMessage(texts.sceneNameRepeated, texts.tips);
            return;
        case sceneset::SaveRefusal::kIllegalName:
            vexo::ShowMessage(texts.sceneNameIllegal, texts.tips);
            return;
        case sceneset::SaveRefusal::kAccepted:
            break;
    }
    int saved = 0;
    vexo::StoredDifferences differences;
    if (ptzTab) {
        if (ptz_) {
            saved = ptz_->SaveScene(name, differences);
        }
    } else {
        saved = body_->SaveModule(differences);
    }
    if (saved && ptzTab) {
        // Only the name goes into the manager's record: the page's copy was
        // taken before the scene became current, so its selected flag is
        // stale, and the function lists are rebuilt on the way back.
        scene_.name = name;
        header_->SetName(name);  // the field shows the name as saved
        manager->RenameScene(scene_.token, name);
    }
    body_->PostSaveUpdate();
    if (saved) {
        vexo::ShowSaveSuccess(differences);
    }
}

void CSmartSceneSet::Recover() {
    int recovered = 0;
    if (editMode_ == CSceneSetBodyTitle::kPtzTab) {
        // The "PTZ" tab's settings are the name and the functions the device
        // holds for the scene.
        header_->SetName(scene_.name);
        if (ptz_) {
            ptz_->LoadFunctions();
        }
        recovered = 1;
    } else {
        recovered = body_->ReloadModule();
    }
    if (recovered) {
        const vexo::ComTexts& texts = vexo::TheComStr().Texts();
        vexo::ShowMessage(texts.recoverSuccess, texts.tips);
    }
}

bool CSmartSceneSet::ConfirmLeave() {
    return !isVisible() || body_->ConfirmLeave();
}

void CSmartSceneSet::Return() {
    CDialogManager* manager = Manager();
    if (manager == nullptr || !body_->ConfirmLeave()) {
        return;
    }
    // The function lists are read again before the index page rebuilds its
    // tiles, so that functions saved here show on the scene's tile at once.
    manager->BuildSceneFunctionLists();
    if (IManagedPage* index = manager->Page(PageKind::Index)) {
        index->Rebuild();
    }
    manager->ShowPage(0);
    body_->StopPreview();
}
