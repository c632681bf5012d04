#include "connection_drop.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>

namespace devsim {
namespace {

int PortOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET) {
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    }
    if (address.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    }
    return -1;
}

// Calls `visit(fd, localPort, remotePort)` for every connected socket of the
// process; stops when it returns true.
template <class Visit>
void ForEachConnection(Visit visit) {
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        if (fd <= 2) {
            continue;
        }
        sockaddr_storage local{};
        sockaddr_storage peer{};
        socklen_t localSize = sizeof local;
        socklen_t peerSize = sizeof peer;
        if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
            ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0) {
            continue;
        }
        if (visit(fd, PortOf(local), PortOf(peer))) {
            break;
        }
    }
    ::closedir(dir);
}

}  // namespace

bool DropConnection(const httplib::Request& request) {
    bool dropped = false;
    ForEachConnection([&](int fd, int localPort, int remotePort) {
        if (localPort == request.local_port && remotePort == request.remote_port) {
            ::shutdown(fd, SHUT_RDWR);
            dropped = true;
        }
        return dropped;
    });
    return dropped;
}

void DropConnectionsExcept(int localPort, int keepRemotePort) {
    ForEachConnection([&](int fd, int local, int remote) {
        if (local == localPort && remote != keepRemotePort) {
            ::shutdown(fd, SHUT_RDWR);
        }
        return false;
    });
}

}  // namespace devsim
