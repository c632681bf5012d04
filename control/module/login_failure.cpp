#include "login_failure.h"

#include "vexonet.h"

namespace vexo {

QString LoginFailureReason(int code, bool chinese) {
    struct Reason {
        const char16_t* english;
        const char16_t* chinese;
    };
    const auto pick = [chinese](const Reason& reason) {
        return QString::fromUtf16(chinese ? reason.chinese : reason.english);
    };
    switch (code) {
        case VEXONET_ERR_AUTH:
            return pick({u"wrong user name or password", u"用户名或密码错误"});
        case VEXONET_ERR_CONNECT:
            return pick({u"cannot reach the device", u"无法连接设备"});
        case VEXONET_ERR_TIMEOUT:
            return pick({u"the device did not answer", u"设备没有应答"});
        case VEXONET_ERR_HTTP_STATUS:
        case VEXONET_ERR_PROTOCOL:
        case VEXONET_ERR_TOO_LARGE:
            return pick(
                {u"the address does not answer as a camera of this kind", u"该地址不是本类设备"});
        case VEXONET_ERR_PARAMETER:
            return pick({u"the device address is not valid", u"设备地址无效"});
        default:
            break;
    }
    const char* text = VEXONET_GetErrorText(code);
    return text != nullptr && text[0] != '\0' ? QString::fromUtf8(text)
                                              : pick({u"unknown error", u"未知错误"});
}

QString NotLoggedInLine(const QString& reason, bool chinese) {
    return (chinese ? QStringLiteral("未登录：") : QStringLiteral("Not logged in: ")) + reason;
}

}  // namespace vexo
