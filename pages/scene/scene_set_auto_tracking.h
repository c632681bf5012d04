#pragma once
// CSceneSetAutoTracking: the panel of an auto-tracking scene (kind 0): the
// PTZ controls and two buttons of its own. "Set Positon" (129) lets the
// operator mark the tracking position on the video with the point editor;
// "Auto Get" (130) takes the dome's current pan and tilt as that position
// ("1|(%f,%f)", device form) and ends the marking.
//
// The device offers no command behind "Follow Limit" and "Reset All", so
// the part does not show them.

#include "scene_set_ptz_controls.h"

class CSceneSetAutoTracking : public CSceneSetBaseWithPtz {
public:
    static constexpr int kSetPositionIndex = 129;
    static constexpr int kAutoGetIndex = 130;

    void Create(QWidget* parent, QPoint origin) override;
    void Show(bool show) override;
    bool OnCommand(int offset) override;

    // The one-point GeometryText of a dome position.
    static QString PositionText(float pan, float tilt);

private:
    vexo::CAutoXpBtn setPosition_;
    vexo::CAutoXpBtn autoGet_;
};
