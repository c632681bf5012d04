// Reads arbitrary bytes as the component registry file, then registers a
// class over it: either the file is refused as damaged or the change keeps
// every entry readable.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "component_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One folder for the whole run, removed at exit.
    static const struct Folder {
        Folder() {
            char pattern[] = "/tmp/registry-fuzz.XXXXXX";
            path = ::mkdtemp(pattern) ? pattern : "/tmp";
        }
        ~Folder() {
            if (path != "/tmp") {
                std::filesystem::remove_all(path);
            }
        }
        std::string path;
    } scratch;
    const std::string& folder = scratch.path;
    const std::string path = folder + "/components.json";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    vexo::ComponentRegistry registry(path);
    vexo::ClassEntry entry;
    const vexo::HRESULT found = registry.FindClassByProgId("A.B.1", entry);
    vexo::ClassEntry added;
    added.clsid = "{A}";
    added.progId = "A.B.1";
    added.modulePath = "/x.so";
    const vexo::HRESULT registered = registry.RegisterClass(added);
    if (found == vexo::REGDB_E_CORRUPT) {
        if (registered != vexo::REGDB_E_CORRUPT) {
            std::abort();  // a damaged file must never be overwritten
        }
    } else if (vexo::Succeeded(registered) &&
               registry.FindClassByProgId("A.B.1", entry) != vexo::S_OK) {
        std::abort();
    }
    return 0;
}
