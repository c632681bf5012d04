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

int DeviceCommandChannel::ApplyReply(std::string_view replyText, QString& lastErrorText,
                                     Json::Value& reply) {
    Json::Value root;
    if (!vexo::ParseJson(replyText, root) || !root.isObject()) {
        return 0;
    }
    // A reply whose "ack" or "errinfo" is not a text is not a device answer
    // this channel understands: it fails and changes nothing.
    const bool hasAck = IsPresent(root, "ack");
    const bool hasErrInfo = IsPresent(root, "errinfo");
    if ((hasAck && !root["ack"].isString()) || (hasErrInfo && !root["errinfo"].isString())) {
        return 0;
    }
    const int result = hasAck && !AckMeansRefused(root["ack"].asString()) ? 1 : 0;
    if (hasErrInfo) {
        lastErrorText = vexo::FromNarrow(root["errinfo"].asString());
    }
    if (IsPresent(root, "info")) {
        reply = root["info"];
    }
    return result;
}

int DeviceCommandChannel::SendCommand(const std::string& command, Json::Value params,
                                      Json::Value& reply) {
    if (session_ == nullptr) {
        return 0;
    }
    const std::string request = BuildRequestText(command, params);
    char* replyText = nullptr;
    int32_t replyLength = 0;
    VEXONET_OperateSmartFun(session_->LoginId(), request.c_str(), &replyText, &replyLength);
    if (replyText == nullptr) {
        return 0;
    }
    // The library owns the buffer until the next command: read it now, up to
    // its terminating NUL, and never release it.
    return ApplyReply(std::string_view(replyText, std::strlen(replyText)), lastErrorText_, reply);
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
