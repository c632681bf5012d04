#include "dlg_full.h"

#include <QEvent>
#include <QMouseEvent>

#include "vexoplay.h"

CDlgFull::CDlgFull(QWidget* parent) : QDialog(parent) {
    SetSession(&ownSession_);
    SetParentWnd(this);
    resize(800, 600);
}

CDlgFull::~CDlgFull() {
    // Never delete a borrowed window with the dialog.
    RestoreWindow();
}

void CDlgFull::BorrowWindow(QWidget* window, int port) {
    if (window == nullptr) {
        return;
    }
    RestoreWindow();
    borrowed_ = window;
    formerParent_ = window->parentWidget();
    formerRect_ = window->geometry();
    port_ = port;
    window->setParent(this);
    window->setGeometry(rect());
    window->installEventFilter(this);
    window->show();
    showMaximized();
    if (port_ >= 0) {
        VEXOPLAY_PlayWndResize(port_, window->width(), window->height());
    }
}

void CDlgFull::RestoreWindow() {
    if (!borrowed_) {
        return;
    }
    QWidget* window = borrowed_;
    borrowed_.clear();
    window->removeEventFilter(this);
    window->setParent(formerParent_);
    window->setGeometry(formerRect_);
    window->show();
    if (port_ >= 0) {
        VEXOPLAY_PlayWndResize(port_, formerRect_.width(), formerRect_.height());
    }
    hide();
}

bool CDlgFull::eventFilter(QObject* watched, QEvent* event) {
    if (watched == borrowed_ && event->type() == QEvent::MouseButtonDblClick) {
        RestoreWindow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgFull::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    RestoreWindow();
}

void CDlgFull::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (borrowed_) {
        borrowed_->setGeometry(rect());
        if (port_ >= 0) {
            VEXOPLAY_PlayWndResize(port_, width(), height());
        }
    }
}
