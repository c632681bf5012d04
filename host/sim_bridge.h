#pragma once
// The script's `sim`: the simulated device behind a host-script test. A
// test reads the device's request journal, turns the simulator's knobs
// (scripted replies, faults, latency) and reads or changes the device with
// vexo-cmd, so that it can check what the control sent and what the device
// now holds. The test runner names the journal and vexo-cmd in
// VEXO_SIM_JOURNAL and VEXO_SIM_CMD; without them every member throws.

#include <QJSEngine>
#include <QJSValue>
#include <QObject>
#include <QString>
#include <QStringList>

namespace host {

class SimBridge : public QObject {
    Q_OBJECT
    // The device's "host:port", e.g. for a login of the control to it.
    Q_PROPERTY(QString address READ address CONSTANT)
public:
    // `address`, `user` and `password` are the device; `journalVariable`
    // names the environment variable holding its journal's path.
    SimBridge(QJSEngine& engine, QString address, QString user, QString password,
              const char* journalVariable = kJournalVariable, QObject* parent = nullptr);

    QString address() const { return m_address; }

    // The journal's entries from index `from` on: {time, session, path,
    // request}, `request` parsed when it is JSON.
    Q_INVOKABLE QJSValue journal(int from = 0);
    Q_INVOKABLE int journalLength();
    // POSTs `document` to the simulator's control endpoint; true on 200.
    Q_INVOKABLE bool control(const QJSValue& document);
    // One device command through vexo-cmd: {ok, info, error}.
    Q_INVOKABLE QJSValue cmd(const QString& command, const QJSValue& info = QJSValue());
    // The device's batch configuration text (`vexo-cmd config get`).
    Q_INVOKABLE QString configGet();

    static constexpr const char* kJournalVariable = "VEXO_SIM_JOURNAL";
    static constexpr const char* kCommandVariable = "VEXO_SIM_CMD";
    // The second device of a SECOND_SIMULATOR test: its address and journal.
    static constexpr const char* kSecondAddressVariable = "VEXO_SIM2_ADDRESS";
    static constexpr const char* kSecondJournalVariable = "VEXO_SIM2_JOURNAL";

private:
    bool Available(const char* member);
    QStringList JournalLines();
    // Runs vexo-cmd with the device's login and `arguments`; false when it
    // could not run. `exitCode`, `out` and `err` get its results.
    bool RunCommand(const QStringList& arguments, int& exitCode, QString& out, QString& err);

    QJSEngine& m_engine;
    QString m_address;
    QString m_user;
    QString m_password;
    QString m_journalPath;
    QString m_commandPath;
};

}  // namespace host
