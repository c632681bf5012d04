#include "sim_bridge.h"

#include <curl/curl.h>

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <utility>

namespace host {

namespace {
// vexo-cmd logs in and sends one command; a slow simulator (--latency-ms)
// needs a few round trips, so allow well beyond its own time-out.
constexpr int kCommandTimeoutMs = 60000;

QJSValue ParsedOrText(QJSEngine& engine, const QString& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        return QJSValue(text);
    }
    return engine.toScriptValue(document.toVariant());
}
}  // namespace

SimBridge::SimBridge(QJSEngine& engine, QString address, QString user, QString password,
                     const char* journalVariable, QObject* parent)
    : QObject(parent),
      m_engine(engine),
      m_address(std::move(address)),
      m_user(std::move(user)),
      m_password(std::move(password)) {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    m_journalPath = environment.value(QString::fromLatin1(journalVariable));
    m_commandPath = environment.value(QString::fromLatin1(kCommandVariable));
}

bool SimBridge::Available(const char* member) {
    if (!m_journalPath.isEmpty() && !m_commandPath.isEmpty() && !m_address.isEmpty()) {
        return true;
    }
    m_engine.throwError(QStringLiteral("sim.%1: no simulated device (the test runs without "
                                       "SIMULATOR)")
                            .arg(QString::fromLatin1(member)));
    return false;
}

QStringList SimBridge::JournalLines() {
    QFile file(m_journalPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    // A line the simulator is still writing has no newline yet.
    lines.removeLast();
    return lines;
}

QJSValue SimBridge::journal(int from) {
    if (!Available("journal")) {
        return {};
    }
    const QStringList lines = JournalLines();
    QJSValue entries = m_engine.newArray();
    quint32 count = 0;
    for (qsizetype i = std::max(from, 0); i < lines.size(); ++i) {
        QJSValue entry = ParsedOrText(m_engine, lines[i]);
        if (entry.isObject() && entry.property(QStringLiteral("request")).isString()) {
            entry.setProperty(
                QStringLiteral("request"),
                ParsedOrText(m_engine, entry.property(QStringLiteral("request")).toString()));
        }
        entries.setProperty(count++, entry);
    }
    return entries;
}

int SimBridge::journalLength() {
    return Available("journalLength") ? static_cast<int>(JournalLines().size()) : 0;
}

bool SimBridge::control(const QJSValue& document) {
    if (!Available("control")) {
        return false;
    }
    const QByteArray body =
        QJsonDocument::fromVariant(document.toVariant()).toJson(QJsonDocument::Compact);
    const QByteArray url = "http://" + m_address.toUtf8() + "/devsim/v1/control";
    CURL* curl = curl_easy_init();
    if (curl == nullptr) {
        return false;
    }
    // Sent as JSON: a form-encoded body (curl's default) is limited to 8 KiB
    // by the simulator's HTTP server, too little for a scripted reply of
    // many scenes.
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.constData());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(
        curl, CURLOPT_WRITEFUNCTION,
        +[](char*, size_t size, size_t count, void*) { return size * count; });
    long status = 0;
    if (curl_easy_perform(curl) == CURLE_OK) {
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    }
    curl_easy_cleanup(curl);
    curl_slist_free_all(headers);
    return status == 200;
}

bool SimBridge::RunCommand(const QStringList& arguments, int& exitCode, QString& out,
                           QString& err) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VEXO_PASSWORD"), m_password);
    process.setProcessEnvironment(environment);
    process.start(m_commandPath, QStringList{QStringLiteral("--device"), m_address,
                                             QStringLiteral("--user"), m_user} +
                                     arguments);
    if (!process.waitForFinished(kCommandTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    exitCode = process.exitCode();
    out = QString::fromUtf8(process.readAllStandardOutput());
    err = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return true;
}

QJSValue SimBridge::cmd(const QString& command, const QJSValue& info) {
    if (!Available("cmd")) {
        return {};
    }
    QStringList arguments{command};
    if (!info.isUndefined() && !info.isNull()) {
        arguments << QString::fromUtf8(
            QJsonDocument::fromVariant(info.toVariant()).toJson(QJsonDocument::Compact));
    }
    int exitCode = -1;
    QString out;
    QString err;
    QJSValue result = m_engine.newObject();
    if (!RunCommand(arguments, exitCode, out, err)) {
        result.setProperty(QStringLiteral("ok"), false);
        result.setProperty(QStringLiteral("info"), QJSValue::NullValue);
        result.setProperty(QStringLiteral("error"), QStringLiteral("vexo-cmd did not finish"));
        return result;
    }
    result.setProperty(QStringLiteral("ok"), exitCode == 0);
    result.setProperty(QStringLiteral("info"),
                       exitCode == 0 ? ParsedOrText(m_engine, out) : QJSValue(QJSValue::NullValue));
    result.setProperty(QStringLiteral("error"), err);
    return result;
}

QString SimBridge::configGet() {
    if (!Available("configGet")) {
        return {};
    }
    int exitCode = -1;
    QString out;
    QString err;
    if (!RunCommand({QStringLiteral("config"), QStringLiteral("get")}, exitCode, out, err) ||
        exitCode != 0) {
        m_engine.throwError(QStringLiteral("sim.configGet: %1").arg(err));
        return {};
    }
    return out;
}

}  // namespace host
