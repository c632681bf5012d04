#pragma once
// Closes the TCP connection a request arrived on, without an answer: the
// "drop" fault of the test knobs. cpp-httplib does not hand its socket to
// handlers, so the socket is found among the process's descriptors by its
// two port numbers and shut down; the server then fails to answer and
// closes it.

#include <httplib.h>

namespace devsim {

bool DropConnection(const httplib::Request& request);

// Shuts down every connection accepted on `localPort` but the one from
// `keepRemotePort` (the device going off the network while it answers the
// request that sent it there).
void DropConnectionsExcept(int localPort, int keepRemotePort);

}  // namespace devsim
