#pragma once
// CIndexPageScene: one scene tile of the index page, in slot 0 to 2. It
// shows the scene's name, its set-current (18011 + slot), settings
// (18020 + slot) and delete (18017 + slot) buttons, and one button per
// entry of the scene's first function list (18150 + 3 x the function's
// place in the function table + slot), each with the function's name
// under it (static 15000 + the button's command index) in two lines. The
// page runs the commands; the tile only builds, places and paints itself.
//
// The tile keeps its size whatever the scene holds: its function buttons
// stand five to a row in an area two rows high that scrolls (wheel, or the
// slim scroll bar 19700 + slot at the tile's right edge) when the scene has
// more than ten functions. A tile that grew instead would push the page
// buttons off a small page, and a second set of page buttons inside the
// tile would be one more control to learn.

#include <QPoint>
#include <QPointer>
#include <memory>
#include <vector>

#include "auto_controls.h"
#include "dlg_part_base.h"

class QPainter;
class QScrollArea;
struct SceneRecord;
namespace vexo {
class CSmartFunIdData;
}

class CIndexPageScene : public CIndexPageBase {
public:
    static constexpr int kXpBase = 18000;
    static constexpr int kSetCurrentIndex = 11;
    static constexpr int kDeleteIndex = 17;
    static constexpr int kSettingsIndex = 20;
    static constexpr int kFirstFunctionIndex = 150;
    static constexpr int kLastFunctionIndex = 300;
    static constexpr int kNameLabelId = 15700;        // + slot
    static constexpr int kFunctionLabelBase = 15000;  // + the button's command index
    static constexpr int kFunctionScrollId = 19700;   // + slot
    static constexpr int kTileImage = 655;
    static constexpr QSize kTileSize{321, 236};

    // `functions` is the manager's function table of the three tile slots.
    CIndexPageScene(int sceneIndex, int slot);
    ~CIndexPageScene() override;

    void Create(QWidget* parent, const SceneRecord& scene,
                const std::vector<vexo::CSmartFunIdData>& functions, int pageWidth);
    void SetCurrent(bool current);
    void Paint(QPainter& painter) const;

    int SceneIndex() const { return sceneIndex_; }
    int Slot() const { return slot_; }
    bool IsCurrent() const { return current_; }
    QPoint Position() const { return position_; }
    // True when one of the tile's function buttons has command index `index`.
    bool OwnsFunction(int index) const;
    const std::vector<int>& FunctionIndexes() const { return functionIndexes_; }

private:
    // The scrolling area of the function buttons, `count` of them.
    QWidget* CreateFunctionArea(QWidget* parent, int count);

    int sceneIndex_;
    int slot_;
    QPoint position_;
    bool current_ = false;
    vexo::CAutoStatic name_;
    vexo::CAutoXpBtn setCurrent_;
    vexo::CAutoXpBtn settings_;
    vexo::CAutoXpBtn delete_;
    // The buttons and names live in the area's scrolled content. Guarded:
    // the tile deletes the area, unless the page went first and took it.
    QPointer<QScrollArea> functionArea_;
    std::vector<std::unique_ptr<vexo::CAutoXpBtn>> functions_;
    std::vector<int> functionIndexes_;
    std::vector<std::unique_ptr<vexo::CAutoStatic>> functionLabels_;
};
