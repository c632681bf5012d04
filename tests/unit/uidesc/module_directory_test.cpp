// Where the device's files go, and which names the device may give them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "description_files.h"
#include "module_directory.h"
#include "temp_files.h"

namespace {

TEST(ModuleDirectory, IsTheFolderOfTheLoadedProgram) {
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string folder = vexo::LoadedModuleDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::equivalent(folder, exe.substr(0, exe.rfind('/') + 1)));
}

TEST(DeviceCacheDirectory, OneFolderPerDeviceInTheUserCacheThatNoAddressLeaves) {
    TempFolder cache;
    const char* old = std::getenv("XDG_CACHE_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CACHE_HOME", cache.Path().c_str(), 1);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"127.0.0.1:8080", "127.0.0.1_8080"},
        {"[fe80::1]:443", "_fe80__1__443"},
        {"../../etc", ".._.._etc"},
        {"..", "device.."},
        {"", "device"},
        {"cam/../../x", "cam_.._.._x"},
    };
    std::vector<std::string> folders;
    for (const auto& [address, name] : cases) {
        folders.push_back(vexo::DeviceCacheDirectory(address));
    }
    old ? ::setenv("XDG_CACHE_HOME", saved.c_str(), 1) : ::unsetenv("XDG_CACHE_HOME");
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(folders[i], cache.Path() + "/vexo/" + cases[i].second + "/") << cases[i].first;
        EXPECT_TRUE(std::filesystem::is_directory(folders[i])) << folders[i];
    }
    EXPECT_EQ(vexo::DescriptionFolder(folders[0]), folders[0] + "//tempfile//");
}

TEST(DeviceFileNames, OnlyPlainNamesInsideTheFolderAreAccepted) {
    for (const char* good :
         {"korvane_ui.xml", "korvane_lang.xml", "extra.bin", "a.b.c", ".hidden"}) {
        EXPECT_TRUE(vexo::IsSafeDeviceFileName(good)) << good;
    }
    for (const char* bad : {"", ".", "..", "../x", "/tmp/x", "a/b", "a\\b", "x..y", "..\\x"}) {
        EXPECT_FALSE(vexo::IsSafeDeviceFileName(bad)) << bad;
    }
    EXPECT_FALSE(vexo::IsSafeDeviceFileName(QString("a") + QChar(0) + "b"));
}

}  // namespace
