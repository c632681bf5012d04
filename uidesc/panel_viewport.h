#pragma once
// The place of one parameter panel on its page: a frameless, see-through
// scroll area over the panel's rectangle that holds the engine's controls.
// Rows keep their page positions (the engine lays out in page pixels); a
// panel taller than its rectangle gets a scroll bar instead of running off
// the page or over its own first column.

#include <QPointer>
#include <QRect>

class QScrollArea;
class QWidget;

namespace vexo {

class PanelViewport {
public:
    // The identifier of the panel's vertical scroll bar (the first one after
    // the engine's window of sliders), so that scripts can scroll a panel.
    static constexpr int kScrollBarId = 19050;

    // Creates the area, hidden, as a child of `page` over `area` (page pixels).
    PanelViewport(QWidget* page, const QRect& area);
    ~PanelViewport();
    PanelViewport(const PanelViewport&) = delete;
    PanelViewport& operator=(const PanelViewport&) = delete;

    // The widget the controls are created in, and a page rectangle in its
    // pixels.
    QWidget* Content() const;
    QRect FromPage(const QRect& rect) const { return rect.translated(-area_.topLeft()); }

    // Makes the content as large as `extent` (page pixels, every control
    // shown) and, with `toTop`, starts at its top; otherwise the panel
    // stays scrolled where the operator left it.
    void Fit(const QRect& extent, bool toTop = true);
    void Show(bool show);

private:
    void DecideBars();

    QRect area_;
    QPointer<QScrollArea> scroll_;  // the page may go first and take it along
    QPointer<QWidget> content_;
};

}  // namespace vexo
