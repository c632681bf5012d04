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

// The worker's last touch of the job: a manager parked while it loaded is
// deleted on the UI thread once the modal loop has returned as well.
void FinishWorker(const std::shared_ptr<LoginJob>& job) {
    std::lock_guard lock(job->mutex);
    job->workerDone = true;
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
    if (go()) {
        manager->LoadNormalAlarmNames();
        manager->BuildFunctionIdTable();
    }
    if (go()) {
        manager->Refresh();
    }
    SendProgressWhenOpen(dialog, 100, &job);
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
        }
        loginInProgress = 0;
        // The dialog may not be up yet; it must see 100 % to close.
        SendProgressWhenOpen(dialog, 100, job.get());
        FinishWorker(job);
        VEXOPLAY_Cleanup();
        VEXONET_Cleanup();
        return;
    }
    LoadDeviceData(manager, *job);

    // The UI thread closes the dialog and creates the pages; after that the
    // manager may already be gone, so look at it only from the UI thread.
    {
        std::unique_lock lock(job->mutex);
        while (!(job->dialogClosed && job->pagesReady != 0)) {
            job->changed.wait_for(lock, job->dialogClosed ? 100ms : 1000ms);
        }
    }
    if (QCoreApplication* app = QCoreApplication::instance(); app && !job->abandoned) {
        QMetaObject::invokeMethod(
            app,
            [manager, job]() {
                if (!job->abandoned) {
                    manager->HandDeviceInfoToPanes();
                }
            },
            Qt::BlockingQueuedConnection);
    }
    FinishWorker(job);
    loginInProgress = 0;
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
        loggedIn = job.pagesReady != 0 && !job.abandoned;
        job.pagesReady = 0;
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
