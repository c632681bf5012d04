#pragma once
// The module's two class factories. Each creates its class's objects and
// writes or removes its class's entry in the component registry; the
// module counts live objects and server locks so that DllCanUnloadNow can
// answer.

#include <span>
#include <string>

#include "component_interfaces.h"
#include "component_registry.h"

namespace vexo::module {

class ModuleClassFactory : public com::IClassFactory {
public:
    virtual ~ModuleClassFactory() = default;
    virtual const char* Clsid() const = 0;
    // Writes (`add`) or removes the class's registry entry.
    virtual HRESULT UpdateRegistry(bool add, ComponentRegistry& registry,
                                   const std::string& modulePath) = 0;
    HRESULT LockServer(bool lock) override;
};

class CVexoSmartOcxCtrlFactory : public ModuleClassFactory {
public:
    const char* Clsid() const override;
    HRESULT CreateInstance(QObject* parent, QObject** object, com::IDispatch** dispatch) override;
    HRESULT UpdateRegistry(bool add, ComponentRegistry& registry,
                           const std::string& modulePath) override;
};

class CVexoSmartOcxPropPageFactory : public ModuleClassFactory {
public:
    const char* Clsid() const override;
    HRESULT CreateInstance(QObject* parent, QObject** object, com::IDispatch** dispatch) override;
    HRESULT UpdateRegistry(bool add, ComponentRegistry& registry,
                           const std::string& modulePath) override;
};

// Both factories, control first.
std::span<ModuleClassFactory* const> ModuleFactories();
ModuleClassFactory* FactoryOf(const std::string& clsid);

// Live objects plus server locks; zero when the module may be unloaded.
int ModuleUseCount();

}  // namespace vexo::module
