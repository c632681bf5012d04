#pragma once
// The control's one device session: the login to the device and, with it,
// the live stream and the overlays drawn over it.

#include <QString>
#include <cstdint>
#include <memory>

#include "show_ai_config.h"

class CAudioVideoPlay {
public:
    CAudioVideoPlay();
    virtual ~CAudioVideoPlay();
    CAudioVideoPlay(const CAudioVideoPlay&) = delete;
    CAudioVideoPlay& operator=(const CAudioVideoPlay&) = delete;

    // Logs into the device anew (the previous login is not released) and
    // stores the login id. Returns false when the network library refuses.
    bool Login(const QString& address, const QString& user, const QString& password);

    int32_t LoginId() const { return loginId_; }

    // The overlay renderer that draws rule geometry over this session's
    // video; owned by the session and deleted with it.
    vexo::CShowAIConfig& Overlay() { return *overlay_; }

    // The setup XML for a login: the fixed template with the user name and
    // password inserted literally (no XML escaping), twice each.
    static QString BuildSetupXml(const QString& user, const QString& password);

private:
    int32_t loginId_ = -1;
    std::unique_ptr<vexo::CShowAIConfig> overlay_;
};
