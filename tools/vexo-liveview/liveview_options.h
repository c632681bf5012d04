#pragma once
// The command line of vexo-liveview.

#include <QString>
#include <QStringList>
#include <optional>

namespace liveview {

enum class Language { English, Chinese };

// One PTZ movement of a scripted run: a movement command of the network
// library held for a number of milliseconds, then stopped.
struct PtzMove {
    int command = 0;
    int durationMs = 0;
};

struct LiveViewOptions {
    QString device;  // HOST:PORT
    QString user = QStringLiteral("admin");
    QString password;
    int streamSelector = 1;  // 1 main stream, 0 sub stream
    Language language = Language::English;
    // Scripted run: write the window to this PNG and exit.
    QString screenshotFile;
    int afterMs = 2000;
    std::optional<PtzMove> ptz;
};

// The PTZ command of a direction name (left, right, up, down, zoom-in,
// zoom-out), or nothing for any other name.
std::optional<int> PtzCommandOf(const QString& direction);

// Reads the arguments (the program name first). The password comes from
// --password, else from `environmentPassword` (VEXO_PASSWORD). On failure,
// and for --help, `message` holds what to print and nothing is returned;
// `help` tells the two apart.
std::optional<LiveViewOptions> ParseLiveViewOptions(const QStringList& arguments,
                                                    const QString& environmentPassword,
                                                    QString& message, bool& help);

}  // namespace liveview
