#pragma once
// The control's one device session: the login to the device and, with it,
// the live stream and the overlays drawn over it.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "show_ai_config.h"

// What the play library reports about the picture; only the first two
// fields are read here: (16, 9) means no usable picture yet.
struct CMediaInfo {
    uint16_t width = 16;
    uint16_t height = 9;
};

class CAudioVideoPlay {
public:
    // uiLanguage: the control's UI language as its text object holds it
    // ("english" or "chinese"), handed to the play library's metadata
    // display when a stream opens. The owner passes it in: the session
    // sits below the control's text tables and must not reach up to them.
    explicit CAudioVideoPlay(QString uiLanguage = QStringLiteral("english"));
    virtual ~CAudioVideoPlay();
    CAudioVideoPlay(const CAudioVideoPlay&) = delete;
    CAudioVideoPlay& operator=(const CAudioVideoPlay&) = delete;

    // Logs into the device anew (the previous login is not released) and
    // stores the login id. Returns false when the network library refuses.
    bool Login(const QString& address, const QString& user, const QString& password);

    int32_t LoginId() const { return loginId_; }
    // The network library's error code of the last failed Login (0 after a
    // successful one), for the operator's message.
    int32_t LastLoginError() const { return lastLoginError_; }

    // The overlay renderer that draws rule geometry over this session's
    // video; owned by the session and deleted with it.
    vexo::CShowAIConfig& Overlay() { return *overlay_; }

    // The setup XML for a login: the fixed template with the user name and
    // password inserted literally (no XML escaping), twice each.
    static QString BuildSetupXml(const QString& user, const QString& password);

    // Live stream. The window is the video widget (its QObject); the
    // rectangle is where the picture lies in it. Selector 1 asks for the
    // main stream (code 2), anything else for the sub stream (code 5). A
    // stream already playing is stopped first. False when not logged in or
    // when the device refuses the stream.
    bool StartRealPlay(int32_t selector, QObject* window, const QRect& rect);
    // False (every handle kept) when the network library cannot stop it.
    bool StopRealPlay();
    void ResizeVideo(const QRect& rect);
    bool IsPlaying() const { return port_ >= 0; }
    bool HasPicture();
    // Kept for a stream opened later; passed on at once while playing.
    int SetMetadataOption(const QString& option);
    // How often a rule of a function named in the metadata option fired on
    // the live picture since the option was last set; 0 while not playing.
    int RuleHits(const QString& function, const QString& rule) const;
    // Replaces the UI language for streams opened from now on.
    void SetUiLanguage(const QString& name);

    // Overlay drawing, queries and edits: nothing (false, empty text)
    // unless playing; drawing also waits for the first picture.
    bool DrawRegion(int16_t number, int32_t kind, const QString& text, const QString& key);
    bool DrawLine(int16_t number, int32_t type, const QString& text, const QString& key);
    bool DrawPoint(const QString& key, const QString& text);
    QString GetGeometryText(const QString& key) const;
    bool DeleteOverlay(const QString& key, bool keep);
    bool EndDrawing(const QString& key);
    bool SetLineMargin(const QString& key, float margin);
    bool SetLineFlag(const QString& key, uint8_t flag);
    bool SetLineBox(const QString& key);

    // Mouse input in video-window coordinates, while playing.
    void OnMouseMove(uint32_t flags, int x, int y);
    bool OnButtonDown(uint32_t flags, int x, int y);
    void OnButtonUp(uint32_t flags, int x, int y);
    void OnDoubleClick(uint32_t flags, int x, int y);
    // Escape on the video: abandons a shape being drawn (the old one comes
    // back). False when nothing was being drawn.
    bool OnEscape();

    // For the pane and for tests.
    int32_t RealDataHandle() const { return realHandle_; }
    int32_t PlayPort() const { return port_; }
    bool FirstFrameDrawn() const { return firstFrame_ != 0; }
    const QRect& VideoRect() const { return videoRect_; }
    int32_t EditShapeSelector() const { return editShapeSelector_; }
    void SetEditShapeSelector(int32_t selector) { editShapeSelector_ = selector; }
    int32_t LastStartError() const { return lastError_; }

    // The network and play libraries' callbacks; public for their C
    // signatures only.
    static void OnRealData(int32_t handle, int32_t dataType, const uint8_t* buffer, int32_t length,
                           int32_t reserved, void* user);
    static void OnDraw(int32_t port, void* deviceContext, void* user);

private:
    bool CanEdit() const { return port_ >= 0; }
    bool CanDraw() const { return port_ >= 0 && firstFrame_ != 0; }
    void OpenHeader(const uint8_t* buffer, int32_t length);

    int32_t loginId_ = -1;
    int32_t lastLoginError_ = 0;
    int32_t realHandle_ = -1;
    // Written by the network thread (port) and the painting thread (flag),
    // read by the UI thread.
    std::atomic<int32_t> port_{-1};
    std::atomic<int32_t> firstFrame_{0};
    void* windowHandle_ = nullptr;
    QPointer<QObject> window_;
    QRect videoRect_;
    mutable std::mutex optionMutex_;  // the two texts below, read by the network thread
    QString metadataOption_;
    QString uiLanguage_;
    std::unique_ptr<vexo::CShowAIConfig> overlay_;
    CMediaInfo mediaInfo_;
    int32_t editShapeSelector_ = 1;
    int32_t lastError_ = 0;
};
