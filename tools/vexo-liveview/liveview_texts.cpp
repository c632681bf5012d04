#include "liveview_texts.h"

#include "vexonet.h"

namespace liveview {

namespace {

LiveViewTexts English() {
    LiveViewTexts t;
    t.title = QStringLiteral("Live view");
    t.left = QStringLiteral("Left");
    t.right = QStringLiteral("Right");
    t.up = QStringLiteral("Up");
    t.down = QStringLiteral("Down");
    t.zoomIn = QStringLiteral("Zoom +");
    t.zoomOut = QStringLiteral("Zoom -");
    t.editLabel = QStringLiteral("Edit:");
    t.region = QStringLiteral("Region");
    t.wire = QStringLiteral("Wire");
    t.point = QStringLiteral("Point");
    t.loggingIn = QStringLiteral("Logging in to %1 ...");
    t.loginFailed = QStringLiteral("Login to %1 failed: %2");
    t.streamRefused = QStringLiteral("The device did not start the live video: %1");
    t.waitingForPicture = QStringLiteral("Waiting for the first picture ...");
    t.noPicture = QStringLiteral("No picture arrived within %1 s.");
    t.playing = QStringLiteral(
        "Live video of %1, %2 x %3. %4 Drag the shape chosen under Edit to change it.");
    t.shapesFromDevice = QStringLiteral("Shapes: the device's rules.");
    t.shapesDemo = QStringLiteral("Shapes: demo shapes where the device has none of a kind.");
    t.streamEnded = QStringLiteral("The live video stopped: %1");
    t.ptzRefused = QStringLiteral("The dome did not take the PTZ command: %1");
    t.reasonCredentials = QStringLiteral("the device refused the user name or password.");
    t.reasonUnreachable = QStringLiteral("the device cannot be reached.");
    t.reasonTimeout = QStringLiteral("the device did not answer in time.");
    t.reasonStreamEnded = QStringLiteral("the device ended the stream.");
    t.reasonOther = QStringLiteral("%1.");
    return t;
}

LiveViewTexts Chinese() {
    LiveViewTexts t;
    t.title = QStringLiteral("实时预览");
    t.left = QStringLiteral("左");
    t.right = QStringLiteral("右");
    t.up = QStringLiteral("上");
    t.down = QStringLiteral("下");
    t.zoomIn = QStringLiteral("变倍+");
    t.zoomOut = QStringLiteral("变倍-");
    t.editLabel = QStringLiteral("编辑：");
    t.region = QStringLiteral("区域");
    t.wire = QStringLiteral("警戒线");
    t.point = QStringLiteral("点");
    t.loggingIn = QStringLiteral("正在登录 %1 ...");
    t.loginFailed = QStringLiteral("登录 %1 失败：%2");
    t.streamRefused = QStringLiteral("设备未开始实时视频：%1");
    t.waitingForPicture = QStringLiteral("正在等待第一帧图像 ...");
    t.noPicture = QStringLiteral("%1 秒内未收到图像。");
    t.playing = QStringLiteral("%1 的实时视频，%2 x %3。%4 拖动“编辑”所选的图形即可修改。");
    t.shapesFromDevice = QStringLiteral("图形：设备的规则。");
    t.shapesDemo = QStringLiteral("图形：设备缺少的种类以演示图形代替。");
    t.streamEnded = QStringLiteral("实时视频已停止：%1");
    t.ptzRefused = QStringLiteral("球机未接受云台命令：%1");
    t.reasonCredentials = QStringLiteral("用户名或密码错误。");
    t.reasonUnreachable = QStringLiteral("无法连接设备。");
    t.reasonTimeout = QStringLiteral("设备响应超时。");
    t.reasonStreamEnded = QStringLiteral("设备结束了视频流。");
    t.reasonOther = QStringLiteral("%1。");
    return t;
}

}  // namespace

const LiveViewTexts& TextsFor(Language language) {
    static const LiveViewTexts english = English();
    static const LiveViewTexts chinese = Chinese();
    return language == Language::Chinese ? chinese : english;
}

QString ReasonText(const LiveViewTexts& texts, int errorCode) {
    switch (errorCode) {
        case VEXONET_ERR_AUTH:
            return texts.reasonCredentials;
        case VEXONET_ERR_CONNECT:
        case VEXONET_ERR_NETWORK:
            return texts.reasonUnreachable;
        case VEXONET_ERR_TIMEOUT:
            return texts.reasonTimeout;
        case VEXONET_ERR_STREAM_ENDED:
            return texts.reasonStreamEnded;
        default:
            return texts.reasonOther.arg(QString::fromLatin1(VEXONET_GetErrorText(errorCode)));
    }
}

}  // namespace liveview
