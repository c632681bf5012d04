#include "smart_index_page.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "auto_ids.h"
#include "com_str.h"
#include "dialog_manager.h"
#include "scene_name_clock.h"
#include "ui_helpers.h"

namespace {
constexpr int kXpBase = 18000;
}

CSmartIndexPage::CSmartIndexPage(CAudioVideoPlay* session)
    : CPageDialog(0, kTemplateSize, true), soundBody_(session) {}

CSmartIndexPage::~CSmartIndexPage() {
    // The parts' controls are children of this window: let the parts go
    // first while the window still exists.
    tourBody_.reset();
    sceneBody_.Clear();
}

void CSmartIndexPage::OnInitDialog() {
    CDialogManager* manager = Manager();
    header_.SetPage(this);
    header_.Create(manager, this, width());
    sceneBody_.SetPage(this);
    soundBody_.SetPage(this);
    soundBody_.InitPart(manager, this, ClientRect());
    tourBody_ = std::make_unique<CSceneTourPlayBody>(manager ? &manager->DeviceContext() : nullptr,
                                                     manager ? &manager->Scenes() : nullptr);
    tourBody_->SetPage(this);
    LayoutParts();
    sceneBody_.Build(false);
}

void CSmartIndexPage::LayoutParts() {
    header_.Layout(width());
    sceneBody_.Relayout();
    if (tourBody_) {
        tourBody_->SetArea(this, QRect(0, kTitleBandHeight, width(), height() - kTitleBandHeight));
    }
}

void CSmartIndexPage::resizeEvent(QResizeEvent* event) {
    CPageDialog::resizeEvent(event);
    LayoutParts();
}

void CSmartIndexPage::Rebuild() {
    header_.Offer(Manager());
    if (header_.Mode() == CIndexPageHeader::kSceneView) {
        sceneBody_.Build(false);
    }
    if (tourBody_) {
        tourBody_->Rebuild();
    }
    update();
}

void CSmartIndexPage::ChangeMode(int mode) {
    // Leaving the sound view stops its video; the session is shared, so a
    // view that is not shown leaves it alone.
    if (mode != CIndexPageHeader::kSoundView && soundBody_.IsShown()) {
        soundBody_.ShowState(0);
    }
    if (mode == CIndexPageHeader::kSceneView) {
        tourBody_->Show(false);
        sceneBody_.Build(false);
    } else {
        sceneBody_.Clear();
        if (mode == CIndexPageHeader::kSoundView) {
            tourBody_->Show(false);
            soundBody_.ShowState(1);
            // The video starts once the view is on screen, as on the other
            // video pages.
            SetTimer(kSoundTimer, kSoundTimerDelayMs);
        } else {
            tourBody_->Show(true);
        }
    }
    update();
}

bool CSmartIndexPage::OnCommand(int offset) {
    // Run from the event loop: the command may delete the pressed button.
    QTimer::singleShot(0, this, [this, offset] { RunCommand(offset); });
    return true;
}

void CSmartIndexPage::RunCommand(int offset) {
    if (header_.OnCommand(offset)) {
        if (offset <= CIndexPageHeader::kTourView) {
            ChangeMode(offset);
        }
        return;
    }
    if (offset == CIndexPageHeader::kAddScene) {
        AddScene();
        return;
    }
    const int mode = header_.Mode();
    if (mode == CIndexPageHeader::kSoundView && soundBody_.OnCommand(offset)) {
        return;
    }
    if (mode == CIndexPageHeader::kSceneView && sceneBody_.OnCommand(offset)) {
        return;
    }
    if (mode == CIndexPageHeader::kTourView) {
        tourBody_->OnCommand(offset);
    }
}

bool CSmartIndexPage::OnAutoNotify(const vexo::AutoNotification& notification) {
    if (notification.code == vexo::AutoNotify::Clicked &&
        vexo::IsInAutoRange(notification.id, kXpBase)) {
        return OnCommand(notification.id - kXpBase);
    }
    // The other controls belong to the panel of the sound view or to the
    // rows of the tours.
    if (soundBody_.OnNotify(notification)) {
        return true;
    }
    return tourBody_ && tourBody_->OnNotify(notification);
}

void CSmartIndexPage::OnTimer(int id) {
    if (id != kSoundTimer) {
        return;
    }
    KillTimer(kSoundTimer);
    if (soundBody_.IsShown() && isVisible()) {
        soundBody_.StartPreview();
    }
}

// The sound view's video plays only while the page is on screen: the
// session is shared with the other pages' panes.
void CSmartIndexPage::showEvent(QShowEvent* event) {
    CPageDialog::showEvent(event);
    if (soundBody_.IsShown()) {
        SetTimer(kSoundTimer, kSoundTimerDelayMs);
    }
}

void CSmartIndexPage::hideEvent(QHideEvent* event) {
    KillTimer(kSoundTimer);
    if (soundBody_.IsShown()) {
        soundBody_.StopPreview();
    }
    CPageDialog::hideEvent(event);
}

void CSmartIndexPage::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CSmartIndexPage::paintEvent(QPaintEvent* event) {
    CPageDialog::paintEvent(event);
    QPainter painter(this);
    switch (header_.Mode()) {
        case CIndexPageHeader::kSceneView:
            sceneBody_.Paint(painter);
            break;
        case CIndexPageHeader::kSoundView:
            soundBody_.Paint(painter);
            break;
        default:
            if (tourBody_) {
                tourBody_->Paint(painter);
            }
            break;
    }
}

bool CSmartIndexPage::AddScene() {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return false;
    }
    CSmartXmlParse& context = manager->DeviceContext();
    const QString name = vexo::SceneNameAt(vexo::SceneClockNow());
    if (!context.IsAddSceneSupported()) {
        vexo::ShowMessage(vexo::TheComStr()->notSupported, vexo::TheComStr()->tips);
        return false;
    }
    // A refusal has shown the device's error text.
    if (!context.AddScene(name)) {
        return false;
    }
    const QString token = context.SceneToken();
    SceneRecord added;
    added.name = name;
    added.token = token;
    added.kind = kOrdinaryScene;
    manager->EditScenes().push_back(added);
    manager->LoadSceneFunctions();
    manager->BuildFunctionIdTable();
    manager->BuildFunctionIdTriples();
    const std::vector<SceneRecord>& scenes = manager->Scenes();
    int index = -1;
    for (int i = 0; i < static_cast<int>(scenes.size()); ++i) {
        if (scenes[i].token == token) {
            index = i;
        }
    }
    if (index < 0) {
        return true;
    }
    manager->SetCurrentScene(index);
    manager->BuildSceneFunctionLists();
    if (IManagedPage* sceneSet = manager->Page(PageKind::SceneSet)) {
        sceneSet->LoadScene(manager->Scenes()[index]);
        sceneSet->RefreshScene();
    }
    manager->ShowPage(1);
    if (context.SetCurScene(token)) {
        std::vector<SceneRecord>& editable = manager->EditScenes();
        for (int i = 0; i < static_cast<int>(editable.size()); ++i) {
            editable[i].selected = i == index ? 1 : 0;
        }
    }
    // The tiles are ready for the way back to this page.
    sceneBody_.Build(false);
    return true;
}
