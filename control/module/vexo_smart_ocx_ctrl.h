#pragma once
// CVexoSmartOcxCtrl: the control a host embeds. Its nine scripting methods
// are Q_INVOKABLE so that hosts call them by name (the dispatch table maps
// the DISPIDs to these names); the stock events are signals with the
// arguments hosts know from the mouse and key handlers.

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

class CDialogManager;
namespace vexo {
struct LoginJob;
}

class CVexoSmartOcxCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CVexoSmartOcxCtrl(QWidget* parent = nullptr);
    ~CVexoSmartOcxCtrl() override;

    // DISPID 1 to 9, in dispatch order.
    Q_INVOKABLE bool SetLanguage(const QString& pLanguage);
    Q_INVOKABLE bool SetDeviceLoginInfo(const QString& pDevIp, const QString& pUsername,
                                        const QString& pPassword, int nLoginArg);
    Q_INVOKABLE int GetCurScenesTourNum();
    Q_INVOKABLE bool SetCurScenesTourNum(int iNum);
    Q_INVOKABLE int GetCurSmartSceneNum();
    Q_INVOKABLE bool SetCurSmartSceneNum(int iNum);
    Q_INVOKABLE QString GetConfig(const QString& pDevIp, const QString& pUsername,
                                  const QString& pPassword);
    Q_INVOKABLE bool SetConfig(const QString& pDevIp, const QString& pUsername,
                               const QString& pPassword, const QString& pConfig);
    Q_INVOKABLE bool Destroy();

    // The identifier of the line that says why the control shows no pages.
    static constexpr int kStateLineId = 240;

signals:
    void MouseDown(int Button, int Shift, int x, int y);
    void MouseMove(int Button, int Shift, int x, int y);
    void KeyDown(int KeyCode, int Shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Deletes the page manager (and with it pages and sessions) after
    // telling a login worker that it must not touch it any more.
    void DeletePageManager();
    void ReplacePageManager();
    bool HasWindow() const;
    // Shows `line` where the pages would be; an empty one removes it.
    void ShowStateLine(const QString& line);
    // Builds the login's next page, then schedules the one after it on the
    // next event-loop turn, for as long as `job` is the control's login.
    void BuildNextPage(const std::weak_ptr<vexo::LoginJob>& job);

    std::unique_ptr<CDialogManager> m_manager;
    // The hand-over with the login worker of the current manager.
    std::shared_ptr<vexo::LoginJob> m_loginJob;
    // "Not logged in: ..." after a failed login, where the pages would be
    // (identifier kStateLineId); none otherwise.
    QPointer<QLabel> m_stateLabel;
    // The same for a running GetConfig and its configuration reader.
    std::shared_ptr<vexo::LoginJob> m_configJob;
};
