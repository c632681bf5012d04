#pragma once
// The process-wide marker of a running login worker: at most one login runs
// at a time, whichever control started it.

namespace vexo {

// True while a login worker runs in this process.
bool LoginInProgress();

}  // namespace vexo
