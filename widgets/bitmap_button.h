#pragma once
// CBitmapButton: a button that is nothing but its picture, with one image for
// each of its four looks (normal, pressed, focused, disabled). The drawing
// tool buttons of the parameter panels are made of it.

#include <QPixmap>
#include <QPushButton>

namespace vexo {

class CBitmapButton : public QPushButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // Empty images fall back to the normal one.
    void SetImages(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused,
                   const QPixmap& disabled);
    const QPixmap& NormalImage() const { return m_normal; }
    const QPixmap& DisabledImage() const { return m_disabled; }

    // The image the next paint draws, by the button's current look.
    const QPixmap& CurrentImage() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_focused;
    QPixmap m_disabled;
};

}  // namespace vexo
