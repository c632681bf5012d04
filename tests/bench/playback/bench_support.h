#pragma once
// Helpers of the playback benchmarks: clocks, percentiles, the process
// figures read from /proc and a logged-in simulator.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sim_process.h"

class QWidget;

namespace vexo::bench {

// CLOCK_REALTIME in microseconds: the clock the camera stamps capture_us on.
long long RealtimeMicros();

// Prints "what over N: median, p90, p99, max" in milliseconds; false (and
// nothing printed) for no samples.
bool PrintPercentiles(const char* what, std::vector<double> millis);

// VmRSS of a process in KiB, -1 when it cannot be read.
long ReadRssKiB(pid_t pid);

// A child of this process running the program `name` (as /proc shows its
// command name), -1 if there is none.
pid_t FindChild(const std::string& name);

// The offscreen platform unless the caller chose one (xvfb-run with
// QT_QPA_PLATFORM=xcb, for example). Call before the QApplication.
void DefaultToOffscreen();

// Shows a black video window of 1280x720, as a video pane gives it.
void ShowVideoWindow(QWidget& window);

// vexo-devsim on a free loopback port with the network library logged in.
class SimulatorLogin {
public:
    ~SimulatorLogin();
    // Starts the simulator and logs in; false with a message on stderr.
    bool Start();
    int32_t LoginId() const { return login_; }
    const vexo::test::SimProcess& Sim() const { return sim_; }

private:
    vexo::test::SimProcess sim_;
    int32_t login_ = -1;
};

}  // namespace vexo::bench
