#pragma once
// CGdipButton: a button drawn from PNG images that can take the shape of its
// picture. The PTZ direction pad is made of wedge-shaped ones: the shape comes
// from a mask image in which one colour means "outside the button"; outside
// the shape the button neither paints nor takes clicks.

#include <QImage>
#include <QPushButton>
#include <QRegion>

#include "ptz_command_target.h"

namespace vexo {

class CGdipButton : public QPushButton {
    Q_OBJECT
public:
    explicit CGdipButton(QWidget* parent = nullptr);

    // Images of the normal, hovered and pressed looks; empty ones fall back to
    // the normal image.
    void SetImages(const QImage& normal, const QImage& hovered = {}, const QImage& pressed = {});

    // Shapes the button from `mask`: every pixel whose colour differs from
    // `transparent` belongs to the button. A mask without such a pixel leaves
    // an empty shape: the button is then invisible and cannot be clicked.
    void SetMask(const QImage& mask, QRgb transparent);
    bool IsShaped() const { return m_shaped; }
    const QRegion& ShapeRegion() const { return m_region; }

    // The window region of a mask: rows scanned from the bottom, each run of
    // non-transparent pixels one rectangle one pixel high, the rectangles
    // combined in blocks of 40.
    static QRegion RegionFromMask(const QImage& mask, QRgb transparent);

    // While a PTZ owner is set, a press inside the shape starts `command` (the
    // direction of this wedge) and the release stops it.
    void SetPtzOwner(PtzCommandTarget* owner, int command);

    bool IsHovered() const { return m_hover; }

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_normal;
    QImage m_hovered;
    QImage m_pressed;
    QRegion m_region;
    bool m_shaped = false;
    bool m_hover = false;
    PtzHold m_ptz;
};

}  // namespace vexo
