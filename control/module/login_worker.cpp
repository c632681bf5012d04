#include "login_worker.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <thread>

#include "dialog_manager.h"
#include "login_marker.h"

namespace vexo {
namespace {

using namespace std::chrono_literals;

std::atomic<int> loginInProgress{0};

// Waits until the loading dialog is up, then hands it `percent`; the call
// returns once the UI thread has run it.
void SendProgressWhenOpen(CDlgLoad& dialog, int percent) {
    while (!dialog.HasWindow()) {
        std::this_thread::sleep_for(10ms);
    }
    QMetaObject::invokeMethod(&dialog, "OnLoadProgress", Qt::BlockingQueuedConnection,
                              Q_ARG(int, percent));
}

void SendProgressIfOpen(CDlgLoad& dialog, int percent) {
    if (dialog.HasWindow()) {
        QMetaObject::invokeMethod(&dialog, "OnLoadProgress", Qt::BlockingQueuedConnection,
                                  Q_ARG(int, percent));
    }
}

void RunLogin(CDialogManager* manager, std::shared_ptr<LoginJob> job) {
    CDlgLoad& dialog = manager->LoadDialog();
    if (!manager->Login()) {
        {
            std::lock_guard lock(job->mutex);
            job->pagesReady = 0;
        }
        loginInProgress = 0;
        // The dialog may not be up yet; it must see 100 % to close.
        SendProgressWhenOpen(dialog, 100);
        return;
    }
    manager->LoadUiFiles();
    SendProgressIfOpen(dialog, 20);
    manager->LoadNormalAlarmNames();
    manager->BuildFunctionIdTable();
    manager->Refresh();
    SendProgressWhenOpen(dialog, 100);

    // The UI thread closes the dialog and creates the pages; after that the
    // manager may already be gone, so look at it only from the UI thread.
    {
        std::unique_lock lock(job->mutex);
        while (!(job->dialogClosed && job->pagesReady != 0)) {
            job->changed.wait_for(lock, job->dialogClosed ? 100ms : 1000ms);
        }
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app,
            [manager, job]() {
                if (!job->abandoned) {
                    manager->HandDeviceInfoToPanes();
                }
            },
            Qt::BlockingQueuedConnection);
    }
    loginInProgress = 0;
}

}  // namespace

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
                       const QString& password, std::shared_ptr<QString> result) {
    std::thread([=]() {
        // Temporary session and channel: the manager's own are not touched.
        manager->GetBatchConfig(address, user, password, *result);
        SendProgressWhenOpen(manager->LoadDialog(), 100);
    }).detach();
}

}  // namespace vexo
