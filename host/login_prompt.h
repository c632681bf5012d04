#pragma once
// vexo-host --ask: the device's address and the credentials asked for in a
// dialog, for a host started from the desktop rather than a shell.

#include "host_options.h"

namespace host {

// Fills options.device, user and password from the dialog (the fields
// start with what the options hold); false when the operator cancels.
bool AskForLogin(HostOptions& options);

}  // namespace host
