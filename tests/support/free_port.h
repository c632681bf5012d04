#pragma once
// A loopback port that was free a moment ago: nobody listens on it now.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vexo::test {

inline int FreeLoopbackPort() {
    const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = ::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       ::getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    ::close(sock);
    return bound ? ntohs(address.sin_port) : 0;
}

}  // namespace vexo::test
