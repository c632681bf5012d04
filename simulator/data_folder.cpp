#include "data_folder.h"

#include <system_error>

namespace devsim {

std::filesystem::path DefaultDataFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        // Beside the program, or where an installation keeps shared data.
        for (const std::filesystem::path& folder :
             {exe.parent_path() / "data", exe.parent_path() / VEXO_DEVSIM_INSTALLED_DATA}) {
            if (std::filesystem::exists(folder / "korvane_profile.json", error)) {
                return folder;
            }
        }
    }
    return VEXO_DEVSIM_DATA_DIR;
}

}  // namespace devsim
