#pragma once
// CDlgLoad: the modal progress dialog shown while a worker logs in or reads
// the configuration. The bar creeps by 1 % a second up to 50 % on its own
// (timer 2); a worker reports real progress through OnLoadProgress, called
// from its thread as a blocking queued call. One second after the bar
// reaches 100 % (timer 1) the dialog closes itself; the operator cannot
// close it.

#include <QDialog>
#include <atomic>

#include "timer_set.h"

class QProgressBar;

class CDlgLoad : public QDialog {
    Q_OBJECT
public:
    static constexpr int kProgressBarId = 238;
    static constexpr int kCreepTimer = 2;
    static constexpr int kCloseTimer = 1;

    CDlgLoad();

    // Runs the dialog modally over `owner` (may be null) until it closes
    // itself; returns QDialog::Accepted.
    int RunModal(QWidget* owner);
    // Ends the modal loop at once and leaves the owner's window tree, so
    // that the owner may go while a worker still holds the dialog.
    void Abandon();
    // True while the dialog is up; read by the workers on their threads.
    bool HasWindow() const { return open_.load(); }

    int Position() const;
    int Counter() const { return counter_; }

public slots:
    // The worker's progress, in percent.
    void OnLoadProgress(int percent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void OnTimer(int id);

    QProgressBar* bar_;
    vexo::TimerSet timers_;
    int counter_ = 1;
    std::atomic<bool> open_{false};
};
