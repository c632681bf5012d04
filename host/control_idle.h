#pragma once
// Host scripts keep their meaning with a control whose exchanges leave the
// event loop running: after a ui action or a method call the script goes
// on only once the device work it started has ended.

namespace host {

// Processes events (without an event loop of its own) until the control's
// action has ended, or at most `limitMs`.
void ProcessUntilIdle(int limitMs = 60000);

}  // namespace host
