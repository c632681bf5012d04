#include "spin_arrows.h"

#include <QKeyEvent>
#include <QToolButton>

namespace vexo {

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(8, 8));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { Q_EMIT deltaPos(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Q_EMIT deltaPos(-1); });
}

void SpinArrows::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void SpinArrows::SetBuddy(QWidget* buddy) {
    if (m_buddy) {
        m_buddy->removeEventFilter(this);
    }
    m_buddy = buddy;
    if (buddy) {
        buddy->installEventFilter(this);
    }
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event) {
    // Disabled arrows do not step from the keyboard either.
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Q_EMIT deltaPos(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vexo
