// Where the device's files go, and which names the device may give them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

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
    EXPECT_EQ(vexo::ModuleDirectory(), folder);  // the build folder is writable
}

TEST(ModuleDirectory, AFolderThatCannotBeWrittenGivesWayToTheUserCache) {
    TempFolder cache;
    const char* old = std::getenv("XDG_CACHE_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CACHE_HOME", cache.Path().c_str(), 1);
    const std::string standIn = vexo::WritableModuleDirectory("/nonexistent/vexo/module/");
    const std::string written = vexo::WritableModuleDirectory(cache.Path());
    old ? ::setenv("XDG_CACHE_HOME", saved.c_str(), 1) : ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(standIn, cache.Path() + "/vexo-smart-control/");
    EXPECT_TRUE(std::filesystem::is_directory(standIn));
    EXPECT_EQ(written, cache.Path() + "/");
    EXPECT_EQ(vexo::DescriptionFolder(standIn), standIn + "//tempfile//");
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
