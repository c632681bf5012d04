#pragma once
// CXPButton: the pages' owner-drawn push button. It shows one of two images
// (normal or selected) stretched over the whole button, with the button text
// centred on top, optionally moved by a text offset so that it clears an icon
// drawn at the left of the image.

#include <QColor>
#include <QPixmap>
#include <QPushButton>

#include "ptz_command_target.h"

namespace vexo {

class CXPButton : public QPushButton {
    Q_OBJECT
public:
    // Click modes: which user action drives the selected image.
    static constexpr int kShowSelectedWhileHeld = 1;
    static constexpr int kFlipOnClick = 2;

    explicit CXPButton(QWidget* parent = nullptr);

    void SetImages(const QPixmap& normal, const QPixmap& selected);
    const QPixmap& NormalImage() const { return m_normal; }
    const QPixmap& SelectedImage() const { return m_selected; }

    // 0 or 1: which image is drawn outside of a held click-mode-1 press.
    void SetSelected(int selected);
    int GetSelected() const { return m_selectedState; }

    // 1: selected image only while held; 2: each click flips the selected
    // state; any other value leaves the state to the owner.
    void SetClickMode(int mode) { m_clickMode = mode; }
    int ClickMode() const { return m_clickMode; }

    // Moves the centred text right by `dx` and down by `dy` pixels.
    void SetTextOffset(int dx, int dy);

    // Overrides the text colour of both images. By default the text is white
    // over a dark picture and dark over a light one.
    void SetTextColor(const QColor& color);

    // While a PTZ owner is set, press starts `command` and release stops it.
    void SetPtzOwner(PtzCommandTarget* owner, int command);

    bool IsHovered() const { return m_hover; }
    // True when the next paint draws the selected image.
    bool ShowsSelectedImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_selected;
    bool m_normalIsDark = false;
    bool m_selectedIsDark = true;
    int m_selectedState = 0;
    int m_clickMode = 0;
    int m_textDx = 0;
    int m_textDy = 0;
    bool m_hover = false;
    QColor m_textColor;
    PtzHold m_ptz;
};

}  // namespace vexo
