#include "device_command_channel.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "audio_video_play.h"
#include "json_text.h"
#include "narrow_text.h"
#include "vexonet.h"

namespace {

// "ack" is read as C's atoi reads it: the leading decimal integer, 0 when the
// text has none ("OK" counts as success). strtol gives the same value without
// atoi's undefined behaviour on overflow.
bool AckMeansRefused(const std::string& ack) {
    errno = 0;
    const long value = std::strtol(ack.c_str(), nullptr, 10);
    return errno == 0 && value == 1;
}

bool IsPresent(const Json::Value& object, const char* name) {
    return object.isMember(name) && !object[name].isNull();
}

}  // namespace

std::string DeviceCommandChannel::BuildRequestText(const std::string& command,
                                                   const Json::Value& params) {
    Json::Value request(Json::objectValue);
    request["op"] = command;
    request["info"] = "";
    if (!params.isNull()) {
        request["info"] = params;
    }
    return vexo::StyledJson(request);
}

vexo::ExchangeFailure DeviceCommandChannel::ReadReply(std::string_view replyText,
                                                      QString& lastErrorText, Json::Value& reply) {
    using vexo::ExchangeFailure;
    Json::Value root;
    if (!vexo::ParseJson(replyText, root) || !root.isObject()) {
        return ExchangeFailure::Unreadable;
    }
    // A reply whose "ack" or "errinfo" is not a text is not a device answer
    // this channel understands: it fails and changes nothing.
    const bool hasAck = IsPresent(root, "ack");
    const bool hasErrInfo = IsPresent(root, "errinfo");
    if ((hasAck && !root["ack"].isString()) || (hasErrInfo && !root["errinfo"].isString())) {
        return ExchangeFailure::Unreadable;
    }
    const bool acknowledged = hasAck && !AckMeansRefused(root["ack"].asString());
    if (hasErrInfo) {
        lastErrorText = vexo::FromNarrow(root["errinfo"].asString());
    }
    if (IsPresent(root, "info")) {
        reply = root["info"];
    }
    return acknowledged ? ExchangeFailure::None : ExchangeFailure::Refused;
}

int DeviceCommandChannel::ApplyReply(std::string_view replyText, QString& lastErrorText,
                                     Json::Value& reply) {
    return ReadReply(replyText, lastErrorText, reply) == vexo::ExchangeFailure::None ? 1 : 0;
}

int DeviceCommandChannel::SendCommand(const std::string& command, Json::Value params,
                                      Json::Value& reply) {
    using vexo::ExchangeFailure;
    vexo::ExchangeGate* gate = vexo::ExchangeGate::OfThisThread();
    if (session_ == nullptr) {
        lastFailure_ = ExchangeFailure::Unreachable;
        return 0;
    }
    if (cut_ || (gate != nullptr && !gate->MaySend())) {
        lastFailure_ = ExchangeFailure::NotSent;
        return 0;
    }
    const std::string request = BuildRequestText(command, params);
    const int32_t loginId = session_->LoginId();
    // The library call may run on another thread (the gate's choice): it
    // gets its own copies and hands back a copy of the reply, because the
    // library's reply buffer belongs to the thread that sent the command.
    std::string replyCopy;
    bool answered = false;
    int linkError = VEXONET_OK;
    if (EarlyReply early; TakeEarlyReply(request, early)) {
        // Sent ahead with other reads of this action: its turn has come.
        replyCopy = std::move(early.reply);
        answered = early.answered;
        linkError = early.linkError;
    } else {
        Exchange(request, loginId, gate, replyCopy, answered, linkError);
    }
    lastFailure_ = answered ? ReadReply(replyCopy, lastErrorText_, reply)
                            : vexo::FailureOfLinkError(linkError);
    if (gate != nullptr) {
        gate->Finished(command, params, lastFailure_);
    }
    return lastFailure_ == ExchangeFailure::None ? 1 : 0;
}

void DeviceCommandChannel::Exchange(const std::string& request, int32_t loginId,
                                    vexo::ExchangeGate* gate, std::string& replyCopy,
                                    bool& answered, int& linkError) {
    const auto call = [&request, loginId, &replyCopy, &answered, &linkError] {
        char* replyText = nullptr;
        int32_t replyLength = 0;
        VEXONET_OperateSmartFun(loginId, request.c_str(), &replyText, &replyLength);
        if (replyText != nullptr) {
            // Up to the terminating NUL; the buffer is never released here.
            replyCopy.assign(replyText, std::strlen(replyText));
            answered = true;
        } else {
            linkError = VEXONET_GetLastError();
        }
    };
    if (gate != nullptr) {
        gate->Run(call);
    } else {
        call();
    }
}

int DeviceCommandChannel::GetLastErrorText(QString& text) const {
    text = lastErrorText_;
    return 1;
}

int DeviceCommandChannel::ParamInit(CAudioVideoPlay* session, const QString& address,
                                    const QString& user, const QString& password) {
    session_ = session;
    if (session_ == nullptr || !session_->Login(address, user, password)) {
        return 0;
    }
    Json::Value ignored;
    SendCommand("CMD_ParamInit", Json::Value(), ignored);
    return 1;
}
