// The control: owns at most one page manager, runs the login and the
// configuration reader behind the manager's loading dialog, and passes its
// size and its stock events on.
//
// Decisions of this port:
// - "The control has no window" means its native window was never created
//   (the widget was never shown nor asked for its window id): then
//   SetDeviceLoginInfo returns false and starts nothing.
// - GetCurSmartSceneNum without a page manager answers -2, as a manager
//   without scenes does (current scene -1).
// - GetConfig without a page manager creates one for the call (its loading
//   dialog shows the progress) and deletes it afterwards, as SetConfig does.
// - Destroy, SetLanguage or deleting the control from inside the loading
//   dialog of a login ends the dialog at once; SetDeviceLoginInfo returns
//   false. The worker skips its remaining steps and ends after the one it
//   is in (until then further logins are refused as usual); the manager it
//   loaded into is deleted afterwards on the UI thread.
// - The same holds for GetConfig's loading dialog: GetConfig then returns
//   an empty text, and the manager is deleted once the reader has ended.
//   GetConfig called from inside a loading dialog that is already up (a
//   login's or another GetConfig's) returns an empty text at once: the
//   manager has one dialog, and its worker needs it.
// - After a login the UI thread, not the worker, hands the credentials to
//   the video panes, right after it has made the pages: the worker is done
//   once the dialog reached 100 %, so the login marker is free as soon as
//   SetDeviceLoginInfo returns and a Destroy with a new login in the same
//   script turn logs in like a first one.
// - The pages are built while the loading dialog shows 100 % (it stays a
//   second before it closes), one per event-loop turn, so the window keeps
//   painting; whatever is not built when it closes is built right after.
// - SetConfig has no such window: its exchange blocks the UI thread, and
//   after its one modal loop (the refusal popup) it no longer touches the
//   manager. Without a page manager it makes a temporary one of its own,
//   never the control's, so a login started from inside the popup keeps
//   its manager.
// - SetConfig's refusal with a temporary manager shows the device's error
//   text untranslated: such a manager never downloaded the localisation.
// - Destroy, SetLanguage, a new login or deleting the control while an
//   operator action runs (a host's timer fires inside the action's device
//   exchange) retires the page manager at once (its pages leave the
//   window) and deletes it when the action has ended.
#include "vexo_smart_ocx_ctrl.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "action_gate.h"
#include "auto_base.h"
#include "com_str.h"
#include "dialog_manager.h"
#include "login_failure.h"
#include "login_marker.h"
#include "login_worker.h"
#include "page_factory.h"
#include "stock_events.h"
#include "ui_font.h"
#include "ui_helpers.h"
#include "vexonet.h"
#include "vexoplay.h"

CVexoSmartOcxCtrl::CVexoSmartOcxCtrl(QWidget* parent) : QWidget(parent) {
    vexo::InstallUiFontSubstitution();
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    VEXONET_Init();
    VEXOPLAY_Init();
}

CVexoSmartOcxCtrl::~CVexoSmartOcxCtrl() {
    DeletePageManager();
    VEXONET_Cleanup();
    VEXOPLAY_Cleanup();
}

void CVexoSmartOcxCtrl::DeletePageManager() {
    for (std::shared_ptr<vexo::LoginJob>* slot : {&m_loginJob, &m_configJob}) {
        if (std::shared_ptr<vexo::LoginJob> job = std::move(*slot)) {
            std::lock_guard lock(job->mutex);
            job->abandoned = true;
            if (m_manager && !job->dialogClosed) {
                // Inside the loading dialog's modal loop: the worker may be
                // using the manager right now, so park it with the job
                // instead of deleting it. Its pages (a GetConfig after a
                // login) are this control's children: they go now.
                m_manager->LoadDialog().Abandon();
                m_manager->DestroyPages();
                job->orphan = std::move(m_manager);
            }
        }
    }
    vexo::ActionGate* gate = vexo::ActionGate::Instance();
    if (m_manager && gate && gate->Busy()) {
        // An operator action may be half-way through a handler of this
        // manager further down the stack (a host's timer called us from
        // inside its exchange): retire it now, delete it when the action
        // has ended. It keeps its own hold on the libraries meanwhile.
        m_manager->Retire();
        VEXONET_Init();
        VEXOPLAY_Init();
        gate->DeferUntilIdle(
            [parked = std::shared_ptr<CDialogManager>(std::move(m_manager))]() mutable {
                parked.reset();
                VEXOPLAY_Cleanup();
                VEXONET_Cleanup();
            });
    }
    m_manager.reset();
}

void CVexoSmartOcxCtrl::ReplacePageManager() {
    DeletePageManager();
    ShowStateLine({});
    m_manager = std::make_unique<CDialogManager>(&vexo::ThePageFactory());
}

bool CVexoSmartOcxCtrl::HasWindow() const {
    return testAttribute(Qt::WA_WState_Created);
}

bool CVexoSmartOcxCtrl::SetLanguage(const QString& pLanguage) {
    vexo::TheComStr().SetLanguage(pLanguage);
    ReplacePageManager();
    update();
    return true;
}

bool CVexoSmartOcxCtrl::SetDeviceLoginInfo(const QString& pDevIp, const QString& pUsername,
                                           const QString& pPassword, int nLoginArg) {
    if (!HasWindow() || vexo::LoginInProgress()) {
        return false;
    }
    ReplacePageManager();
    auto job = std::make_shared<vexo::LoginJob>();
    job->loaded = [self = QPointer<CVexoSmartOcxCtrl>(this),
                   weak = std::weak_ptr<vexo::LoginJob>(job)]() {
        if (self) {
            self->BuildNextPage(weak);
        }
    };
    m_manager->SetDeviceLoginInfo(pDevIp, pUsername, pPassword, nLoginArg);
    m_manager->AttachDeviceContext();
    if (!vexo::StartLoginWorker(m_manager.get(), job)) {
        return false;
    }
    m_loginJob = job;
    // The host may drop the manager, or delete this control, from inside
    // the modal loop; the dialog outlives both (see DeletePageManager).
    const QPointer<CVexoSmartOcxCtrl> self(this);
    m_manager->LoadDialog().RunModal(this);

    const bool loggedIn = vexo::LeaveLoadingDialog(*job);
    const bool kept = self && m_manager && m_loginJob == job;
    if (loggedIn && kept) {
        m_manager->CreatePages(this, rect());
        m_manager->ShowPage(0);
        m_manager->HandDeviceInfoToPanes();
    } else if (kept) {
        // The worker's login failed: say why, in the popup and on the
        // control's empty area.
        const bool chinese = vexo::TheComStr().Language() == QLatin1String("chinese");
        const QString line = vexo::NotLoggedInLine(
            vexo::LoginFailureReason(m_manager->Session().LastLoginError(), chinese), chinese);
        ShowStateLine(line);
        vexo::ShowMessage(line, vexo::TheComStr().Texts().error);
        return false;
    }
    if (!kept) {
        return false;
    }
    update();
    return loggedIn && m_manager->HasPages();
}

void CVexoSmartOcxCtrl::BuildNextPage(const std::weak_ptr<vexo::LoginJob>& weak) {
    const std::shared_ptr<vexo::LoginJob> job = weak.lock();
    if (!job || !m_manager || m_loginJob != job || job->abandoned) {
        return;
    }
    if (m_manager->CreateNextPage(this, rect())) {
        // A timer, not a posted call: a chain of posted calls would starve
        // the timers (the video, the host's) until the last page is built.
        QTimer::singleShot(1, this, [this, weak]() { BuildNextPage(weak); });
    }
}

int CVexoSmartOcxCtrl::GetCurScenesTourNum() {
    return 0;
}
bool CVexoSmartOcxCtrl::SetCurScenesTourNum(int) {
    return true;
}

int CVexoSmartOcxCtrl::GetCurSmartSceneNum() {
    return (m_manager ? m_manager->CurrentScene() : -1) - 1;
}

bool CVexoSmartOcxCtrl::SetCurSmartSceneNum(int) {
    return true;
}

QString CVexoSmartOcxCtrl::GetConfig(const QString& pDevIp, const QString& pUsername,
                                     const QString& pPassword) {
    if (m_manager && m_manager->LoadDialog().HasWindow()) {
        return {};
    }
    const bool temporary = m_manager == nullptr;
    if (temporary) {
        m_manager = std::make_unique<CDialogManager>(&vexo::ThePageFactory());
    }
    CDialogManager* manager = m_manager.get();
    auto result = std::make_shared<QString>();
    auto job = std::make_shared<vexo::LoginJob>();
    m_configJob = job;
    vexo::StartConfigReader(manager, pDevIp, pUsername, pPassword, result, job);
    // As with a login, the host may drop the manager, or delete this
    // control, from inside the modal loop (see DeletePageManager).
    const QPointer<CVexoSmartOcxCtrl> self(this);
    manager->LoadDialog().RunModal(this);

    // Not dropped: the reader has stored the text before the dialog closed.
    const bool kept = vexo::LeaveLoadingDialog(*job);
    if (!self || !kept) {
        return {};
    }
    m_configJob.reset();
    if (temporary) {
        m_manager.reset();
    }
    return *result;
}

bool CVexoSmartOcxCtrl::SetConfig(const QString& pDevIp, const QString& pUsername,
                                  const QString& pPassword, const QString& pConfig) {
    // The temporary manager belongs to this call alone: a manager a host
    // creates from inside the refusal popup (a timer's login) is the
    // control's and stays.
    std::unique_ptr<CDialogManager> temporary;
    CDialogManager* manager = m_manager.get();
    if (manager == nullptr) {
        temporary = std::make_unique<CDialogManager>(&vexo::ThePageFactory());
        manager = temporary.get();
    }
    return manager->SetBatchConfig(pDevIp, pUsername, pPassword, pConfig) != 0;
}

bool CVexoSmartOcxCtrl::Destroy() {
    DeletePageManager();
    ShowStateLine({});
    update();
    return true;
}

void CVexoSmartOcxCtrl::paintEvent(QPaintEvent*) {
    // Whatever no page covers shows the stock grey.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
}

void CVexoSmartOcxCtrl::ShowStateLine(const QString& line) {
    if (line.isEmpty()) {
        delete m_stateLabel;
        return;
    }
    if (!m_stateLabel) {
        m_stateLabel = new QLabel(this);
        m_stateLabel->setProperty(vexo::kAutoIdProperty, kStateLineId);
        m_stateLabel->setStyleSheet(QStringLiteral("color: white; font-size: 16px;"));
        m_stateLabel->setWordWrap(true);
        m_stateLabel->setAlignment(Qt::AlignCenter);
    }
    m_stateLabel->setText(line);
    m_stateLabel->setGeometry(rect().adjusted(16, 16, -16, -16));
    m_stateLabel->show();
}

void CVexoSmartOcxCtrl::resizeEvent(QResizeEvent* event) {
    if (m_manager) {
        m_manager->LayoutPages(rect());
    }
    if (m_stateLabel) {
        m_stateLabel->setGeometry(rect().adjusted(16, 16, -16, -16));
    }
    QWidget::resizeEvent(event);
}

void CVexoSmartOcxCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(vexo::StockButtons(event->button()), vexo::StockShift(event->modifiers()),
                   at.x(), at.y());
    QWidget::mousePressEvent(event);
}

void CVexoSmartOcxCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(vexo::StockButtons(event->buttons()), vexo::StockShift(event->modifiers()),
                   at.x(), at.y());
    QWidget::mouseMoveEvent(event);
}

void CVexoSmartOcxCtrl::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(vexo::StockKeyCode(event->key()), vexo::StockShift(event->modifiers()));
    QWidget::keyPressEvent(event);
}
