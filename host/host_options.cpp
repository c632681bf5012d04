#include "host_options.h"

#include <QRegularExpression>

namespace host {

QString HostUsage() {
    return QStringLiteral(
        "usage: vexo-host [options] [-- script arguments]\n"
        "  --device HOST:PORT       the device to log into\n"
        "  --user NAME              its user (default admin)\n"
        "  --password TEXT          its password (default: $VEXO_PASSWORD)\n"
        "  --language english|chinese   the control's language (default english)\n"
        "  --stream main|sub        the live stream the pages show (default main)\n"
        "  --size WxH               the window's size (default 1280x800)\n"
        "  --progid PROGID          the class to create (default the control)\n"
        "  --script FILE            run this host script instead of the built-in login\n"
        "  --stay                   keep the window open after the script file ends\n"
        "  --ask                    ask for the device, user and password in a dialog\n"
        "                           (the desktop entry starts the host so)\n"
        "Host scripts are described in docs/host-scripts.md.\n");
}

std::optional<HostOptions> ParseHostOptions(const QStringList& arguments,
                                            const QString& environmentPassword, QString& message,
                                            bool& help) {
    HostOptions options;
    options.password = environmentPassword;
    help = false;
    const auto fail = [&](const QString& text) {
        message = QStringLiteral("vexo-host: %1\n%2").arg(text, HostUsage());
        return std::nullopt;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (name == QLatin1String("--")) {
            options.args = arguments.mid(i + 1);
            break;
        }
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            help = true;
            message = HostUsage();
            return std::nullopt;
        }
        if (name == QLatin1String("--stay")) {
            options.stay = true;
            continue;
        }
        if (name == QLatin1String("--ask")) {
            options.ask = true;
            continue;
        }
        static const QStringList kValued{"--device", "--user", "--password", "--language",
                                         "--stream", "--size", "--progid",   "--script"};
        if (!kValued.contains(name)) {
            return fail(QStringLiteral("unknown option %1").arg(name));
        }
        if (i + 1 >= arguments.size()) {
            return fail(QStringLiteral("%1 needs a value").arg(name));
        }
        const QString value = arguments[++i];
        if (name == QLatin1String("--device")) {
            options.device = value;
        } else if (name == QLatin1String("--user")) {
            options.user = value;
        } else if (name == QLatin1String("--password")) {
            options.password = value;
        } else if (name == QLatin1String("--language")) {
            if (value != QLatin1String("english") && value != QLatin1String("chinese")) {
                return fail(QStringLiteral("--language must be english or chinese"));
            }
            options.language = value;
        } else if (name == QLatin1String("--stream")) {
            if (value != QLatin1String("main") && value != QLatin1String("sub")) {
                return fail(QStringLiteral("--stream must be main or sub"));
            }
            options.loginArg = value == QLatin1String("main") ? 1 : 0;
        } else if (name == QLatin1String("--size")) {
            static const QRegularExpression kSize(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
            const QRegularExpressionMatch match = kSize.match(value);
            const int width = match.captured(1).toInt();
            const int height = match.captured(2).toInt();
            if (!match.hasMatch() || width > 8192 || height > 8192) {
                return fail(QStringLiteral("--size must be WxH, e.g. 1280x800"));
            }
            options.size = QSize(width, height);
        } else if (name == QLatin1String("--progid")) {
            options.progId = value;
        } else {
            options.scriptFile = value;
        }
    }
    if (options.scriptFile.isEmpty() && options.device.isEmpty() && !options.ask) {
        return fail(QStringLiteral("--device (or --ask) is needed when no --script is given"));
    }
    return options;
}

}  // namespace host
