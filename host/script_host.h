#pragma once
// Runs a host script (JavaScript) against the embedded control, the way a
// web page drives it. The script sees:
//   control  the embedded control; its methods by name, through the
//            control's dispatch interface
//   host     wait, later, screenshot, resize, exit, args, createControl,
//            deleteControl, the
//            login settings of the command line, crashForTest
//   ui       the control's widgets by identifier (ui_driver.h)
//   sim      the simulated device of a test (sim_bridge.h)
//   console  console.log and friends
// The API is described for script writers in docs/host-scripts.md.

#include <QJSEngine>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "control_loader.h"
#include "host_options.h"

namespace host {

class HostWindow;
class PopupAnswerer;
class UiDriver;

// One control as the script sees it: calls go through its IDispatch.
class ScriptControl : public QObject {
    Q_OBJECT
public:
    ScriptControl(QJSEngine& engine, CreatedControl control, QObject* parent = nullptr);

    // Calls `name` with `arguments`; a failure becomes a script exception.
    Q_INVOKABLE QJSValue invoke(const QString& name, const QVariantList& arguments);
    QWidget* Widget() const { return m_control.widget; }

private:
    QJSEngine& m_engine;
    CreatedControl m_control;
};

class ScriptHost : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList args READ Args CONSTANT)
    Q_PROPERTY(QString device MEMBER m_device CONSTANT)
    Q_PROPERTY(QString user MEMBER m_user CONSTANT)
    Q_PROPERTY(QString password MEMBER m_password CONSTANT)
    Q_PROPERTY(QString language MEMBER m_language CONSTANT)
    Q_PROPERTY(int loginArg MEMBER m_loginArg CONSTANT)
public:
    // `embedded` is the control in `window`, the script's `control`.
    ScriptHost(const HostOptions& options, ControlLoader& loader, HostWindow& window,
               const CreatedControl& embedded, QObject* parent = nullptr);
    ~ScriptHost() override;

    // Runs `program` (named `fileName` in messages); returns the exit code:
    // 0, the code given to host.exit, or 2 after a script error (printed
    // with its line on stderr).
    int Run(const QString& program, const QString& fileName);
    bool ExitRequested() const { return m_exitRequested; }

    // The JS object for `control` (the embedded one or a created one).
    QJSValue Wrap(const CreatedControl& control);

    QStringList Args() const { return m_args; }

    Q_INVOKABLE void wait(int milliseconds);
    // Runs the event loop until `condition` returns true (asked every 20 ms
    // and once at the start) or `timeoutMs` have passed; returns the last
    // answer. A throw in `condition` is the script's error.
    Q_INVOKABLE bool waitUntil(const QJSValue& condition, int timeoutMs = 10000);
    Q_INVOKABLE bool screenshot(const QString& file);
    // The file's text (read as UTF-8), or null when it cannot be read.
    Q_INVOKABLE QJSValue readFile(const QString& file);
    // Runs the script `file` (relative to the running script's folder) in
    // the same global scope, so that scripts share their helper functions;
    // a file that cannot be read or fails makes the including script fail.
    Q_INVOKABLE void include(const QString& file);
    Q_INVOKABLE void resize(int width, int height);
    Q_INVOKABLE void exit(int code);
    // With `shown` false the new window stays hidden, so the control has no
    // native window yet, as an object element not yet laid out.
    Q_INVOKABLE QJSValue createControl(const QString& progId, bool shown = true);
    // Calls `function` after `milliseconds` from the event loop, also while
    // a control's modal dialog runs; a throw there fails the script.
    Q_INVOKABLE void later(int milliseconds, const QJSValue& function);
    // Deletes a control (`control` or one of createControl), as a page
    // removes its object element; its window stays. False for anything else.
    Q_INVOKABLE bool deleteControl(const QJSValue& control);
    Q_INVOKABLE void crashForTest();

    static constexpr const char* kCrashTestVariable = "VEXO_HOST_CRASH_TEST";

private:
    QJSEngine m_engine;
    ControlLoader& m_loader;
    QPointer<HostWindow> m_window;
    std::vector<std::unique_ptr<HostWindow>> m_extraWindows;
    PopupAnswerer* m_answerer;
    UiDriver* m_ui;
    QStringList m_args;
    QString m_device;
    QString m_user;
    QString m_password;
    QString m_language;
    int m_loginArg;
    // Every wrapped control with its script object, for deleteControl.
    std::vector<std::pair<QJSValue, ScriptControl*>> m_wrapped;
    QString m_fileName;
    bool m_laterFailed = false;
    bool m_exitRequested = false;
    int m_exitCode = 0;
    QJSValue m_wrapControl;
};

// The script run without --script: the language, then the login.
QString BuiltInScript();

}  // namespace host
