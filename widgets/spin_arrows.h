#pragma once
// SpinArrows: the up and down arrows that sit beside an edit box. They do not
// own a value: each press announces a step (+1 up, -1 down) and the owner
// decides what the step means (the parameter panels walk a list of allowed
// values and rewrite the edit). The Up and Down keys of the buddy edit step
// the same way, as an operator typing in the edit expects.

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace vexo {

class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);

    QToolButton* UpArrow() const { return m_up; }
    QToolButton* DownArrow() const { return m_down; }
    // The edit whose Up and Down keys step these arrows; null for none.
    void SetBuddy(QWidget* buddy);
    QWidget* Buddy() const { return m_buddy.data(); }

Q_SIGNALS:
    // The position is about to change by `delta`.
    void deltaPos(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    QPointer<QWidget> m_buddy;
};

}  // namespace vexo
