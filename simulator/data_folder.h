#pragma once
// Where vexo-devsim finds its own files (UI description, texts, profile)
// when no --data option names the folder: a "data" folder beside the
// executable (an installed device), the installation's share/vexo-devsim
// folder, else the source tree it was built from.

#include <filesystem>

namespace devsim {

std::filesystem::path DefaultDataFolder();

}  // namespace devsim
