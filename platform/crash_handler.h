#pragma once
// The crash dump writer. On a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL,
// SIGABRT) it writes a dump file, a short text with the signal, the faulting
// address and a backtrace, to
//     <temp folder>/DebugHelperFiles/<module>_<year>_<month>_<day>_<hour>_<minute>.dmp
// (local time, created or overwritten; the folder is never created, so a
// machine without it keeps no dumps), then ends the process with exit code
// 18. The temp folder is $TMPDIR, else /tmp, read at installation.
//
// The handler only makes async-signal-safe calls: everything that needs the
// heap, the environment or the time zone is prepared at installation. The
// local time is the UTC clock plus the offset the zone had at installation,
// so a dump written across a daylight-saving change is named an hour off.

#include <ctime>
#include <string>

namespace vexo {

inline constexpr int kCrashExitCode = 18;

// Installs the handler for the module whose file is `modulePath` (only its
// base name counts). A later call replaces the module name.
void InstallCrashHandler(const std::string& modulePath);

// "libfoo" for "/x/y/libfoo.so": the file name without folder and extension.
std::string ModuleBaseName(const std::string& modulePath);

// "<base>_%d_%d_%d_%d_%d.dmp" for the given local time.
std::string CrashDumpFileName(const std::string& baseName, const std::tm& localTime);

// "<temp folder>/DebugHelperFiles/".
std::string CrashDumpFolder();

}  // namespace vexo
