#pragma once
// A library call that blocks on the network (a login, a stream's start, a
// PTZ command), run where the calling thread wants it. The control's UI
// thread installs a runner that makes the call on a worker thread while the
// window stays alive (the control's exchange gate); on any other thread, or
// before a runner is installed, the call is simply made in place.

#include <functional>

namespace vexo {

using BlockingCallRunner = std::function<void(const std::function<void()>& call)>;

// Makes `runner` the calling thread's runner (an empty one removes it).
void SetBlockingCallRunner(BlockingCallRunner runner);

// Runs `call` through the calling thread's runner and returns once it has
// finished. Whatever the call reads of thread-local state (a library's last
// error) must be read inside `call`.
void RunBlockingCall(const std::function<void()>& call);

}  // namespace vexo
