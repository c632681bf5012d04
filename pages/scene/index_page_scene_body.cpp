#include "index_page_scene_body.h"

#include <QPainter>
#include <algorithm>

#include "com_str.h"
#include "dialog_manager.h"
#include "popup_forms.h"
#include "smart_index_page.h"
#include "tool_tip_help.h"
#include "ui_helpers.h"

namespace {

constexpr int kPageButtonImages[5][2] = {
    {218, 219}, {220, 221}, {222, 223}, {224, 225}, {460, 461}};
constexpr int kPlainPageButtonImages[2] = {227, 228};
constexpr int kPageButtonSpacing = 70;
constexpr int kPageButtonSize = 28;
constexpr int kPageButtonFoot = 48;

}  // namespace

CIndexPageSceneBody::CIndexPageSceneBody() = default;

CIndexPageSceneBody::~CIndexPageSceneBody() = default;

int CIndexPageSceneBody::PageCount() const {
    const CDialogManager* manager = Manager();
    const int scenes = manager ? static_cast<int>(manager->Scenes().size()) : 0;
    return scenes > 0 ? (scenes - 1) / kScenesPerPage + 1 : 1;
}

void CIndexPageSceneBody::Clear() {
    tiles_.clear();
    pageButtons_.clear();
}

void CIndexPageSceneBody::Relayout() {
    if (pageButtons_.empty()) {
        return;
    }
    page_ = std::min(page_, PageCount());
    BuildTiles();
    BuildPageButtons();
}

void CIndexPageSceneBody::Build(bool rebuildFunctionLists) {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    if (rebuildFunctionLists) {
        manager->BuildSceneFunctionLists();
    }
    const int current = manager->CurrentScene();
    page_ = current < 0 ? 1 : current / kScenesPerPage + 1;
    BuildTiles();
    BuildPageButtons();
}

void CIndexPageSceneBody::ShowScenePage(int page) {
    page_ = page;
    BuildTiles();
    BuildPageButtons();
}

int CIndexPageSceneBody::FirstButtonPage() const {
    const int pages = PageCount();
    if (pages <= kMaxPageButtons) {
        return 1;
    }
    return std::clamp(page_ - kMaxPageButtons / 2, 1, pages - kMaxPageButtons + 1);
}

void CIndexPageSceneBody::BuildTiles() {
    tiles_.clear();
    CDialogManager* manager = Manager();
    CSmartIndexPage* page = Page();
    if (manager == nullptr || page == nullptr) {
        return;
    }
    const std::vector<SceneRecord>& scenes = manager->Scenes();
    const int first = (page_ - 1) * kScenesPerPage;
    const int last = std::min(page_ * kScenesPerPage, static_cast<int>(scenes.size()));
    for (int index = first; index < last; ++index) {
        auto tile = std::make_unique<CIndexPageScene>(index, index - first);
        tile->SetPage(page);
        tile->Create(page, scenes[index], manager->FunctionIdTriples(), page->width());
        tiles_.push_back(std::move(tile));
    }
    page->update();
}

void CIndexPageSceneBody::BuildPageButtons() {
    pageButtons_.clear();
    CSmartIndexPage* page = Page();
    if (page == nullptr) {
        return;
    }
    const int pages = std::min(PageCount(), kMaxPageButtons);
    const int width = page->width();
    const int firstX =
        width / 2 - (pages - 1) * kPageButtonSpacing / 2 - kPageButtonSize * pages / 2;
    const int y = page->height() - kPageButtonFoot;
    const int firstPage = FirstButtonPage();
    for (int slot = 0; slot < pages; ++slot) {
        const int number = firstPage + slot;
        auto button = std::make_unique<vexo::CAutoXpBtn>();
        button->Create(
            kXpBase + kFirstPageIndex + slot, page,
            QRect(firstX + slot * kPageButtonSpacing, y, kPageButtonSize, kPageButtonSize));
        if (number <= kMaxPageButtons) {
            button->SetImages(kPageButtonImages[number - 1][0], kPageButtonImages[number - 1][1]);
        } else {
            button->SetImages(kPlainPageButtonImages[0], kPlainPageButtonImages[1]);
            vexo::CXPButton* control = button->Control();
            QFont font = control->font();
            font.setPixelSize(number < 100 ? 14 : 11);
            font.setBold(true);
            control->setFont(font);
            control->setText(QString::number(number));
        }
        button->Control()->SetSelected(number == page_ ? 0 : 1);
        vexo::Describe(button->Control(),
                       vexo::TheComStr()->scenePageTip.arg(QString::number(number)));
        pageButtons_.push_back(std::move(button));
    }
}

CIndexPageScene* CIndexPageSceneBody::TileInSlot(int slot) const {
    for (const auto& tile : tiles_) {
        if (tile->Slot() == slot) {
            return tile.get();
        }
    }
    return nullptr;
}

QPoint CIndexPageSceneBody::ScreenPoint(const CIndexPageScene& tile, QPoint offset) const {
    CSmartIndexPage* page = Page();
    return page ? page->mapToGlobal(tile.Position() + offset) : tile.Position() + offset;
}

void CIndexPageSceneBody::SelectOnly(int sceneIndex) {
    std::vector<SceneRecord>& scenes = Manager()->EditScenes();
    for (int i = 0; i < static_cast<int>(scenes.size()); ++i) {
        scenes[i].selected = i == sceneIndex ? 1 : 0;
    }
    for (const auto& tile : tiles_) {
        tile->SetCurrent(tile->SceneIndex() == sceneIndex);
    }
}

void CIndexPageSceneBody::SetCurrentScene(int slot) {
    CDialogManager* manager = Manager();
    CIndexPageScene* tile = TileInSlot(slot);
    if (manager == nullptr || tile == nullptr || tile->IsCurrent()) {
        return;
    }
    const QPoint at = ScreenPoint(*tile, QPoint(60, 100));
    if (!vexo::Confirm(at.x(), at.y(), vexo::kPopupSetCurrentScene)) {
        return;
    }
    const int index = SceneIndexOfSlot(slot);
    if (index >= static_cast<int>(manager->Scenes().size())) {
        return;
    }
    // A refusal has shown the device's error text; flags and tiles stay.
    if (manager->DeviceContext().SetCurScene(manager->Scenes()[index].token)) {
        SelectOnly(index);
    }
}

void CIndexPageSceneBody::DeleteScene(int slot) {
    CDialogManager* manager = Manager();
    CIndexPageScene* tile = TileInSlot(slot);
    if (manager == nullptr || tile == nullptr) {
        return;
    }
    const QPoint at = ScreenPoint(*tile, QPoint(200, 120));
    if (!vexo::Confirm(at.x(), at.y(), vexo::kPopupDeleteScene)) {
        return;
    }
    std::vector<SceneRecord>& scenes = manager->EditScenes();
    const int index = SceneIndexOfSlot(slot);
    if (index >= static_cast<int>(scenes.size())) {
        return;
    }
    int selected = 0;
    for (int i = 0; i < static_cast<int>(scenes.size()); ++i) {
        if (scenes[i].selected) {
            selected = i;
        }
    }
    if (!manager->DeviceContext().DelScene(scenes[index].token)) {
        return;
    }
    if (index == selected && scenes[index].selected) {
        for (SceneRecord& scene : scenes) {
            scene.selected = 0;
        }
    }
    scenes.erase(scenes.begin() + index);
    // The current scene keeps pointing at the same record; when it was the
    // one deleted, the first scene takes its place (as after a scene list
    // without a selected scene).
    const int current = manager->CurrentScene();
    if (scenes.empty()) {
        manager->SetCurrentScene(-1);
    } else if (current > index) {
        manager->SetCurrentScene(current - 1);
    } else if (current == index) {
        manager->SetCurrentScene(0);
    }
    Build(false);
}

void CIndexPageSceneBody::OpenSceneSettings(int slot) {
    CDialogManager* manager = Manager();
    const int index = SceneIndexOfSlot(slot);
    if (manager == nullptr || TileInSlot(slot) == nullptr ||
        index >= static_cast<int>(manager->Scenes().size())) {
        return;
    }
    manager->SetCurrentScene(index);
    const SceneRecord scene = manager->Scenes()[index];
    IManagedPage* sceneSet = manager->Page(PageKind::SceneSet);
    if (sceneSet) {
        sceneSet->LoadScene(scene);
    }
    // Page 1 takes the PTZ lock, the scene becomes the device's current one
    // under it, and only then does the page read the scene's modules and
    // functions.
    manager->ShowPage(1);
    if (manager->DeviceContext().SetCurScene(scene.token)) {
        SelectOnly(index);
    }
    if (sceneSet) {
        sceneSet->RefreshScene();
    }
}

void CIndexPageSceneBody::EnterFunction(int index) {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    const int slot = (index - CIndexPageScene::kFirstFunctionIndex) % kScenesPerPage;
    const int sceneIndex = SceneIndexOfSlot(slot);
    const CIndexPageScene* tile = TileInSlot(slot);
    if (tile == nullptr || sceneIndex >= static_cast<int>(manager->Scenes().size())) {
        return;
    }
    // A copy: the page entered may change the shared list.
    const SceneRecord scene = manager->Scenes()[sceneIndex];
    if (scene.kind == 2 || scene.kind == kAutoTrackingScene || scene.functionTexts.isEmpty() ||
        !tile->OwnsFunction(index)) {
        return;
    }
    manager->SetCurrentScene(sceneIndex);
    manager->DeviceContext().SetReferenceScene(scene.name, scene.token);
    if (IManagedPage* smart = manager->Page(PageKind::SmartConfig)) {
        smart->Enter(scene.name, scene.token, index);
    }
    manager->ShowPage(2);
}

bool CIndexPageSceneBody::OnCommand(int index) {
    if (index >= CIndexPageScene::kSetCurrentIndex &&
        index < CIndexPageScene::kSetCurrentIndex + 3) {
        SetCurrentScene(index - CIndexPageScene::kSetCurrentIndex);
    } else if (index >= CIndexPageScene::kDeleteIndex &&
               index < CIndexPageScene::kDeleteIndex + 3) {
        DeleteScene(index - CIndexPageScene::kDeleteIndex);
    } else if (index >= CIndexPageScene::kSettingsIndex &&
               index < CIndexPageScene::kSettingsIndex + 3) {
        OpenSceneSettings(index - CIndexPageScene::kSettingsIndex);
    } else if (index >= kFirstPageIndex && index < kFirstPageIndex + kMaxPageButtons) {
        if (index - kFirstPageIndex < static_cast<int>(pageButtons_.size())) {
            ShowScenePage(FirstButtonPage() + index - kFirstPageIndex);
        }
    } else if (index >= CIndexPageScene::kFirstFunctionIndex &&
               index <= CIndexPageScene::kLastFunctionIndex) {
        EnterFunction(index);
    } else {
        return false;
    }
    return true;
}

void CIndexPageSceneBody::Paint(QPainter& painter) const {
    for (const auto& tile : tiles_) {
        tile->Paint(painter);
    }
}
