#pragma once
// LinkageEditor: the linkage method (action trigger) editor. The device
// describes its actions in the owner's trigger data; the editor shows one
// group of check boxes per group of actions, changes every action of the
// same name together, and sends the whole record back with
// "CMD_SetActionTrigger" ("TRUE" for a ticked action, "FALSE" otherwise).
//
// Like the schedule grid it is a child widget of its host page and knows
// nothing of the host: the host places it, gives it the device context, the
// owner's identity and (analytics page) the rules for the rule batch, then
// calls Init. The owner the commands address follows the device context's
// reference scene token. Control identifiers: editor_ids.h.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "arming_editor.h"
#include "auto_controls.h"
#include "linkage_groups.h"

class CSmartXmlParse;

namespace vexo {

class LinkageEditor : public ArmingEditor {
    Q_OBJECT
public:
    // Height of the panel's fixed header above the first group slot.
    static constexpr int kHeaderHeight = 10;

    explicit LinkageEditor(QWidget* parent = nullptr);
    ~LinkageEditor() override;

    // --- operations -------------------------------------------------------------
    // Clears the controls, reads the trigger data (Load) and builds one
    // titled group of check boxes per group, then the rule batch button and
    // the "Batch Settings" box (at most 40 groups and 90 actions get a
    // control; the record is sent back whole all the same). Lays out for the widget's current size
    // (and again when it is resized); visibility stays the host's.
    void Init();
    // Reads the owner's trigger data into a fresh record; a failed read
    // leaves it without groups. Returns the command's result (1 or 0).
    int Load();
    // Sends the record and reads it back; shows "Save Success" (with what
    // the device stored differently, and then the device's states) or the
    // device's error text (the boxes keep their states). Returns 1 or 0.
    // The host shows no message of its own for it.
    int Save();
    // For the batch export: when the "Batch Settings" box exists and is
    // ticked, copies the record to `record` and returns 1; otherwise 0.
    int GetTriggerRecord(ParamRecord& record) const;
    void ClearControls();

    // --- events -----------------------------------------------------------------
    void Paint(QPainter& painter);
    // An action's box (takes the box's new state) or the rule batch button;
    // false for an identifier that is not the editor's.
    bool OnCommand(int id);
    bool OnAutoNotify(const AutoNotification& notification) override;
    bool IsModified() const override { return ActionStates() != m_storedStates; }

    // --- state ------------------------------------------------------------------
    const ParamRecord& Record() const { return m_record; }
    const std::vector<LinkageGroup>& Groups() const { return m_groups; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QWidget* RuleBatchButton() const override;
    CAutoBtnPush* BatchCheckBox() const override;
    void TakeSaved(const std::optional<ParamRecord>& stored) override;

private:
    struct Controls;

    void BuildControls();
    // Shows `record` (read from the device); the controls are the caller's.
    void Take(const ParamRecord& record);
    void ToggleAction(int id);
    void RunRuleBatch();

    ParamRecord m_record;
    // Every action's tick, "name=1" or "name=0", in group order.
    QStringList ActionStates() const;

    std::vector<LinkageGroup> m_groups;
    QStringList m_storedStates;  // as read or last saved
    std::unique_ptr<Controls> m_controls;
};

}  // namespace vexo
