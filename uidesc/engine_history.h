#pragma once
// What one undo step of a parameter panel holds: the values of the controls
// it changed and the shapes it changed, each before and after. The engine
// compares the whole panel with its last committed state after every
// change the operator makes, so a change that moves two things at once (a
// wire's arrow and its rule's direction, a margin and its band) is one step.

#include <QString>
#include <QUndoCommand>
#include <map>
#include <vector>

#include "show_ai_config.h"

namespace vexo {

class CSmartUiEngine;

// One control's value as the operator sets it: a check, a selection, a
// position or a text; controls the operator cannot set hold nothing.
struct ControlValue {
    int number = 0;
    QString text;
    bool operator==(const ControlValue&) const = default;
};

struct PanelState {
    std::vector<ControlValue> controls;       // in the engine's control order
    std::map<QString, ShapeSnapshot> shapes;  // by parameter name
};

struct PanelChange {
    std::vector<std::pair<size_t, ControlValue>> controls;
    std::vector<std::pair<QString, ShapeSnapshot>> shapes;
};

// The differences between two states of the same panel, as the two changes
// that lead from one to the other. Empty when nothing differs.
bool DiffPanelStates(const PanelState& before, const PanelState& after, PanelChange& undo,
                     PanelChange& redo);

class PanelStep : public QUndoCommand {
public:
    PanelStep(CSmartUiEngine& engine, PanelChange undo, PanelChange redo);
    void undo() override;
    void redo() override;
    int id() const override;
    // Typing into one edit is one step however many keys it takes.
    bool mergeWith(const QUndoCommand* other) override;

private:
    CSmartUiEngine& engine_;
    PanelChange undo_;
    PanelChange redo_;
    bool done_ = true;  // pushed after the change was made
};

}  // namespace vexo
