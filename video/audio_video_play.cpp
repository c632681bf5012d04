#include "audio_video_play.h"

#include <algorithm>

#include <QMetaObject>
#include <QVariant>

#include "blocking_call.h"
#include "narrow_text.h"
#include "vexonet.h"
#include "vexoplay.h"

CAudioVideoPlay::CAudioVideoPlay(QString uiLanguage)
    : uiLanguage_(std::move(uiLanguage)), overlay_(std::make_unique<vexo::CShowAIConfig>()) {}

CAudioVideoPlay::~CAudioVideoPlay() {
    StopRealPlay();
    overlay_.reset();
}

bool CAudioVideoPlay::StartRealPlay(int32_t selector, QObject* window, const QRect& rect) {
    window_ = window;
    windowHandle_ = window;
    overlay_->SetVideoWindow(window);
    ResizeVideo(rect);
    StopRealPlay();
    if (loginId_ < 0) {
        return false;
    }
    // Stream code 2 is the device's main stream, 5 its sub stream; the
    // mode 3 is the HTTP link, the only one the network library has.
    const int32_t request[3] = {0, 0, selector == 1 ? 2 : 5};
    // The start waits for the device's answer: one round trip, run where
    // the thread's runner puts it (the UI thread keeps its window alive).
    int32_t handle = -1;
    int error = 0;
    const int32_t loginId = loginId_;
    vexo::RunBlockingCall([&handle, &error, loginId, &request, this] {
        handle = VEXONET_StartRealData(loginId, request, &CAudioVideoPlay::OnRealData,
                                       VEXONET_LINK_HTTP, this);
        error = handle < 0 ? VEXONET_GetLastError() : 0;
    });
    if (handle < 0) {
        lastError_ = error;
        realHandle_ = -1;
        return false;
    }
    realHandle_ = handle;
    return true;
}

bool CAudioVideoPlay::StopRealPlay() {
    if (realHandle_ >= 0 && !VEXONET_StopRealData(realHandle_)) {
        return false;
    }
    // A drawing tool belongs to the page that showed this stream.
    overlay_->StopTool();
    // No callback of the stream runs any more: the port is the UI
    // thread's alone from here.
    const int32_t port = port_;
    if (port >= 0) {
        VEXOPLAY_Stop(port);
        VEXOPLAY_CloseStream(port);
        port_ = -1;
        if (!window_.isNull()) {
            // The window paints its idle picture again.
            QMetaObject::invokeMethod(window_.data(), "update");
        }
    }
    realHandle_ = -1;
    return true;
}

void CAudioVideoPlay::ResizeVideo(const QRect& rect) {
    const int32_t port = port_;
    if (port > -1) {
        VEXOPLAY_PlayWndResize(port, rect.width(), rect.height());
    }
    // The shapes are in the pixels of the overlay's rectangle: the page that
    // drew them may be another than the one that played last, and its
    // panel may have been drawn before its picture started.
    const QRect drawnIn = overlay_->VideoRect();
    if (!drawnIn.isEmpty() && drawnIn.size() != rect.size()) {
        overlay_->Rescale(drawnIn, rect);
    } else {
        overlay_->SetVideoRect(rect);
    }
    videoRect_ = rect;
}

bool CAudioVideoPlay::HasPicture() {
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(port_, &info);
    mediaInfo_.width = info.width;
    mediaInfo_.height = info.height;
    return !(mediaInfo_.width == 16 && mediaInfo_.height == 9);
}

int CAudioVideoPlay::SetMetadataOption(const QString& option) {
    {
        std::lock_guard lock(optionMutex_);
        metadataOption_ = option;
    }
    const int32_t port = port_;
    if (port != -1) {
        return VEXOPLAY_SetMetadataOption(port, vexo::ToNarrow(option).c_str());
    }
    return 0;
}

int CAudioVideoPlay::RuleHits(const QString& function, const QString& rule) const {
    const int32_t port = port_;
    if (port < 0) {
        return 0;
    }
    return std::max(0, VEXOPLAY_GetMetadataHits(port, vexo::ToNarrow(function).c_str(),
                                                vexo::ToNarrow(rule).c_str()));
}

void CAudioVideoPlay::SetUiLanguage(const QString& name) {
    std::lock_guard lock(optionMutex_);
    uiLanguage_ = name;
}

void CAudioVideoPlay::OnRealData(int32_t, int32_t dataType, const uint8_t* buffer, int32_t length,
                                 int32_t, void* user) {
    auto* self = static_cast<CAudioVideoPlay*>(user);
    switch (dataType) {
        case 0:
            self->OpenHeader(buffer, length);
            break;
        case 1:
        case 2:
        case 3:
            // Also before a header opened a port: the library refuses -1.
            VEXOPLAY_InputData(self->port_, buffer, length);
            break;
        default:
            break;
    }
}

void CAudioVideoPlay::OpenHeader(const uint8_t* buffer, int32_t length) {
    const int32_t port = VEXOPLAY_OpenStream(buffer, length);
    port_ = port;
    if (port < 0) {
        return;
    }
    std::string language;
    std::string option;
    {
        std::lock_guard lock(optionMutex_);
        language = vexo::ToNarrow(uiLanguage_);
        option = vexo::ToNarrow(metadataOption_);
    }
    VEXOPLAY_SetMetadataConfig(port, "MetadataViewer.Language", language.c_str());
    if (!VEXOPLAY_Play(port, windowHandle_, 0, 0)) {
        return;
    }
    VEXOPLAY_SetDrawFunCallBack(port, &CAudioVideoPlay::OnDraw, this);
    VEXOPLAY_SetPlaySmoothLevel(port, 1, 0);
    if (!option.empty()) {
        VEXOPLAY_SetMetadataOption(port, option.c_str());
    }
}

void CAudioVideoPlay::OnDraw(int32_t, void*, void* user) {
    auto* self = static_cast<CAudioVideoPlay*>(user);
    if (self->port_ >= 0) {
        self->firstFrame_ = 1;
    }
}

bool CAudioVideoPlay::DrawRegion(int16_t number, int32_t kind, const QString& text,
                                 const QString& key) {
    return CanDraw() && overlay_->DrawRegion(port_, number, kind, text, key);
}

bool CAudioVideoPlay::DrawLine(int16_t number, int32_t type, const QString& text,
                               const QString& key) {
    return CanDraw() && overlay_->DrawLine(port_, number, type, text, key);
}

bool CAudioVideoPlay::DrawPoint(const QString& key, const QString& text) {
    return CanDraw() && overlay_->DrawPoint(port_, key, text);
}

QString CAudioVideoPlay::GetGeometryText(const QString& key) const {
    return CanEdit() ? overlay_->GetGeometryText(key) : QString();
}

bool CAudioVideoPlay::DeleteOverlay(const QString& key, bool keep) {
    return CanEdit() && overlay_->DeleteOverlay(key, keep);
}

bool CAudioVideoPlay::EndDrawing(const QString& key) {
    return CanEdit() && overlay_->EndDrawing(key);
}

bool CAudioVideoPlay::SetLineMargin(const QString& key, float margin) {
    return CanEdit() && overlay_->SetLineMargin(key, margin);
}

bool CAudioVideoPlay::SetLineFlag(const QString& key, uint8_t flag) {
    return CanEdit() && overlay_->SetLineFlag(key, flag);
}

bool CAudioVideoPlay::SetLineBox(const QString& key) {
    return CanEdit() && overlay_->SetLineBox(key, videoRect_);
}

void CAudioVideoPlay::OnMouseMove(uint32_t flags, int x, int y) {
    if (!CanEdit()) {
        return;
    }
    const QRect client = window_.isNull() ? QRect() : window_->property("rect").toRect();
    overlay_->OnMouseMove(flags, QPoint(x - videoRect_.left(), y - videoRect_.top()), client);
}

bool CAudioVideoPlay::OnButtonDown(uint32_t flags, int x, int y) {
    if (!CanEdit()) {
        return false;
    }
    return overlay_->OnButtonDown(flags, QPoint(x - videoRect_.left(), y - videoRect_.top()),
                                  QRect(0, 0, videoRect_.width(), videoRect_.height()));
}

void CAudioVideoPlay::OnButtonUp(uint32_t flags, int x, int y) {
    if (CanEdit()) {
        overlay_->OnButtonUp(flags, QPoint(x - videoRect_.left(), y - videoRect_.top()),
                             QRect(0, 0, videoRect_.width(), videoRect_.height()));
    }
}

void CAudioVideoPlay::OnDoubleClick(uint32_t flags, int x, int y) {
    if (CanEdit()) {
        overlay_->OnDoubleClick(flags, QPoint(x - videoRect_.left(), y - videoRect_.top()),
                                QRect(0, 0, videoRect_.width(), videoRect_.height()));
    }
}

bool CAudioVideoPlay::OnEscape() {
    return CanEdit() && overlay_->CancelDrawing();
}

QString CAudioVideoPlay::BuildSetupXml(const QString& user, const QString& password) {
    // Four slots, filled user, password, user, password. QString::arg would
    // read "%1" inside a credential as a marker, so the slots are filled by
    // plain concatenation.
    static const char* const kPieces[] = {
        "<Setup>\t<ProtocolList>\t<Protocol>\t\t<Name>onvif</Name>\t\t<UserName>",
        "</UserName>\t\t<PassWord>",
        "</PassWord>\t\t<Port>8000</Port>\t\t<MediaPort>443</MediaPort>\t</Protocol>\t<Protocol>"
        "\t\t<Name>vexonia</Name>\t\t<UserName>",
        "</UserName>\t\t<PassWord>",
        "</PassWord>\t\t<Port>90</Port>\t\t<MediaPort>90</MediaPort>\t</Protocol>\t</ProtocolList>"
        "\t\t<Function>\t\t\t<RealPlay>onvif</RealPlay>\t\t\t<Ptz>vexonia</Ptz>\t\t\t<Web>http</"
        "Web>"
        "\t\t</Function>\t</Setup>"};
    const QString fills[] = {user, password, user, password};
    QString xml = QString::fromLatin1(kPieces[0]);
    for (int i = 0; i < 4; ++i) {
        xml += fills[i];
        xml += QString::fromLatin1(kPieces[i + 1]);
    }
    return xml;
}

bool CAudioVideoPlay::Login(const QString& address, const QString& user, const QString& password) {
    const std::string narrowAddress = vexo::ToNarrow(address);
    const std::string setup = vexo::ToNarrow(BuildSetupXml(user, password));
    int32_t loginId = -1;
    int error = 0;
    vexo::RunBlockingCall([&] {
        loginId = VEXONET_LoginEx(narrowAddress.c_str(), setup.c_str());
        // The library keeps its error per thread: read it on the login's own.
        error = loginId >= 0 ? 0 : VEXONET_GetLastError();
    });
    loginId_ = loginId;
    lastLoginError_ = error;
    return loginId_ >= 0;
}
