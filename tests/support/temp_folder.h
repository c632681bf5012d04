#pragma once
// A fresh empty folder under the system temp folder, for tests that need no
// simulator (header-only, so such tests do not build one).

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace vexo::test {

inline std::string MakeTempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    const char* made = ::mkdtemp(pattern.data());
    return made ? std::string(made) : std::string();
}

}  // namespace vexo::test
