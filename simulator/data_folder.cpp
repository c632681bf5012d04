#include "data_folder.h"

#include <system_error>

namespace devsim {

std::filesystem::path DefaultDataFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path beside = exe.parent_path() / "data";
        if (std::filesystem::exists(beside / "korvane_profile.json", error)) {
            return beside;
        }
    }
    return VEXO_DEVSIM_DATA_DIR;
}

}  // namespace devsim
