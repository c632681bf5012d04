#include "blocking_call.h"

namespace vexo {
namespace {
thread_local BlockingCallRunner t_runner;
}  // namespace

void SetBlockingCallRunner(BlockingCallRunner runner) {
    t_runner = std::move(runner);
}

void RunBlockingCall(const std::function<void()>& call) {
    if (t_runner) {
        t_runner(call);
    } else {
        call();
    }
}

}  // namespace vexo
