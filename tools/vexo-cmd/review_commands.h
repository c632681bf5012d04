#pragma once
// vexo-cmd's review subcommands: what writing a file would change on a
// device ("config diff FILE"), and the rules of a device or file that can
// never fire ("config lint [FILE]"). Both exit 0 when there is nothing to
// say, 1 when there is, 2 on any error.

#include "cmd_options.h"

namespace vexocmd {

inline constexpr int kReviewClean = 0;
inline constexpr int kReviewFindings = 1;
inline constexpr int kReviewError = 2;

// The network library is initialised by the caller.
int RunConfigDiff(const CmdOptions& options);
int RunConfigLint(const CmdOptions& options);

}  // namespace vexocmd
