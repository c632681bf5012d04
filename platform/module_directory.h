#pragma once
// Where the control keeps the files it downloads from a device. The module's
// own folder is only read: an installed module's folder is shared by every
// user and not theirs to write. Each device gets a folder of its own in the
// user's cache, so that two devices (or two controls) never share files.

#include <string>

namespace vexo {

// The folder of the module that contains this code, with a trailing '/';
// empty when the system cannot tell.
std::string LoadedModuleDirectory();

// The folder of one device's files: $XDG_CACHE_HOME/vexo/<device>/, else
// ~/.cache/vexo/<device>/, else /tmp/vexo-<uid>/<device>/; created (mode
// 0700) when missing, with a trailing '/'. <device> is the address with
// every character other than A-Z, a-z, 0-9, '.', '-' written as '_' (and
// "device" for an empty address), so an address never leaves the folder.
std::string DeviceCacheDirectory(const std::string& deviceAddress);

}  // namespace vexo
