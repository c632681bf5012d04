#pragma once
// Where the control keeps the files it downloads from the device: the folder
// of the loaded module (the shared library or program holding this code),
// or, when that folder is not writable (a system-wide install), a folder in
// the user's cache that stands in for it.

#include <string>

namespace vexo {

// The folder of the module that contains this code, with a trailing '/';
// empty when the system cannot tell.
std::string LoadedModuleDirectory();

// The stand-in below the user's cache ($XDG_CACHE_HOME, else ~/.cache),
// created when missing, with a trailing '/'; empty when there is no home.
std::string UserCacheModuleDirectory();

// `moduleDirectory` when it is an existing writable folder, else the
// user's cache stand-in.
std::string WritableModuleDirectory(const std::string& moduleDirectory);

// WritableModuleDirectory(LoadedModuleDirectory()).
std::string ModuleDirectory();

}  // namespace vexo
