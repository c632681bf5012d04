#include "module_directory.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace vexo {
namespace {

// The folder every installation of the control shares in the user's cache.
constexpr std::string_view kCacheFolderName = "vexo-smart-control";

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

std::string UserCacheModuleDirectory() {
    std::string cache;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/') {
        cache = xdg;
    } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        cache = std::string(home) + "/.cache";
    } else {
        return {};
    }
    const std::string folder = WithSlash(cache) + std::string(kCacheFolderName);
    MakeFolders(folder);
    return folder + "/";
}

std::string WritableModuleDirectory(const std::string& moduleDirectory) {
    struct stat info {};
    if (!moduleDirectory.empty() && ::stat(moduleDirectory.c_str(), &info) == 0 &&
        S_ISDIR(info.st_mode) && ::access(moduleDirectory.c_str(), W_OK | X_OK) == 0) {
        return WithSlash(moduleDirectory);
    }
    return UserCacheModuleDirectory();
}

std::string ModuleDirectory() {
    return WritableModuleDirectory(LoadedModuleDirectory());
}

}  // namespace vexo
