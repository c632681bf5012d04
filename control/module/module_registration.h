#pragma once
// Registration of the module, in the order registration tools and hosts
// rely on; each stops at the first failure.
//
// Register: the type library (failure: SELFREG_E_TYPELIB); every class
// factory (failure: SELFREG_E_CLASS); the category "safe for initializing"
// and the control in it; the category "safe for scripting" and the control
// in it (failures of the category steps are returned as they are).
// Unregister: the control out of both categories (failures as they are);
// the type library (SELFREG_E_TYPELIB); every class (SELFREG_E_CLASS).

#include <string>

#include "component_registry.h"

namespace vexo::module {

HRESULT RegisterServer(ComponentRegistry& registry, const std::string& modulePath);
HRESULT UnregisterServer(ComponentRegistry& registry);

}  // namespace vexo::module
