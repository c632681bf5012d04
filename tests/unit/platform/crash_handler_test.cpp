// The crash dump writer in a child process that crashes on purpose: the
// dump is named after the module and the local time, says what happened,
// and the process ends with 18; without the dump folder nothing is written.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "crash_handler.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Runs `crash` in a child with TMPDIR = `temp` and the handler installed for
// a module at /opt/x/libVexoSmartOcx.so; returns the child's wait status.
template <typename Crash>
int CrashInChild(const std::string& temp, Crash crash) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("TMPDIR", temp.c_str(), 1);
        vexo::InstallCrashHandler("/opt/x/libVexoSmartOcx.so");
        crash();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

std::string LocalDumpName(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    return vexo::CrashDumpFileName("libVexoSmartOcx", local);
}

__attribute__((noinline, no_sanitize("address", "undefined"))) void WriteToAddress16() {
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int*>(address) = 1;
}

TEST(CrashHandler, AFaultWritesTheDumpAndExitsWith18) {
    const std::string temp = vexo::test::MakeTempFolder("crash");
    fs::create_directory(temp + "/DebugHelperFiles");
    const std::time_t before = std::time(nullptr);
    const int status = CrashInChild(temp, [] { WriteToAddress16(); });
    const std::time_t after = std::time(nullptr);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), vexo::kCrashExitCode);

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp + "/DebugHelperFiles")) {
        names.push_back(entry.path().filename());
    }
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(names[0] == LocalDumpName(before) || names[0] == LocalDumpName(after)) << names[0];
    const std::string text = vexo::test::ReadFileText(temp + "/DebugHelperFiles/" + names[0]);
    EXPECT_NE(text.find("signal 11 (SIGSEGV)"), std::string::npos) << text;
    EXPECT_NE(text.find("address 0x10\n"), std::string::npos) << text;
    EXPECT_NE(text.find("backtrace:\n"), std::string::npos);
    EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 8);  // frames follow
}

TEST(CrashHandler, WithoutTheDumpFolderNothingIsWrittenAndTheCodeStays) {
    const std::string temp = vexo::test::MakeTempFolder("crash");
    const int status = CrashInChild(temp, [] { std::abort(); });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), vexo::kCrashExitCode);
    EXPECT_TRUE(fs::is_empty(temp));
}

TEST(CrashHandler, DumpNamesFollowTheModuleAndTheLocalTime) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 0;
    when.tm_mday = 5;
    when.tm_hour = 7;
    when.tm_min = 3;
    EXPECT_EQ(vexo::CrashDumpFileName(vexo::ModuleBaseName("/a.b/libVexoSmartOcx.so"), when),
              "libVexoSmartOcx_2026_1_5_7_3.dmp");
    EXPECT_EQ(vexo::ModuleBaseName("plain"), "plain");
}

}  // namespace
