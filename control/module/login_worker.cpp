#include "login_worker.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <thread>

#include "dialog_manager.h"
#include "login_marker.h"
#include "vexonet.h"
#include "vexoplay.h"

namespace vexo {
namespace {

using namespace std::chrono_literals;

std::atomic<int> loginInProgress{0};

// Waits until the loading dialog is up, then hands it `percent`; the call
// returns once the UI thread has run it. An abandoned job's dialog is never
// waited for.
void SendProgressWhenOpen(CDlgLoad& dialog, int percent, const LoginJob* job = nullptr) {
    const auto abandoned = [job]() { return job != nullptr && job->abandoned.load(); };
    while (!dialog.HasWindow() && !abandoned()) {
        std::this_thread::sleep_for(10ms);
    }
    if (!abandoned()) {
        QMetaObject::invokeMethod(&dialog, "OnLoadProgress", Qt::BlockingQueuedConnection,
                                  Q_ARG(int, percent));
    }
}

void SendProgressIfOpen(CDlgLoad& dialog, int percent, const LoginJob& job) {
    if (dialog.HasWindow() && !job.abandoned) {
        QMetaObject::invokeMethod(&dialog, "OnLoadProgress", Qt::BlockingQueuedConnection,
                                  Q_ARG(int, percent));
    }
}

// The process-wide marker goes once the worker no longer needs the manager
// and the UI thread has left the loading dialog, whichever comes last; the
// job's mutex is held.
void ReleaseMarkerWhenBothDone(LoginJob& job) {
    if (job.holdsMarker && job.workerDone && job.dialogClosed) {
        job.holdsMarker = false;
        loginInProgress = 0;
    }
}

// The worker's last touch of the job: a manager parked while it loaded is
// deleted on the UI thread once the modal loop has returned as well.
void FinishWorker(const std::shared_ptr<LoginJob>& job) {
    std::lock_guard lock(job->mutex);
    job->workerDone = true;
    ReleaseMarkerWhenBothDone(*job);
    if (job->orphan && job->dialogClosed) {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [job]() {
                    std::unique_ptr<CDialogManager> parked;
                    {
                        std::lock_guard parkedLock(job->mutex);
                        parked = std::move(job->orphan);
                    }
                },
                Qt::QueuedConnection);
        }
    }
}

void LoadDeviceData(CDialogManager* manager, LoginJob& job) {
    CDlgLoad& dialog = manager->LoadDialog();
    const auto go = [&job]() { return !job.abandoned; };
    if (go()) {
        manager->LoadUiFiles();
    }
    SendProgressIfOpen(dialog, 20, job);
    // The normal alarm list and the analytics' state do not wait for each
    // other: both go out at once and are read in the usual order.
    const DeviceCommandChannel::AheadScope ahead(
        go() ? manager->DeviceContext().Channel() : nullptr,
        {DeviceCommandChannel::NormalAlarmListRead(), DeviceCommandChannel::SmartStatusRead()});
    if (go()) {
        manager->LoadNormalAlarmNames();
        manager->BuildFunctionIdTable();
    }
    if (go()) {
        manager->Refresh();
    }
    // The last step: 100 % closes the dialog, and from the moment the UI
    // thread runs it the worker is done with the manager. Marking that on
    // the UI thread, in the same call, lets the control release the marker
    // as it leaves the dialog: a Destroy and a new login right after a
    // login returned find no worker in the way.
    std::shared_ptr<LoginJob> shared = job.shared_from_this();
    while (!dialog.HasWindow() && !job.abandoned) {
        std::this_thread::sleep_for(10ms);
    }
    if (!job.abandoned) {
        QMetaObject::invokeMethod(
            &dialog,
            [&dialog, shared]() {
                if (shared->abandoned) {
                    return;  // the worker's own finish deals with a parked manager
                }
                {
                    std::lock_guard lock(shared->mutex);
                    shared->workerDone = true;
                }
                dialog.OnLoadProgress(100);
                if (shared->loaded) {
                    shared->loaded();
                }
            },
            Qt::BlockingQueuedConnection);
    }
}

void RunLogin(CDialogManager* manager, std::shared_ptr<LoginJob> job) {
    // The worker's own hold on the libraries: a control deleted meanwhile
    // cleans up its share without pulling them from under the worker.
    VEXONET_Init();
    VEXOPLAY_Init();
    CDlgLoad& dialog = manager->LoadDialog();
    if (!manager->Login()) {
        {
            std::lock_guard lock(job->mutex);
            job->pagesReady = 0;
            job->holdsMarker = false;
            loginInProgress = 0;
        }
        // The dialog may not be up yet; it must see 100 % to close.
        SendProgressWhenOpen(dialog, 100, job.get());
    } else {
        // The UI thread closes the dialog, creates the pages and hands the
        // credentials to the panes; the manager may be gone after 100 %.
        LoadDeviceData(manager, *job);
    }
    FinishWorker(job);
    VEXOPLAY_Cleanup();
    VEXONET_Cleanup();
}

}  // namespace

LoginJob::LoginJob() = default;
LoginJob::~LoginJob() = default;

bool LeaveLoadingDialog(LoginJob& job) {
    std::unique_ptr<CDialogManager> parked;
    bool loggedIn = false;
    {
        std::lock_guard lock(job.mutex);
        job.dialogClosed = true;
        ReleaseMarkerWhenBothDone(job);
        loggedIn = job.pagesReady != 0 && !job.abandoned;
        if (job.workerDone) {
            parked = std::move(job.orphan);
        }
    }
    return loggedIn;
}

bool LoginInProgress() {
    return loginInProgress.load() != 0;
}

bool StartLoginWorker(CDialogManager* manager, std::shared_ptr<LoginJob> job) {
    int idle = 0;
    if (!loginInProgress.compare_exchange_strong(idle, 1)) {
        return false;
    }
    job->holdsMarker = true;
    std::thread(RunLogin, manager, std::move(job)).detach();
    return true;
}

void StartConfigReader(CDialogManager* manager, const QString& address, const QString& user,
                       const QString& password, std::shared_ptr<QString> result,
                       std::shared_ptr<LoginJob> job) {
    std::thread([=]() {
        // Temporary session and channel: the manager's own are not touched.
        manager->GetBatchConfig(address, user, password, *result);
        SendProgressWhenOpen(manager->LoadDialog(), 100, job.get());
        FinishWorker(job);
    }).detach();
}

}  // namespace vexo
