#pragma once
// Runs a shell command line for tests of the command-line tools.

#include <string>

namespace vexo::test {

struct CommandRun {
    int exitCode;        // -1 when the command did not exit normally
    std::string output;  // standard output and error together
};

CommandRun RunCommandLine(const std::string& commandLine);

}  // namespace vexo::test
