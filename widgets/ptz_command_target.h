#pragma once
// The PTZ controller a button forwards its press and release to: holding a
// pad or lens button moves the dome, releasing it stops the movement. The
// scene settings page implements it; the widgets only know this interface.

namespace vexo {

class PtzCommandTarget {
public:
    virtual ~PtzCommandTarget() = default;
    // Starts the movement named by `command` (direction or lens command).
    virtual void StartPtzCommand(int command) = 0;
    // Stops the movement started for `command`.
    virtual void StopPtzCommand(int command) = 0;
};

}  // namespace vexo
