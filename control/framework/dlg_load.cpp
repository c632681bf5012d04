#include "dlg_load.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "auto_base.h"

CDlgLoad::CDlgLoad() : bar_(new QProgressBar(this)), timers_([this](int id) { OnTimer(id); }) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(320, 60);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(true);
    bar_->setProperty(vexo::kAutoIdProperty, kProgressBarId);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(bar_);
}

int CDlgLoad::Position() const {
    return bar_->value();
}

int CDlgLoad::RunModal(QWidget* owner) {
    if (owner != nullptr && parentWidget() != owner) {
        setParent(owner, windowFlags());
    }
    if (owner != nullptr) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - rect().center());
    }
    bar_->setValue(0);
    timers_.SetTimer(kCreepTimer, 1000);
    open_ = true;
    const int result = exec();
    open_ = false;
    timers_.KillAll();
    return result;
}

void CDlgLoad::Abandon() {
    open_ = false;
    timers_.KillAll();
    done(QDialog::Rejected);  // hides the dialog, which ends exec()
    setParent(nullptr, windowFlags());
}

void CDlgLoad::OnLoadProgress(int percent) {
    bar_->setValue(percent);
    counter_ = std::max(counter_, percent);
    bar_->setValue(counter_);
    if (bar_->value() == bar_->maximum() && bar_->maximum() != 0) {
        timers_.SetTimer(kCloseTimer, 1000);
    }
}

void CDlgLoad::OnTimer(int id) {
    if (id == kCreepTimer) {
        if (counter_ < 51) {
            bar_->setValue(counter_);
            ++counter_;
        } else {
            timers_.KillTimer(kCreepTimer);
        }
    } else if (id == kCloseTimer) {
        timers_.KillTimer(kCloseTimer);
        counter_ = 1;
        accept();
    }
}

// Only the close timer ends the dialog: the worker still needs it.
void CDlgLoad::closeEvent(QCloseEvent* event) {
    event->ignore();
}
void CDlgLoad::reject() {}
