#include "liveview_options.h"

#include <QCommandLineParser>

namespace liveview {

namespace {

// Command numbers of the network library's PTZ call.
struct NamedCommand {
    const char* name;
    int command;
};
constexpr NamedCommand kPtzCommands[] = {{"zoom-in", 0}, {"zoom-out", 1}, {"up", 6},
                                         {"down", 7},    {"left", 8},     {"right", 9}};

constexpr int kLongestScriptMs = 600000;

std::optional<int> ReadMilliseconds(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > kLongestScriptMs) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int> PtzCommandOf(const QString& direction) {
    for (const NamedCommand& named : kPtzCommands) {
        if (direction == QLatin1String(named.name)) {
            return named.command;
        }
    }
    return std::nullopt;
}

std::optional<LiveViewOptions> ParseLiveViewOptions(const QStringList& arguments,
                                                    const QString& environmentPassword,
                                                    QString& message, bool& help) {
    help = false;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows a device's live video with some of its rule shapes over it; drag a shape to "
        "edit it, hold a PTZ button to move the dome."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("The device's address."),
                                    QStringLiteral("HOST:PORT"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("User name (default admin)."),
                                  QStringLiteral("USER"), QStringLiteral("admin"));
    const QCommandLineOption password(
        QStringLiteral("password"),
        QStringLiteral("Password (default: the environment variable VEXO_PASSWORD)."),
        QStringLiteral("PASSWORD"));
    const QCommandLineOption stream(QStringLiteral("stream"),
                                    QStringLiteral("main (default) or sub."),
                                    QStringLiteral("STREAM"), QStringLiteral("main"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("english (default) or chinese."),
                                      QStringLiteral("LANGUAGE"), QStringLiteral("english"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Writes the window to FILE (PNG) and exits, --after-ms after the "
                       "live view is up (or gave up)."),
        QStringLiteral("FILE"));
    const QCommandLineOption afterMs(QStringLiteral("after-ms"),
                                     QStringLiteral("Delay of --screenshot (default 2000)."),
                                     QStringLiteral("N"), QStringLiteral("2000"));
    const QCommandLineOption ptz(
        QStringLiteral("ptz"),
        QStringLiteral("Before the screenshot, moves the dome in DIR (left, right, up, down, "
                       "zoom-in, zoom-out) for MS milliseconds."),
        QStringLiteral("DIR:MS"));
    parser.addOptions(
        {helpOption, device, user, password, stream, language, screenshot, afterMs, ptz});

    if (!parser.parse(arguments)) {
        message = parser.errorText() + QLatin1Char('\n');
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        help = true;
        message = parser.helpText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("unexpected argument: %1\n").arg(parser.positionalArguments()[0]);
        return std::nullopt;
    }
    LiveViewOptions options;
    options.device = parser.value(device);
    if (options.device.isEmpty()) {
        message = QStringLiteral("--device HOST:PORT is required\n");
        return std::nullopt;
    }
    options.user = parser.value(user);
    options.password = parser.isSet(password) ? parser.value(password) : environmentPassword;

    const QString streamName = parser.value(stream);
    if (streamName != QLatin1String("main") && streamName != QLatin1String("sub")) {
        message = QStringLiteral("--stream must be main or sub\n");
        return std::nullopt;
    }
    options.streamSelector = streamName == QLatin1String("main") ? 1 : 0;

    const QString languageName = parser.value(language);
    if (languageName != QLatin1String("english") && languageName != QLatin1String("chinese")) {
        message = QStringLiteral("--language must be english or chinese\n");
        return std::nullopt;
    }
    options.language =
        languageName == QLatin1String("chinese") ? Language::Chinese : Language::English;

    options.screenshotFile = parser.value(screenshot);
    const auto after = ReadMilliseconds(parser.value(afterMs));
    if (!after) {
        message =
            QStringLiteral("--after-ms takes milliseconds from 0 to %1\n").arg(kLongestScriptMs);
        return std::nullopt;
    }
    options.afterMs = *after;

    if (parser.isSet(ptz)) {
        const QStringList parts = parser.value(ptz).split(QLatin1Char(':'));
        const auto command = parts.size() == 2 ? PtzCommandOf(parts[0]) : std::nullopt;
        const auto duration = parts.size() == 2 ? ReadMilliseconds(parts[1]) : std::nullopt;
        if (!command || !duration) {
            message = QStringLiteral(
                "--ptz takes DIR:MS, DIR one of left, right, up, down, zoom-in, zoom-out\n");
            return std::nullopt;
        }
        options.ptz = PtzMove{*command, *duration};
    }
    if (options.ptz && options.screenshotFile.isEmpty()) {
        message = QStringLiteral("--ptz belongs to a scripted run: give --screenshot too\n");
        return std::nullopt;
    }
    return options;
}

}  // namespace liveview
