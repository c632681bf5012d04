#pragma once
// The one object that exchanges analytics commands with the device: it turns
// a command name and its parameter value into the request text, hands it to
// the network library, decides success from the reply's "ack", keeps the
// device's last error text and returns the reply's "info".
//
// Not thread-safe: each thread that sends commands uses a channel of its own.

#include <json/value.h>

#include <QString>
#include <string>
#include <string_view>

class CAudioVideoPlay;

class DeviceCommandChannel {
public:
    DeviceCommandChannel() = default;
    DeviceCommandChannel(const DeviceCommandChannel&) = delete;
    DeviceCommandChannel& operator=(const DeviceCommandChannel&) = delete;

    // One exchange. Returns 1 when the device acknowledged the command, 0 on
    // any failure. A command sent before ParamInit bound a video session
    // fails with 0 and sends nothing.
    int SendCommand(const std::string& command, Json::Value params, Json::Value& reply);

    // Copies the last "errinfo" text the device sent; always returns 1.
    int GetLastErrorText(QString& text) const;

    // Binds the channel to the video session, logs the session into the
    // device and sends "CMD_ParamInit" (its reply is not read). Returns 0 only
    // when the login fails.
    int ParamInit(CAudioVideoPlay* session, const QString& address, const QString& user,
                  const QString& password);

    // The request text of a command, as it travels to the device.
    static std::string BuildRequestText(const std::string& command, const Json::Value& params);

    // Reads one reply text: returns the exchange's result and takes over
    // "errinfo" and "info" as the channel does. Public so that the reply
    // handling can be exercised without a device.
    static int ApplyReply(std::string_view replyText, QString& lastErrorText, Json::Value& reply);

private:
    QString lastErrorText_;
    CAudioVideoPlay* session_ = nullptr;
};
