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

}  // namespace

bool DropConnection(const httplib::Request& request) {
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr) {
        return false;
    }
    bool dropped = false;
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
        if (PortOf(local) == request.local_port && PortOf(peer) == request.remote_port) {
            ::shutdown(fd, SHUT_RDWR);
            dropped = true;
            break;
        }
    }
    ::closedir(dir);
    return dropped;
}

}  // namespace devsim
