#include "panel_row_lines.h"

#include <map>

namespace vexo {

void PanelRowLines::Note(QWidget* control, bool linked) {
    if (!control) {
        return;
    }
    open_.controls.push_back({control, {}});
    open_.linked = open_.linked || linked;
}

void PanelRowLines::EndLine(int column, int height) {
    open_.column = column;
    open_.height = height;
    // Placed by now: a builder may still have moved its control after making it.
    for (Placed& placed : open_.controls) {
        placed.origin = placed.control ? placed.control->pos() : QPoint();
    }
    lines_.push_back(std::move(open_));
    open_ = Line();
}

void PanelRowLines::Clear() {
    lines_.clear();
    open_ = Line();
}

bool PanelRowLines::Collapsed(const Line& line) const {
    if (!line.linked || line.controls.empty()) {
        return false;
    }
    for (const Placed& placed : line.controls) {
        if (placed.control && !placed.control->isHidden()) {
            return false;
        }
    }
    return true;
}

QRect PanelRowLines::Reflow() {
    std::map<int, int> lift;  // per column: the height given back so far
    QRect shown;
    for (const Line& line : lines_) {
        int& up = lift[line.column];
        if (Collapsed(line)) {
            up += line.height;
            continue;
        }
        for (const Placed& placed : line.controls) {
            if (!placed.control) {
                continue;
            }
            placed.control->move(placed.origin - QPoint(0, up));
            if (!placed.control->isHidden()) {
                shown |= placed.control->geometry();
            }
        }
    }
    return shown;
}

}  // namespace vexo
