#pragma once
#include <utility>
#include <vector>

#include "ptz_command_target.h"

// Remembers every start and stop a button forwards.
struct RecordingPtzTarget : vexo::PtzCommandTarget {
    std::vector<std::pair<char, int>> calls;  // ('s', cmd) start, ('e', cmd) end
    void StartPtzCommand(int command) override { calls.emplace_back('s', command); }
    void StopPtzCommand(int command) override { calls.emplace_back('e', command); }
};
