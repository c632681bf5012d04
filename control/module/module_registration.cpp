#include "module_registration.h"

#include "class_factories.h"
#include "module_guids.h"

namespace vexo::module {
namespace {

// Creates the category, then puts the control in it.
HRESULT RegisterControlInCategory(ComponentRegistry& registry, const char* catId,
                                  const char* description) {
    const HRESULT created = registry.RegisterCategories({{catId, kCategoryLocale, description}});
    if (Failed(created)) {
        return created;
    }
    return registry.RegisterClassImplCategories(kControlClsid, {catId});
}

}  // namespace

HRESULT RegisterServer(ComponentRegistry& registry, const std::string& modulePath) {
    TypeLibEntry typeLib{kLibId, kTypeLibMajor, kTypeLibMinor, kTypeLibName, modulePath};
    if (Failed(registry.RegisterTypeLib(typeLib))) {
        return SELFREG_E_TYPELIB;
    }
    for (ModuleClassFactory* factory : ModuleFactories()) {
        if (Failed(factory->UpdateRegistry(true, registry, modulePath))) {
            return SELFREG_E_CLASS;
        }
    }
    if (const HRESULT result = RegisterControlInCategory(registry, kCatIdSafeForInitializing,
                                                         kSafeForInitializingDescription);
        Failed(result)) {
        return result;
    }
    return RegisterControlInCategory(registry, kCatIdSafeForScripting,
                                     kSafeForScriptingDescription);
}

HRESULT UnregisterServer(ComponentRegistry& registry) {
    for (const char* catId : {kCatIdSafeForInitializing, kCatIdSafeForScripting}) {
        if (const HRESULT result = registry.UnRegisterClassImplCategories(kControlClsid, {catId});
            Failed(result)) {
            return result;
        }
    }
    if (Failed(registry.UnregisterTypeLib(kLibId, kTypeLibMajor, kTypeLibMinor))) {
        return SELFREG_E_TYPELIB;
    }
    for (ModuleClassFactory* factory : ModuleFactories()) {
        if (Failed(factory->UpdateRegistry(false, registry, {}))) {
            return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

}  // namespace vexo::module
