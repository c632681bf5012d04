#pragma once
// The command line of vexo-host.

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace host {

struct HostOptions {
    QString progId = QStringLiteral("VEXOSMARTOCX.VexoSmartOcxCtrl.1");
    QString device;  // HOST:PORT
    QString user = QStringLiteral("admin");
    QString password;
    QString language = QStringLiteral("english");
    // The login argument handed to SetDeviceLoginInfo: the video panes'
    // stream selector, 1 for the main stream, 0 for the sub stream.
    int loginArg = 1;
    QSize size{1280, 800};
    QString scriptFile;  // empty: the built-in script
    bool stay = false;   // keep the window after a script file has run
    bool ask = false;    // ask for the device and credentials in a dialog
    QStringList args;    // everything after "--"
};

// Reads the arguments (program name first). The password comes from
// --password, else `environmentPassword` (VEXO_PASSWORD). On an error or
// --help nothing is returned and `message` says what to print; `help`
// tells the two apart.
std::optional<HostOptions> ParseHostOptions(const QStringList& arguments,
                                            const QString& environmentPassword, QString& message,
                                            bool& help);

QString HostUsage();

}  // namespace host
