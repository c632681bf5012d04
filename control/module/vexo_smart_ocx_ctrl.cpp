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
// - SetConfig's refusal with a temporary manager shows the device's error
//   text untranslated: such a manager never downloaded the localisation.
#include "vexo_smart_ocx_ctrl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "com_str.h"
#include "dialog_manager.h"
#include "login_marker.h"
#include "login_worker.h"
#include "page_factory.h"
#include "stock_events.h"
#include "ui_font.h"
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
    if (m_loginJob) {
        m_loginJob->abandoned = true;
        m_loginJob.reset();
    }
    m_manager.reset();
}

void CVexoSmartOcxCtrl::ReplacePageManager() {
    DeletePageManager();
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
    m_manager->SetDeviceLoginInfo(pDevIp, pUsername, pPassword, nLoginArg);
    m_manager->AttachDeviceContext();
    if (!vexo::StartLoginWorker(m_manager.get(), job)) {
        return false;
    }
    m_loginJob = job;
    m_manager->LoadDialog().RunModal(this);

    bool loggedIn = false;
    {
        std::lock_guard lock(job->mutex);
        job->dialogClosed = true;
        loggedIn = job->pagesReady != 0;
        job->pagesReady = 0;
    }
    // A host may have destroyed the manager from inside the modal loop.
    if (loggedIn && m_manager && m_loginJob == job) {
        m_manager->CreatePages(this, rect());
        m_manager->ShowPage(0);
    }
    {
        std::lock_guard lock(job->mutex);
        job->pagesReady = 1;
    }
    job->changed.notify_all();
    update();
    return loggedIn && m_manager != nullptr && m_manager->HasPages();
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
    const bool temporary = m_manager == nullptr;
    if (temporary) {
        m_manager = std::make_unique<CDialogManager>(&vexo::ThePageFactory());
    }
    CDialogManager* manager = m_manager.get();
    auto result = std::make_shared<QString>();
    vexo::StartConfigReader(manager, pDevIp, pUsername, pPassword, result);
    manager->LoadDialog().RunModal(this);
    if (temporary && m_manager.get() == manager) {
        m_manager.reset();
    }
    return *result;
}

bool CVexoSmartOcxCtrl::SetConfig(const QString& pDevIp, const QString& pUsername,
                                  const QString& pPassword, const QString& pConfig) {
    const bool temporary = m_manager == nullptr;
    if (temporary) {
        m_manager = std::make_unique<CDialogManager>(&vexo::ThePageFactory());
    }
    const int result = m_manager->SetBatchConfig(pDevIp, pUsername, pPassword, pConfig);
    if (temporary) {
        m_manager.reset();
    }
    return result != 0;
}

bool CVexoSmartOcxCtrl::Destroy() {
    DeletePageManager();
    update();
    return true;
}

void CVexoSmartOcxCtrl::paintEvent(QPaintEvent*) {
    // Whatever no page covers shows the stock grey.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
}

void CVexoSmartOcxCtrl::resizeEvent(QResizeEvent* event) {
    if (m_manager) {
        m_manager->LayoutPages(rect());
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
