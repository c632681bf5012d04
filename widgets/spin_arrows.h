#pragma once
// SpinArrows: the up and down arrows that sit beside an edit box. They do not
// own a value: each press announces a step (+1 up, -1 down) and the owner
// decides what the step means (the parameter panels walk a list of allowed
// values and rewrite the edit).

#include <QWidget>

class QToolButton;

namespace vexo {

class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);

    QToolButton* UpArrow() const { return m_up; }
    QToolButton* DownArrow() const { return m_down; }

Q_SIGNALS:
    // The position is about to change by `delta`.
    void deltaPos(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace vexo
