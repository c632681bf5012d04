#include "ptz_model.h"

#include <algorithm>
#include <cmath>

namespace devsim {
namespace {

constexpr const char* kFile = "ptz.json";

double WrapPan(double pan) {
    double wrapped = std::fmod(pan + 1.0, 2.0);
    if (wrapped < 0) {
        wrapped += 2.0;
    }
    return wrapped - 1.0;
}

// Direction of a movement command on the pan, tilt and zoom axes.
struct Direction {
    int pan = 0;
    int tilt = 0;
    int zoom = 0;
};

std::optional<Direction> DirectionOf(int command) {
    switch (command) {
        case 0:
            return Direction{0, 0, 1};  // zoom in
        case 1:
            return Direction{0, 0, -1};  // zoom out
        case 6:
            return Direction{0, 1, 0};  // up
        case 7:
            return Direction{0, -1, 0};  // down
        case 8:
            return Direction{-1, 0, 0};  // left
        case 9:
            return Direction{1, 0, 0};  // right
        case 10:
            return Direction{-1, 1, 0};  // left-up
        case 11:
            return Direction{1, 1, 0};  // right-up
        case 12:
            return Direction{-1, -1, 0};  // left-down
        case 13:
            return Direction{1, -1, 0};  // right-down
        default:
            return std::nullopt;
    }
}

}  // namespace

PtzModel::PtzModel(const StateFolder& state) : state_(state) {
    std::lock_guard lock(mutex_);
    LoadLocked();
}

void PtzModel::LoadLocked() {
    const auto document = state_.Read(kFile);
    if (!document || !document->isObject()) {
        return;
    }
    const Json::Value& doc = *document;
    base_.pan = doc.get("pan", 0.0).asDouble();
    base_.tilt = doc.get("tilt", 0.0).asDouble();
    base_.zoom = doc.get("zoom", 0.0).asDouble();
    focus_ = doc.get("focus", 0.5).asDouble();
    iris_ = doc.get("iris", 0.5).asDouble();
    if (doc["presets"].isObject()) {
        presets_ = doc["presets"];
    }
    commandCount_ = doc.get("commands", 0).asUInt64();
    lastCommand_ = doc["last_command"];
    // A motion does not survive a restart: the head stops where it was last
    // stored, as a real dome stops when it loses power.
}

bool PtzModel::PersistLocked() const {
    Json::Value doc;
    doc["pan"] = base_.pan;
    doc["tilt"] = base_.tilt;
    doc["zoom"] = base_.zoom;
    doc["focus"] = focus_;
    doc["iris"] = iris_;
    doc["presets"] = presets_;
    doc["commands"] = commandCount_;
    doc["last_command"] = lastCommand_;
    if (motion_) {
        doc["motion"]["command"] = motion_->command;
        doc["motion"]["pan_speed"] = motion_->panSpeed;
        doc["motion"]["tilt_speed"] = motion_->tiltSpeed;
    }
    return state_.Write(kFile, doc);
}

PtzPosition PtzModel::PositionAtLocked(Clock::time_point when) const {
    PtzPosition position = base_;
    if (!motion_) {
        return position;
    }
    const double seconds = std::chrono::duration<double>(when - motion_->started).count();
    const Direction dir = *DirectionOf(motion_->command);
    position.pan =
        WrapPan(position.pan + dir.pan * motion_->panSpeed * kPanTiltRatePerStep * seconds);
    position.tilt = std::clamp(
        position.tilt + dir.tilt * motion_->tiltSpeed * kPanTiltRatePerStep * seconds, -1.0, 1.0);
    position.zoom = std::clamp(position.zoom + dir.zoom * kZoomRate * seconds, 0.0, 1.0);
    return position;
}

PtzPosition PtzModel::Position() const {
    std::lock_guard lock(mutex_);
    return PositionAtLocked(Clock::now());
}

std::optional<std::string> PtzModel::Control(int channel, int command, int param1, int param2,
                                             bool stop) {
    if (channel != 0) {
        return "no such channel";
    }
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    const PtzPosition oldBase = base_;
    const auto oldMotion = motion_;
    const double oldFocus = focus_;
    const double oldIris = iris_;

    if (const auto dir = DirectionOf(command)) {
        if (!stop && (dir->pan != 0 || dir->tilt != 0) &&
            (param1 < 1 || param1 > 10 || param2 < 1 || param2 > 10)) {
            return "speed out of range 1 to 10";
        }
        // Settle the running motion first: a new start or any stop of the
        // same command takes over from where the head is now.
        base_ = PositionAtLocked(now);
        motion_.reset();
        if (!stop) {
            motion_ = Motion{command, param1, param2, now};
        }
    } else if (command >= 2 && command <= 5) {
        if (!stop) {
            double& value = command <= 3 ? focus_ : iris_;
            const double step = (command == 2 || command == 4) ? 0.05 : -0.05;
            value = std::clamp(value + step, 0.0, 1.0);
        }
    } else if (command == 15) {
        const Json::Value& preset = presets_[std::to_string(param1)];
        if (!preset.isObject()) {
            return "no such preset " + std::to_string(param1);
        }
        motion_.reset();
        base_ = {preset["pan"].asDouble(), preset["tilt"].asDouble(), preset["zoom"].asDouble()};
    } else {
        return "unsupported PTZ command " + std::to_string(command);
    }

    ++commandCount_;
    Json::Value last;
    last["command"] = command;
    last["param1"] = param1;
    last["param2"] = param2;
    last["stop"] = stop ? 1 : 0;
    lastCommand_ = last;
    if (!PersistLocked()) {
        // Not stored, so not acknowledged: undo.
        --commandCount_;
        base_ = oldBase;
        motion_ = oldMotion;
        focus_ = oldFocus;
        iris_ = oldIris;
        return "cannot store the PTZ state";
    }
    return std::nullopt;
}

std::optional<std::string> PtzModel::MoveTo(const PtzPosition& target) {
    std::lock_guard lock(mutex_);
    const PtzPosition oldBase = base_;
    const auto oldMotion = motion_;
    motion_.reset();
    base_ = {WrapPan(target.pan), std::clamp(target.tilt, -1.0, 1.0),
             std::clamp(target.zoom, 0.0, 1.0)};
    if (!PersistLocked()) {
        base_ = oldBase;
        motion_ = oldMotion;
        return "cannot store the PTZ state";
    }
    return std::nullopt;
}

std::optional<std::string> PtzModel::SetPreset(int number) {
    return SetPresetAt(number, Position());
}

int PtzModel::PresetCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(presets_.size());
}

std::optional<std::string> PtzModel::SetPresetAt(int number, const PtzPosition& now) {
    std::lock_guard lock(mutex_);
    const Json::Value old = presets_;
    Json::Value& preset = presets_[std::to_string(number)];
    preset["pan"] = now.pan;
    preset["tilt"] = now.tilt;
    preset["zoom"] = now.zoom;
    if (!PersistLocked()) {
        presets_ = old;
        return "cannot store the PTZ state";
    }
    return std::nullopt;
}

}  // namespace devsim
