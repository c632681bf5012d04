// The module's four exports, the only symbols libVexoSmartOcx.so shows, and
// its initialisation when it is loaded.
#include <dlfcn.h>

#include <string>

#include "class_factories.h"
#include "component_interfaces.h"
#include "component_registry.h"
#include "module_registration.h"
#include "vexo_smart_ocx_app.h"

#define VEXO_EXPORT extern "C" __attribute__((visibility("default")))

VEXO_EXPORT vexo::HRESULT DllRegisterServer();

namespace {

// The path of this loaded library, as the registry records it.
std::string LoadedModulePath() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname) {
        return {};
    }
    char resolved[4096];
    return ::realpath(info.dli_fname, resolved) ? std::string(resolved) : info.dli_fname;
}

__attribute__((constructor)) void LoadModule() {
    TheVexoSmartOcxApp().InitInstance(LoadedModulePath());
}

}  // namespace

VEXO_EXPORT vexo::HRESULT DllRegisterServer() {
    vexo::ComponentRegistry registry;
    return vexo::module::RegisterServer(registry, LoadedModulePath());
}

VEXO_EXPORT vexo::HRESULT DllUnregisterServer() {
    vexo::ComponentRegistry registry;
    return vexo::module::UnregisterServer(registry);
}

VEXO_EXPORT vexo::HRESULT DllGetClassObject(const char* clsid, const char* iid, void** object) {
    if (!object || !clsid || !iid) {
        return vexo::E_POINTER;
    }
    *object = nullptr;
    vexo::module::ModuleClassFactory* factory = vexo::module::FactoryOf(clsid);
    if (!factory) {
        return vexo::CLASS_E_CLASSNOTAVAILABLE;
    }
    if (std::string(iid) != vexo::com::kIID_IClassFactory) {
        return vexo::E_NOINTERFACE;
    }
    *object = static_cast<vexo::com::IClassFactory*>(factory);
    return vexo::S_OK;
}

VEXO_EXPORT vexo::HRESULT DllCanUnloadNow() {
    return vexo::module::ModuleUseCount() == 0 ? vexo::S_OK : vexo::S_FALSE;
}
