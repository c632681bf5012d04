// vexo-host: the host program. It creates the control by its ProgID through
// the component registry (run from its build tree, registering the module of
// this build first when the control is not registered yet; installed, also
// looking in the machine's registry), embeds it in its window and runs a
// host script against it: the built-in login, or the file of --script.
//
// Exit codes: 0 after a script file ran (or when the window is closed),
// the code given to host.exit, 1 when the control cannot be created or the
// command line is wrong, 2 after a script error.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "component_registry.h"
#include "control_loader.h"
#include "host_options.h"
#include "host_window.h"
#include "login_prompt.h"
#include "script_host.h"

int main(int argc, char** argv) {
    // Help needs no display: answer it before the GUI starts.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(qPrintable(host::HostUsage()), stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QString message;
    bool help = false;
    std::optional<host::HostOptions> options = host::ParseHostOptions(
        QCoreApplication::arguments(), qEnvironmentVariable("VEXO_PASSWORD"), message, help);
    if (!options) {
        std::fputs(qPrintable(message), help ? stdout : stderr);
        return help ? 0 : 1;
    }

    if (options->ask && options->device.isEmpty() && !host::AskForLogin(*options)) {
        return 0;  // the operator cancelled
    }

    QString program = host::BuiltInScript();
    QString scriptName = QStringLiteral("<built-in script>");
    if (!options->scriptFile.isEmpty()) {
        QFile file(options->scriptFile);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "vexo-host: cannot read the script %s: %s\n",
                         qPrintable(options->scriptFile), qPrintable(file.errorString()));
            return 1;
        }
        program = QString::fromUtf8(file.readAll());
        scriptName = options->scriptFile;
    }

    vexo::ComponentRegistry registry;
    // Run from its build tree the host uses the module built beside it; an
    // installed host falls back to the module the packages registered.
    const bool inBuildTree = QCoreApplication::applicationFilePath() ==
                             QFileInfo(QStringLiteral(VEXO_HOST_BUILD_PATH)).canonicalFilePath();
    const vexo::ComponentRegistry machine(vexo::ComponentRegistry::SystemPath());
    host::ControlLoader loader(registry,
                               inBuildTree ? QStringLiteral(VEXO_MODULE_BUILD_PATH) : QString(),
                               inBuildTree ? nullptr : &machine);
    host::HostWindow window;
    window.resize(options->size);
    QString error;
    const std::optional<host::CreatedControl> control =
        loader.Create(options->progId, &window, error);
    if (!control) {
        std::fprintf(stderr, "vexo-host: %s\n", qPrintable(error));
        return 1;
    }
    window.Embed(control->widget);
    window.show();

    host::ScriptHost scripts(*options, loader, window, *control);
    const bool closeAfterScript = !options->scriptFile.isEmpty() && !options->stay;
    QTimer::singleShot(0, &app, [&] {
        const int code = scripts.Run(program, scriptName);
        if (closeAfterScript || scripts.ExitRequested() || code != 0) {
            QCoreApplication::exit(code);
        }
    });
    return app.exec();
}
