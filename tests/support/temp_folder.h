#pragma once
// A fresh empty folder under the system temp folder, for tests that need no
// simulator (header-only, so such tests do not build one).

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vexo::test {

inline std::string MakeTempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    const char* made = ::mkdtemp(pattern.data());
    return made ? std::string(made) : std::string();
}

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces the file's content with `text`; returns the path.
inline const std::string& WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

}  // namespace vexo::test
