#pragma once
// The simulated pan-tilt-zoom head. Pan wraps around in [-1, 1), tilt is
// kept in [-1, 1] and zoom in [0, 1]. A movement command starts a motion at
// the commanded speeds that goes on until the matching stop; the position
// at any moment is the stored position plus the motion so far. Every
// accepted command is written to the state folder before it is answered.

#include <json/value.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <string>

#include "state_folder.h"

namespace devsim {

struct PtzPosition {
    double pan = 0;
    double tilt = 0;
    double zoom = 0;
};

class PtzModel {
public:
    explicit PtzModel(const StateFolder& state);

    // Carries out one command of the PTZ endpoint. Returns an error text
    // when the command is refused (nothing changes then).
    std::optional<std::string> Control(int channel, int command, int param1, int param2, bool stop);

    PtzPosition Position() const;
    // Moves at once to an absolute position (clamped), ending any motion.
    std::optional<std::string> MoveTo(const PtzPosition& target);
    // Stores the current position as a preset (1-based number).
    std::optional<std::string> SetPreset(int number);
    // Stores a given position as a preset, where the head is left alone.
    std::optional<std::string> SetPresetAt(int number, const PtzPosition& position);
    int PresetCount() const;

    // Units per second of one speed step.
    static constexpr double kPanTiltRatePerStep = 0.02;
    static constexpr double kZoomRate = 0.1;

private:
    using Clock = std::chrono::steady_clock;
    struct Motion {
        int command = -1;
        int panSpeed = 0;
        int tiltSpeed = 0;
        Clock::time_point started;
    };

    PtzPosition PositionAtLocked(Clock::time_point when) const;
    bool PersistLocked() const;
    void LoadLocked();

    const StateFolder& state_;
    mutable std::mutex mutex_;
    PtzPosition base_;
    std::optional<Motion> motion_;
    Json::Value presets_{Json::objectValue};
    double focus_ = 0.5;
    double iris_ = 0.5;
    Json::UInt64 commandCount_ = 0;
    Json::Value lastCommand_;
};

}  // namespace devsim
