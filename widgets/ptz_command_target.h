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

// A button's link to its PTZ target: a press that counts (the caller says
// which do) starts the command, the next left release stops it again.
class PtzHold {
public:
    void Bind(PtzCommandTarget* owner, int command) {
        owner_ = owner;
        command_ = command;
    }
    void Press(bool counts) {
        if (owner_ != nullptr && counts) {
            active_ = true;
            owner_->StartPtzCommand(command_);
        }
    }
    void Release(bool left) {
        if (active_ && left) {
            active_ = false;
            if (owner_ != nullptr) {
                owner_->StopPtzCommand(command_);
            }
        }
    }

private:
    PtzCommandTarget* owner_ = nullptr;
    int command_ = 0;
    bool active_ = false;
};

}  // namespace vexo
