#include "device_list.h"

#include <fstream>
#include <sstream>

namespace vexocmd {

bool ReadDeviceList(const std::string& path, std::vector<std::string>& devices,
                    std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read the device list " + path;
        return false;
    }
    const std::size_t before = devices.size();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string address;
        if (words >> address && address[0] != '#') {
            devices.push_back(address);
        }
    }
    if (devices.size() == before) {
        error = "the device list " + path + " names no device";
        return false;
    }
    return true;
}

}  // namespace vexocmd
