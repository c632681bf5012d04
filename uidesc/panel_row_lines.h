#pragma once
// The lines of a parameter panel as the engine laid them out: which
// controls stand on each line, in which column, and how much height the
// line took. Rows that their links hide give their height back: the lines
// below them in the same column move up, and move down again when the rows
// come back, so a hidden row leaves no gap in the panel.

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace vexo {

class PanelRowLines {
public:
    // A control of the line being laid out; `linked` when links may hide it.
    void Note(QWidget* control, bool linked);
    // Closes the line: its controls stand where they were placed, in the
    // column that starts `column` pixels right of the first, and the line
    // took `height` pixels of it.
    void EndLine(int column, int height);
    void Clear();

    // Moves every line up by the height of the lines above it, in its
    // column, whose controls are all hidden and one of them by its links.
    // Returns the rectangle of the controls shown, in their parent's pixels.
    QRect Reflow();

private:
    struct Placed {
        QPointer<QWidget> control;
        QPoint origin;
    };
    struct Line {
        int column = 0;
        int height = 0;
        bool linked = false;
        std::vector<Placed> controls;
    };
    bool Collapsed(const Line& line) const;

    std::vector<Line> lines_;
    Line open_;
};

}  // namespace vexo
