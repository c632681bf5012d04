#pragma once
// CIndexPageSceneBody: the scene view of the index page. The device's
// scenes are shown three to a page as tiles, with one page button per page
// (18051 to 18055) centred 48 pixels above the page's foot. From a tile
// the operator makes a scene current, deletes it, opens its settings
// (page 1) or enters one of its functions (page 2).
//
// Lists longer than fifteen scenes: the five page buttons become a window
// over the pages, kept around the page shown (pages 3 to 7 while page 5 is
// shown, the last five at the end), so that every scene can be reached.
// Pages 1 to 5 keep their numbered pictures; later pages get a plain circle
// with the page number written over it.

#include <memory>
#include <vector>

#include "auto_controls.h"
#include "dlg_part_base.h"
#include "index_page_scene.h"

class QPainter;

class CIndexPageSceneBody : public CIndexPageBase {
public:
    static constexpr int kXpBase = 18000;
    static constexpr int kFirstPageIndex = 51;
    static constexpr int kMaxPageButtons = 5;
    static constexpr int kScenesPerPage = 3;

    CIndexPageSceneBody();
    ~CIndexPageSceneBody() override;

    // Builds the tiles and page buttons on the page of the manager's
    // current scene; with `rebuildFunctionLists` the manager first rebuilds
    // the scenes' function lists.
    void Build(bool rebuildFunctionLists);
    // Removes tiles and page buttons.
    void Clear();
    // Places tiles and page buttons again for a new page size, on the same
    // scene page; nothing when the view is not built.
    void Relayout();
    void ShowScenePage(int page);
    // Commands of the tiles and page buttons; false for other indexes.
    bool OnCommand(int index);
    void Paint(QPainter& painter) const;

    int ScenePage() const { return page_; }
    int PageCount() const;
    const std::vector<std::unique_ptr<CIndexPageScene>>& Tiles() const { return tiles_; }
    int PageButtonCount() const { return static_cast<int>(pageButtons_.size()); }

    // The tile commands, by slot.
    void SetCurrentScene(int slot);
    void DeleteScene(int slot);
    void OpenSceneSettings(int slot);
    void EnterFunction(int index);

private:
    void BuildTiles();
    void BuildPageButtons();
    // The page of the first page button: 1 unless the window has moved.
    int FirstButtonPage() const;
    CIndexPageScene* TileInSlot(int slot) const;
    int SceneIndexOfSlot(int slot) const { return (page_ - 1) * kScenesPerPage + slot; }
    // Selected flag on `sceneIndex` only; tiles follow.
    void SelectOnly(int sceneIndex);
    QPoint ScreenPoint(const CIndexPageScene& tile, QPoint offset) const;

    std::vector<std::unique_ptr<CIndexPageScene>> tiles_;
    std::vector<std::unique_ptr<vexo::CAutoXpBtn>> pageButtons_;
    int page_ = 0;
};
