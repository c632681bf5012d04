#pragma once
// CSceneSetPtz: the "PTZ" tab's panel: the PTZ controls and the scene's
// function editor. The scene list holds the functions the scene runs, the
// intelligence list the other functions the device offers; four buttons
// move entries between them. Moves change only the screen: Save sends the
// scene list with the name ("CMD_ModifyScene").
//
// The conflict table comes from the device's UI description
// ("Capbility/FunctionConflicts"); a device that publishes none has no
// conflicts here, and its own refusal ("Fail" of the save) still puts the
// refused functions back into the intelligence list.

#include <QStringList>

#include "scene_set_ptz_controls.h"
#include "scene_set_rules.h"
#include "stored_check.h"

class CSceneSetPtz : public CSceneSetBaseWithPtz {
public:
    static constexpr int kSceneListId = 20000 + 1;
    static constexpr int kIntelligenceListId = 20000 + 2;
    // Bitmap buttons: add selected, add all, remove selected, remove all.
    static constexpr int kAddSelected = 81;
    static constexpr int kAddAll = 82;
    static constexpr int kRemoveSelected = 83;
    static constexpr int kRemoveAll = 84;

    void Create(QWidget* parent, QPoint origin) override;
    void Show(bool show) override;
    // The four move buttons (bitmap-button offsets 81 to 84).
    bool OnBitmapCommand(int offset);

    // Reads the device's functions for the edited scene and fills the lists.
    void LoadFunctions();
    // "CMD_ModifyScene" with `name` and the scene list; a refusal shows
    // the device's error text. 1 on success; `differences` then says when
    // the scene runs other functions than were sent (stored_check.h).
    int SaveScene(const QString& name, vexo::StoredDifferences& differences);

    // Function names, in list order.
    QStringList SceneFunctions() const;
    QStringList IntelligenceFunctions() const;

private:
    // Moves the entries of `from` (all, or only the selected ones) to `to`.
    // Entering the scene list is refused when a conflict would arise.
    void Move(vexo::CAutoListBox& from, vexo::CAutoListBox& to, bool all, bool checkConflicts);
    void AddEntry(vexo::CAutoListBox& list, const QString& function);
    // What the lists show for `function`: its localised name, else itself.
    QString DisplayName(const QString& function) const;

    vexo::CAutoStatic title_;
    vexo::CAutoStatic sceneListLabel_;
    vexo::CAutoStatic intelligenceListLabel_;
    vexo::CAutoListBox sceneList_;
    vexo::CAutoListBox intelligenceList_;
    std::array<vexo::CAutoBitmapBtn, 4> moves_;
    sceneset::FunctionConflicts conflicts_;
};
