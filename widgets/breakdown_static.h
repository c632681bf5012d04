#pragma once
// CBreakDownStatic: a label painted over a background picture (for instance
// the tile background behind each scene on the index page). The text keeps
// the picture visible around it and has its own colour. In its notifying form
// it reports clicks, so a picture can act as a light-weight button.

#include <QColor>
#include <QLabel>
#include <QPixmap>

namespace vexo {

class CBreakDownStatic : public QLabel {
    Q_OBJECT
public:
    explicit CBreakDownStatic(QWidget* parent = nullptr);

    void SetBackground(const QPixmap& picture);
    const QPixmap& Background() const { return m_background; }

    void SetTextColor(const QColor& color);
    QColor TextColor() const { return m_textColor; }

    // When set, a left click on the static emits clicked().
    void SetNotify(bool notify) { m_notify = notify; }
    bool Notifies() const { return m_notify; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_background;
    QColor m_textColor{0x2B, 0x33, 0x3D};
    bool m_notify = false;
};

}  // namespace vexo
