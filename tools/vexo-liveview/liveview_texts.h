#pragma once
// The window's texts in the two UI languages.

#include <QString>

#include "liveview_options.h"

namespace liveview {

struct LiveViewTexts {
    QString title;
    QString left, right, up, down, zoomIn, zoomOut;
    QString editLabel, region, wire, point;
    // %1 device address
    QString loggingIn;
    // %1 device address, %2 reason
    QString loginFailed;
    // %1 reason
    QString streamRefused;
    QString waitingForPicture;
    // %1 seconds
    QString noPicture;
    // %1 device, %2 width, %3 height, %4 where the shapes come from
    QString playing;
    QString shapesFromDevice;
    QString shapesDemo;
    // %1 reason
    QString streamEnded;
    // %1 reason
    QString ptzRefused;
    // Reasons by network library error.
    QString reasonCredentials;
    QString reasonUnreachable;
    QString reasonTimeout;
    QString reasonStreamEnded;
    // %1 the library's English text
    QString reasonOther;
};

const LiveViewTexts& TextsFor(Language language);

// A reason an operator understands for a network library error code.
QString ReasonText(const LiveViewTexts& texts, int errorCode);

}  // namespace liveview
