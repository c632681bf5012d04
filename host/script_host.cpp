#include "script_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "control_idle.h"
#include "host_window.h"
#include "popup_answerer.h"
#include "sim_bridge.h"
#include "ui_driver.h"

namespace host {
namespace {

// Late binding, as a page's script has it: every property of `control` is
// a method call by that name through the dispatch interface.
constexpr char kWrapControl[] = R"JS(
(function (native) {
    return new Proxy({}, {
        get: function (target, name) {
            // Symbols, "then" and Object's own members (toString, ...) are
            // not methods of the control, so printing it still works.
            if (typeof name !== "string" || name === "then" || name in Object.prototype) {
                return Reflect.get(target, name);
            }
            return function () {
                return native.invoke(name, Array.prototype.slice.call(arguments));
            };
        }
    });
})
)JS";

// The location and message of a script failure, "file:line: message".
QString DescribeFailure(const QJSValue& error, const QStringList& stack, const QString& fileName) {
    // The innermost frame of the script itself: an error raised inside the
    // control's wrapper belongs to the script line that made the call.
    // Frames read "function:line:column:file URL".
    int line = 0;
    for (const QString& frame : stack) {
        if (frame.section(QLatin1Char(':'), 3).endsWith(fileName)) {
            line = frame.section(QLatin1Char(':'), 1, 1).toInt();
            break;
        }
    }
    if (line <= 0 && error.isError()) {
        line = error.property(QStringLiteral("lineNumber")).toInt();
    }
    return QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(error.toString());
}

// A write to address 16, hidden from the compiler's bounds checks.
__attribute__((noinline, no_sanitize("address", "undefined"))) void CrashOnPurpose() {
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int*>(address) = 1;
}

}  // namespace

QString BuiltInScript() {
    return QStringLiteral(
        "control.SetLanguage(host.language);\n"
        "if (!control.SetDeviceLoginInfo(host.device, host.user, host.password, host.loginArg))\n"
        "    console.warn('vexo-host: the login to ' + host.device + ' failed');\n");
}

ScriptControl::ScriptControl(QJSEngine& engine, CreatedControl control, QObject* parent)
    : QObject(parent), m_engine(engine), m_control(std::move(control)) {}

QJSValue ScriptControl::invoke(const QString& name, const QVariantList& arguments) {
    if (!m_control.widget) {
        m_engine.throwError(QStringLiteral("the control is gone (called %1)").arg(name));
        return {};
    }
    int dispId = 0;
    if (vexo::Failed(m_control.dispatch->GetIDsOfNames(name, dispId))) {
        m_engine.throwError(QJSValue::TypeError,
                            QStringLiteral("the control has no method \"%1\"").arg(name));
        return {};
    }
    QVariant result;
    QString error;
    const vexo::HRESULT called = m_control.dispatch->Invoke(dispId, arguments, result, error);
    ProcessUntilIdle();
    if (vexo::Failed(called)) {
        m_engine.throwError(QStringLiteral("%1 (%2)").arg(
            error, QString::fromStdString(vexo::HResultText(called))));
        return {};
    }
    return m_engine.toScriptValue(result);
}

ScriptHost::ScriptHost(const HostOptions& options, ControlLoader& loader, HostWindow& window,
                       const CreatedControl& embedded, QObject* parent)
    : QObject(parent),
      m_loader(loader),
      m_window(&window),
      m_answerer(new PopupAnswerer(this)),
      m_ui(new UiDriver(m_engine, *m_answerer, this)),
      m_args(options.args),
      m_device(options.device),
      m_user(options.user),
      m_password(options.password),
      m_language(options.language),
      m_loginArg(options.loginArg) {
    m_engine.installExtensions(QJSEngine::ConsoleExtension);
    m_ui->SetOrigin(window.Control());
    m_wrapControl = m_engine.evaluate(QString::fromLatin1(kWrapControl));
    // The engine must never delete the objects it is given.
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    QJSEngine::setObjectOwnership(m_ui, QJSEngine::CppOwnership);
    QJSValue global = m_engine.globalObject();
    global.setProperty(QStringLiteral("host"), m_engine.newQObject(this));
    global.setProperty(QStringLiteral("ui"), m_engine.newQObject(m_ui));
    global.setProperty(QStringLiteral("control"), Wrap(embedded));
    auto* sim =
        new SimBridge(m_engine, m_device, m_user, m_password, SimBridge::kJournalVariable, this);
    QJSEngine::setObjectOwnership(sim, QJSEngine::CppOwnership);
    global.setProperty(QStringLiteral("sim"), m_engine.newQObject(sim));
    const QString secondAddress = qEnvironmentVariable(SimBridge::kSecondAddressVariable);
    if (!secondAddress.isEmpty()) {
        auto* second = new SimBridge(m_engine, secondAddress, m_user, m_password,
                                     SimBridge::kSecondJournalVariable, this);
        QJSEngine::setObjectOwnership(second, QJSEngine::CppOwnership);
        global.setProperty(QStringLiteral("sim2"), m_engine.newQObject(second));
    }
}

ScriptHost::~ScriptHost() = default;

QJSValue ScriptHost::Wrap(const CreatedControl& control) {
    auto* native = new ScriptControl(m_engine, control, this);
    QJSEngine::setObjectOwnership(native, QJSEngine::CppOwnership);
    QJSValue wrapped = m_wrapControl.call({m_engine.newQObject(native)});
    m_wrapped.emplace_back(wrapped, native);
    return wrapped;
}

int ScriptHost::Run(const QString& program, const QString& fileName) {
    QStringList stack;
    m_fileName = fileName;
    m_engine.setInterrupted(false);
    const QJSValue result = m_engine.evaluate(program, fileName, 1, &stack);
    if (m_exitRequested) {
        return m_exitCode;
    }
    if (result.isError() || !stack.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(DescribeFailure(result, stack, fileName)));
        return 2;
    }
    return m_laterFailed ? 2 : 0;
}

void ScriptHost::wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(std::max(0, milliseconds), &loop, &QEventLoop::quit);
    loop.exec();
}

bool ScriptHost::waitUntil(const QJSValue& condition, int timeoutMs) {
    if (!condition.isCallable()) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("host.waitUntil needs a function"));
        return false;
    }
    constexpr int kPollMs = 20;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QJSValue answer = condition.call();
        if (answer.isError()) {
            m_engine.throwError(answer.toString());
            return false;
        }
        if (m_engine.hasError() || m_exitRequested) {
            return false;
        }
        if (answer.toBool()) {
            return true;
        }
        if (clock.elapsed() >= timeoutMs) {
            return false;
        }
        wait(kPollMs);
    }
}

void ScriptHost::later(int milliseconds, const QJSValue& function) {
    if (!function.isCallable()) {
        m_engine.throwError(QJSValue::TypeError, QStringLiteral("host.later needs a function"));
        return;
    }
    QTimer::singleShot(std::max(0, milliseconds), this, [this, function]() {
        if (m_exitRequested) {
            return;
        }
        QStringList stack;
        const QJSValue result = function.call();
        if (result.isError() && !m_exitRequested) {
            std::fprintf(stderr, "%s\n", qPrintable(DescribeFailure(result, stack, m_fileName)));
            m_laterFailed = true;
        }
    });
}

bool ScriptHost::deleteControl(const QJSValue& control) {
    for (const auto& [wrapped, native] : m_wrapped) {
        if (wrapped.strictlyEquals(control)) {
            QWidget* widget = native->Widget();
            delete widget;
            return widget != nullptr;
        }
    }
    return false;
}

bool ScriptHost::screenshot(const QString& file) {
    return m_window && m_window->grab().save(file, "PNG");
}

QJSValue ScriptHost::readFile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return QJSValue(QJSValue::NullValue);
    }
    return QJSValue(QString::fromUtf8(in.readAll()));
}

void ScriptHost::include(const QString& file) {
    const QFileInfo named(file);
    const QString path =
        named.isAbsolute() ? file : QFileInfo(m_fileName).absoluteDir().filePath(file);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        m_engine.throwError(QStringLiteral("host.include: cannot read %1").arg(path));
        return;
    }
    QStringList stack;
    const QJSValue result = m_engine.evaluate(QString::fromUtf8(in.readAll()), path, 1, &stack);
    if (result.isError() || !stack.isEmpty()) {
        m_engine.throwError(
            QStringLiteral("host.include: %1").arg(DescribeFailure(result, stack, path)));
    }
}

void ScriptHost::resize(int width, int height) {
    if (m_window && width > 0 && height > 0) {
        m_window->resize(width, height);
        QCoreApplication::processEvents();
    }
}

void ScriptHost::exit(int code) {
    m_exitRequested = true;
    m_exitCode = code;
    m_engine.setInterrupted(true);  // stops the script at once
}

QJSValue ScriptHost::createControl(const QString& progId, bool shown) {
    auto window = std::make_unique<HostWindow>();
    window->resize(m_window ? m_window->size() : QSize(800, 600));
    QString error;
    const std::optional<CreatedControl> created = m_loader.Create(progId, window.get(), error);
    if (!created) {
        std::fprintf(stderr, "vexo-host: %s\n", qPrintable(error));
        return QJSValue(QJSValue::NullValue);
    }
    window->Embed(created->widget);
    if (shown) {
        window->show();
    }
    m_extraWindows.push_back(std::move(window));
    return Wrap(*created);
}

void ScriptHost::crashForTest() {
    if (qEnvironmentVariable(kCrashTestVariable) != QLatin1String("1")) {
        m_engine.throwError(QStringLiteral("host.crashForTest is disabled; set %1=1 to use it")
                                .arg(QLatin1String(kCrashTestVariable)));
        return;
    }
    std::fflush(nullptr);
    CrashOnPurpose();
}

}  // namespace host
