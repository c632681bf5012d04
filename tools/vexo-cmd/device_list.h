#pragma once
// The device list file of vexo-cmd --devices FILE: one device address
// (HOST:PORT) per line; blank lines and lines starting with '#' are skipped,
// as is anything after the address on its line (a note for the operator).

#include <string>
#include <vector>

namespace vexocmd {

// Appends the file's addresses to `devices`; false with `error` when the
// file cannot be read or names no device.
bool ReadDeviceList(const std::string& path, std::vector<std::string>& devices, std::string& error);

}  // namespace vexocmd
