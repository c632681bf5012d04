#pragma once
// The two worker threads of the control. The login worker logs in and loads
// the device's data into the page manager while the UI thread waits in the
// loading dialog; the configuration reader reads the batch configuration
// on objects of its own. Both reach the loading dialog by blocking queued
// calls only.

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class CDialogManager;

namespace vexo {

// Shared by the control (UI thread) and its login worker, or its
// configuration reader (which needs no more than the dialog and the parking
// below). Once the UI thread has closed the dialog, the worker touches the
// manager only through calls that run on the UI thread and check
// `abandoned` there first.
//
// A host may drop the manager (Destroy, SetLanguage, deleting the control)
// from inside the loading dialog's modal loop while the worker still loads
// into it. The control then parks the manager in `orphan`: the worker skips
// its remaining steps, and the manager is deleted on the UI thread once
// both the worker is done and the modal loop has returned.
struct LoginJob : std::enable_shared_from_this<LoginJob> {
    LoginJob();
    ~LoginJob();

    std::mutex mutex;
    int pagesReady = 1;                  // cleared by a failed login
    bool dialogClosed = false;           // the UI thread has left the loading dialog
    bool workerDone = false;             // the worker will not touch the manager again
    bool holdsMarker = false;            // a login worker's job: the process-wide marker is ours
    std::atomic<bool> abandoned{false};  // the control let go of the manager
    std::unique_ptr<CDialogManager> orphan;
    // Run on the UI thread once a successful login's data is loaded and the
    // dialog shows 100 %, the worker being done with the manager: the
    // control builds its pages in the second before the dialog closes.
    std::function<void()> loaded;
};

// Called by the UI thread once it has left the loading dialog's modal loop:
// records that, deletes a parked manager whose worker is done and releases
// the login marker when the worker no longer needs the manager. Returns
// whether the login succeeded (pages may be created, and the UI thread
// hands the credentials to the panes).
bool LeaveLoadingDialog(LoginJob& job);

// Starts the login worker for `manager`. False (nothing started) when a
// login already runs in the process.
bool StartLoginWorker(CDialogManager* manager, std::shared_ptr<LoginJob> job);

// Starts the configuration reader; it stores the text in `*result` and then
// lets the manager's loading dialog reach 100 %. `job` is shared with the
// control as a login's is: an abandoned reader leaves the dialog alone, and
// a manager parked in the job is deleted once both sides are done.
void StartConfigReader(CDialogManager* manager, const QString& address, const QString& user,
                       const QString& password, std::shared_ptr<QString> result,
                       std::shared_ptr<LoginJob> job);

}  // namespace vexo
