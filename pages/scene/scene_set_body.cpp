#include "scene_set_body.h"

#include <QFontMetrics>
#include <algorithm>

#include "audio_video_play.h"
#include "dialog_manager.h"
#include "popup_forms.h"
#include "smart_scene_set.h"
#include "ui_helpers.h"

namespace {
constexpr int kXpBase = 18000;
constexpr int kTabTop = 47;
constexpr int kTabLeft = 724;
constexpr int kTabHeight = 30;
constexpr int kTabGap = 4;
constexpr int kTabRight = 1272;
// The module panels take the place of the PTZ panel, right of the video.
const QRect kPanelHeader(720, 85, 550, 0);
const QRect kPanelArea(720, 85, 550, 520);
}  // namespace

CSceneSetBodyTitle::CSceneSetBodyTitle(CAudioVideoPlay* session) : CAVPlayBase(session) {}

CSceneSetBodyTitle::~CSceneSetBodyTitle() {
    engine_.SetChangeListener(nullptr);
    engine_.Clear();
}

void CSceneSetBodyTitle::Create(QWidget* parent) {
    SetParentWnd(parent);
    CreateVideoWindow(kVideoRect);
    CreateButtons();
    RouteVideoInput();  // the module panels' geometry is drawn on the video
    PlaceEngine();
    engine_.SetChangeListener([this] { UpdateMarks(); });
}

void CSceneSetBodyTitle::PlaceEngine() {
    CDialogManager* manager = Manager();
    vexo::CShowAIConfig* overlay = m_session ? &m_session->Overlay() : nullptr;
    enginePort_ = m_session ? m_session->PlayPort() : -1;
    // The panel draws on this page's picture, whichever page played last.
    engine_.SetArea(m_parent, kPanelHeader, kPanelArea, overlay,
                    manager ? &manager->DeviceContext() : nullptr,
                    QRect(QPoint(0, 0), VideoRect().size()), enginePort_);
}

void CSceneSetBodyTitle::FitVideo(const QRect& rect) {
    PlaceVideo(rect);
    CDialogManager* manager = Manager();
    engine_.SetArea(m_parent, kPanelHeader, kPanelArea, m_session ? &m_session->Overlay() : nullptr,
                    manager ? &manager->DeviceContext() : nullptr, QRect(QPoint(0, 0), rect.size()),
                    enginePort_);
}

void CSceneSetBodyTitle::LoadTabs() {
    ClearPanel();
    tabs_.clear();
    captions_.clear();
    modules_.clear();
    sceneModules_.clear();
    metadataMenu_.clear();
    records_.clear();
    scenePosition_ = ParamRecord{};
    CDialogManager* manager = Manager();
    if (manager == nullptr || Page() == nullptr) {
        return;
    }
    CSmartXmlParse& context = manager->DeviceContext();
    context.GetModulesOfType(QStringLiteral("standard_labels"), modules_);
    const SceneRecord& scene = Page()->Scene();
    context.SetReferenceScene(scene.name, scene.token);
    if (context.GetSceneModuleList(sceneModules_)) {
        ReadScenePosition();
    }
    context.GetMetaDataMenu(metadataMenu_);
    // The live picture shows what the device's metadata menu offers.
    SetMetadataOption(metadataMenu_.join(u','));

    QStringList texts{vexo::TheComStr().Texts().ptz};
    for (const QString& module : modules_) {
        if (texts.size() > kLastModuleTab - kPtzTab) {
            break;
        }
        const QString text = manager->GetLocalText1(module);
        texts.append(text.isEmpty() ? module : text);
    }
    // Each tab as wide as its text; the row is squeezed evenly when the
    // texts together are wider than the room right of the video.
    const QFontMetrics metrics(m_parent->font());
    QList<int> widths;
    int total = 0;
    for (const QString& text : texts) {
        widths.append(std::max(70, metrics.horizontalAdvance(text) + 20));
        total += widths.back() + kTabGap;
    }
    const double squeeze = std::min(1.0, double(kTabRight - kTabLeft) / total);
    int x = kTabLeft;
    for (int slot = 0; slot < texts.size(); ++slot) {
        const int width = int(widths[slot] * squeeze);
        auto tab = std::make_unique<vexo::CAutoXpBtn>();
        tab->Create(kXpBase + kPtzTab + slot, m_parent, QRect(x, kTabTop, width, kTabHeight),
                    vexo::kAutoStyleNone, texts[slot]);
        tab->SetImages(238, 239);
        tabs_.push_back(std::move(tab));
        x += width + kTabGap;
    }
    captions_ = texts;
}

void CSceneSetBodyTitle::ReadScenePosition() {
    const QString module = QString::fromLatin1(kScenePositionModule);
    if (sceneModules_.count(module) == 0) {
        return;
    }
    scenePosition_.funName = module;
    Manager()->DeviceContext().GetModuleParam(scenePosition_);
}

bool CSceneSetBodyTitle::StoredPosition(PtzPosition& position) const {
    for (const auto& [name, value] : scenePosition_.objectParams) {
        if (!value.ptzPositions.empty()) {
            position = value.ptzPositions.front();
            return true;
        }
    }
    return false;
}

QString CSceneSetBodyTitle::SelectedModule() const {
    const int mode = Page() ? Page()->EditMode() : kPtzTab;
    const int slot = mode - kFirstModuleTab;
    return slot >= 0 && slot < modules_.size() ? modules_[slot] : QString();
}

void CSceneSetBodyTitle::SelectTab(int index) {
    if (index != kPtzTab && (index < kFirstModuleTab || index - kPtzTab >= int(tabs_.size()))) {
        return;
    }
    FinishEditing();
    Page()->SetEditMode(index);
    ShowSelected(index);
    ClearPanel();
    Page()->ShowPtzPanel(index == kPtzTab);
    if (index != kPtzTab) {
        LoadData();
    }
}

void CSceneSetBodyTitle::ShowSelected(int index) {
    for (size_t slot = 0; slot < tabs_.size(); ++slot) {
        tabs_[slot]->Control()->SetSelected(kPtzTab + int(slot) == index ? 1 : 0);
    }
}

void CSceneSetBodyTitle::ClearPanel() {
    // The tab's shapes go with its panel: the video shows only the geometry
    // of the tab being edited.
    engine_.ClearShapes();
    engine_.Clear();
    shownModule_.clear();
    UpdateMarks();
}

bool CSceneSetBodyTitle::IsModified() const {
    return !shownModule_.isEmpty() && engine_.IsChanged();
}

void CSceneSetBodyTitle::UpdateMarks() {
    const bool edited = IsModified();
    const int mode = Page() ? Page()->EditMode() : kPtzTab;
    for (size_t slot = 0; slot < tabs_.size() && slot < size_t(captions_.size()); ++slot) {
        tabs_[slot]->Control()->setText(
            vexo::EditedCaption(captions_[qsizetype(slot)], edited && kPtzTab + int(slot) == mode));
    }
}

bool CSceneSetBodyTitle::ConfirmLeave() {
    FinishEditing();  // a point being edited counts as an edit
    const QWidget* video = VideoWindow();
    return vexo::ConfirmLeaveEdits(
        video ? video->mapToGlobal(video->rect().center()) : QPoint(),
        [this] { return IsModified(); }, [this] { Page()->Save(); }, [this] { LoadData(); });
}

void CSceneSetBodyTitle::LoadDataUnlessShown() {
    if (shownModule_.isEmpty() || shownModule_ != SelectedModule()) {
        LoadData();
    }
}

void CSceneSetBodyTitle::LoadData() {
    const QString module = SelectedModule();
    CDialogManager* manager = Manager();
    if (module.isEmpty() || manager == nullptr) {
        return;
    }
    ClearPanel();
    PlaceEngine();
    engine_.ResetLayout();
    CSmartXmlParse& context = manager->DeviceContext();
    const SceneRecord& scene = Page()->Scene();
    context.SetReferenceScene(scene.name, scene.token);
    vexo::ParamRows rows;
    ParamRecord& record = records_[module];
    record = ParamRecord{};
    context.BuildModulePanel(false, module, rows, &record);
    engine_.BuildPanel(rows, true);
    engine_.ShowAll(true);
    shownModule_ = module;
    if (enginePort_ >= 0) {
        MarkOverlayDrawn(true);  // built on the playing video: drawn over it at once
    }
}

int CSceneSetBodyTitle::ReloadModule() {
    const QString module = SelectedModule();
    if (module.isEmpty()) {
        return 0;
    }
    LoadData();
    return records_.count(module) && !records_[module].funName.isEmpty() ? 1 : 0;
}

void CSceneSetBodyTitle::PeriodicUpdate() {
    // A module panel built before the first picture could not draw its
    // geometry; once the video plays, it is built again over the picture.
    if (m_session != nullptr && !SelectedModule().isEmpty() && enginePort_ < 0 &&
        m_session->PlayPort() >= 0 && m_session->FirstFrameDrawn()) {
        LoadData();
        MarkOverlayDrawn(true);
    }
}

bool CSceneSetBodyTitle::OnCommand(int offset) {
    if (offset >= kPtzTab && offset < kPtzTab + int(tabs_.size())) {
        const int shown = Page() ? Page()->EditMode() : kPtzTab;
        if (offset == shown && IsModified()) {
            ShowSelected(shown);  // the edits stay: nothing to read again
        } else if (ConfirmLeave()) {
            SelectTab(offset);
        } else {
            ShowSelected(shown);  // the pressed look goes back to the tab shown
        }
        return true;
    }
    if (OnButton(offset)) {
        return true;
    }
    return OnEngineNotify({kXpBase + offset, vexo::AutoNotify::Clicked, 0});
}

bool CSceneSetBodyTitle::OnEngineNotify(const vexo::AutoNotification& notification) {
    return engine_.Dispatch(notification);
}

int CSceneSetBodyTitle::SaveModule(vexo::StoredDifferences& differences) {
    differences.clear();
    const QString module = SelectedModule();
    CDialogManager* manager = Manager();
    if (module.isEmpty() || manager == nullptr) {
        return 0;
    }
    FinishEditing();
    CSmartXmlParse& context = manager->DeviceContext();
    ParamRecord& record = records_[module];
    record.funName = module;
    std::map<QString, vexo::ObjectValueText> objects;
    engine_.CollectValues(record, objects);
    vexo::ParamList params;
    context.GetModuleParameters(module, params);
    context.StoreObjectValues(params, objects, record);
    const SceneRecord& scene = Page()->Scene();
    context.SetReferenceScene(scene.name, scene.token);
    const int saved = context.ModifyModuleParam(record);
    if (!saved) {
        return 0;
    }
    engine_.MarkUnchanged();
    // Write, then verify: the module is read back; when the device stored
    // something else, the panel is built again from its version.
    ParamRecord stored;
    stored.funName = module;
    if (context.GetModuleParam(stored)) {
        differences = vexo::CompareRecords(record, stored);
    }
    if (!differences.empty()) {
        ReloadModule();
    }
    return saved;
}

void CSceneSetBodyTitle::PostSaveUpdate() {
    // The device stores the head's view as the scene's position on a save.
    scenePosition_ = ParamRecord{};
    ReadScenePosition();
}

void CSceneSetBodyTitle::ShowPoint(const QString& key, const QString& deviceText) {
    if (m_editingKey == key) {
        EditPoint(false, key);
    }
    SetGeometry(key, deviceText, kRegionGeometry);
    if (m_session != nullptr) {
        m_session->DeleteOverlay(key, false);
        m_session->DrawPoint(key, m_geometry[key].text);
    }
}
