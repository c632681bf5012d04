// vexo-regsvr [-u] MODULE.so: loads the module and calls its
// DllRegisterServer (or, with -u, DllUnregisterServer), prints the result
// and exits with 0 on success, 1 on a failed call, 2 when the module cannot
// be used at all. The registry is the current user's ($VEXO_REGISTRY to
// choose another); with --system it is the machine's, which the package
// scripts fill so that every user's host finds the installed control.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "component_interfaces.h"
#include "component_registry.h"
#include "hresult.h"

namespace {

int Usage(std::FILE* out, int code) {
    std::fputs(
        "usage: vexo-regsvr [-u] [--system] MODULE.so\n"
        "  registers the component module MODULE.so in the component registry\n"
        "  -u        unregisters it instead\n"
        "  --system  uses the machine's registry, read by every user's host\n"
        "            ($VEXO_SYSTEM_REGISTRY, else /var/lib/vexo/components.json)\n",
        out);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    bool unregister = false;
    std::string module;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-u" || argument == "/u") {
            unregister = true;
        } else if (argument == "--system") {
            // The module registers itself in the default registry.
            ::setenv("VEXO_REGISTRY", vexo::ComponentRegistry::SystemPath().c_str(), 1);
        } else if (argument == "-h" || argument == "--help") {
            return Usage(stdout, 0);
        } else if (module.empty() && !argument.empty() && argument[0] != '-') {
            module = argument;
        } else {
            return Usage(stderr, 2);
        }
    }
    if (module.empty()) {
        return Usage(stderr, 2);
    }
    // A bare file name would make dlopen search the library path.
    if (module.find('/') == std::string::npos) {
        module = "./" + module;
    }
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "vexo-regsvr: cannot load %s: %s\n", module.c_str(), ::dlerror());
        return 2;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto call = reinterpret_cast<vexo::com::DllRegisterServerFunction>(::dlsym(handle, entry));
    if (!call) {
        std::fprintf(stderr, "vexo-regsvr: %s has no entry point %s\n", module.c_str(), entry);
        return 2;
    }
    const vexo::HRESULT result = call();
    const std::string registry = vexo::ComponentRegistry::DefaultPath();
    if (vexo::Failed(result)) {
        std::fprintf(stderr, "vexo-regsvr: %s in %s failed: %s (registry %s)\n", entry,
                     module.c_str(), vexo::HResultText(result).c_str(), registry.c_str());
        return 1;
    }
    std::printf("%s in %s succeeded: %s (registry %s)\n", entry, module.c_str(),
                vexo::HResultText(result).c_str(), registry.c_str());
    return 0;
}
