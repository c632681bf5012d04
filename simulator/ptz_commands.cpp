// The PTZ lock, the head's absolute position, and the analytics switch.

#include "config_document.h"
#include "device_parts.h"
#include "request_fields.h"

namespace devsim {
namespace {

constexpr long long kMinLockMs = 1000;
constexpr long long kMaxLockMs = 3600000;

long long LockTime(const Json::Value& info) {
    const std::string text = RequiredText(info, "locktime");
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        throw DeviceError(err::kLockTime, text.substr(0, 20));
    }
    const long long ms = std::stoll(text);
    if (ms < kMinLockMs || ms > kMaxLockMs) {
        throw DeviceError(err::kLockTime, text);
    }
    return ms;
}

double Axis(const Json::Value& point, const char* axis, double low, double high) {
    const Json::Value& value = RequiredMember(point, axis);
    if (!value.isNumeric()) {
        throw DeviceError(err::kMemberType, axis);
    }
    const double number = value.asDouble();
    if (!(number >= low && number <= high)) {
        throw DeviceError(err::kPtzRange, axis);
    }
    return number;
}

}  // namespace

void RegisterPtzCommands(CommandTable& table, const DeviceParts& parts) {
    table.Add("CMD_PTZLock", [parts](const Json::Value& info, const CommandContext& context) {
        if (!parts.lock.Acquire(context.session, LockTime(info))) {
            throw DeviceError(err::kPtzLocked);
        }
        return Acknowledge();
    });

    table.Add("CMD_PTZUnLock", [parts](const Json::Value&, const CommandContext& context) {
        if (!parts.lock.Release(context.session)) {
            throw DeviceError(err::kPtzLocked);
        }
        return Acknowledge();
    });

    table.Add("CMD_GetPTZPosition", [parts](const Json::Value&, const CommandContext&) {
        const PtzPosition at = parts.ptz.Position();
        Json::Value reply;
        reply["fPan"] = at.pan;
        reply["fTilt"] = at.tilt;
        reply["fZoom"] = at.zoom;
        return Acknowledge(reply);
    });

    table.Add("CMD_MovePTZPosition",
              [parts](const Json::Value& info, const CommandContext& context) {
                  const Json::Value& point = RequiredObject(info, "ptzPoint");
                  const PtzPosition target{Axis(point, "fPan", -1, 1), Axis(point, "fTilt", -1, 1),
                                           Axis(point, "fZoom", 0, 1)};
                  if (!parts.lock.MayControl(context.session)) {
                      throw DeviceError(err::kPtzLocked);
                  }
                  if (parts.ptz.MoveTo(target)) {
                      throw DeviceError(err::kStore, "ptz.json");
                  }
                  return Acknowledge();
              });

    table.Add("CMD_SetSmartStatus", [parts](const Json::Value& info, const CommandContext&) {
        const std::string status = RequiredText(info, "status");
        if (status != "TRUE" && status != "FALSE" && status != "true" && status != "false") {
            throw DeviceError(err::kSmartStatus, status.substr(0, 20));
        }
        parts.store.Update([&](Json::Value& doc) {
            doc["smartStatus"] = status == "TRUE" || status == "true" ? "TRUE" : "FALSE";
            return Json::Value();
        });
        return Acknowledge();
    });

    table.Add("CMD_GetSmartStatus", [parts](const Json::Value&, const CommandContext&) {
        Json::Value reply;
        reply["status"] =
            parts.store.Read([](const Json::Value& doc) { return doc["smartStatus"]; });
        return Acknowledge(reply);
    });
}

}  // namespace devsim
