#pragma once
// Host scripts keep their meaning with a control whose exchanges leave the
// event loop running: after a ui action or a method call the script goes
// on only once the device work it started has ended.

namespace host {

// Processes events (without an event loop of its own) until the control's
// action has ended, or at most `limitMs`. Called from inside the action
// (a timer's script code during its device exchange) it returns at once.
void ProcessUntilIdle(int limitMs = 60000);

// Whether the control takes operator input now: idle, or idle after
// ProcessUntilIdle, or waiting in a dialog of its action. While a device
// exchange of an action is in flight further down the stack (the script
// runs inside it) the control holds the operator's input, and script
// actions are refused.
bool ReadyForInput();

}  // namespace host
