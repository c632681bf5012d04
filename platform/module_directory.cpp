#include "module_directory.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace vexo {
namespace {

// The control's folder in the user's cache, below which each device has one.
constexpr std::string_view kCacheFolderName = "vexo";

void MakeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
    }
    ::mkdir(path.c_str(), 0700);
}

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

}  // namespace

std::string LoadedModuleDirectory() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&LoadedModuleDirectory), &info) == 0 || !info.dli_fname) {
        return {};
    }
    // A program started through $PATH may report a bare name; resolve it.
    std::string file = info.dli_fname;
    if (file.find('/') == std::string::npos) {
        char buffer[4096];
        const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        if (length <= 0) {
            return {};
        }
        file.assign(buffer, static_cast<size_t>(length));
    }
    return file.substr(0, file.rfind('/') + 1);
}

std::string DeviceCacheDirectory(const std::string& deviceAddress) {
    std::string cache;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/') {
        cache = WithSlash(xdg) + std::string(kCacheFolderName);
    } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        cache = WithSlash(home) + ".cache/" + std::string(kCacheFolderName);
    } else {
        cache = "/tmp/vexo-" + std::to_string(::getuid());
    }
    std::string device;
    for (const char c : deviceAddress) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-';
        device.push_back(plain ? c : '_');
    }
    // "." and ".." are made of plain characters but name no folder of their own.
    if (device.empty() || device.find_first_not_of('.') == std::string::npos) {
        device = "device" + device;
    }
    const std::string folder = WithSlash(cache) + device;
    MakeFolders(folder);
    return folder + "/";
}

}  // namespace vexo
