#include "class_factories.h"

#include <QWidget>
#include <atomic>

#include "control_dispatch.h"
#include "module_guids.h"
#include "vexo_smart_ocx_ctrl.h"
#include "vexo_smart_ocx_prop_page.h"

namespace vexo::module {
namespace {

std::atomic<int> g_useCount{0};

// Counts `object` as alive until Qt destroys it.
void CountObject(QObject* object) {
    ++g_useCount;
    QObject::connect(object, &QObject::destroyed, [] { --g_useCount; });
}

QWidget* ParentWidget(QObject* parent) {
    return qobject_cast<QWidget*>(parent);
}

CVexoSmartOcxCtrlFactory g_controlFactory;
CVexoSmartOcxPropPageFactory g_propPageFactory;
ModuleClassFactory* const g_factories[] = {&g_controlFactory, &g_propPageFactory};

}  // namespace

HRESULT ModuleClassFactory::LockServer(bool lock) {
    g_useCount += lock ? 1 : -1;
    return S_OK;
}

const char* CVexoSmartOcxCtrlFactory::Clsid() const {
    return kControlClsid;
}

HRESULT CVexoSmartOcxCtrlFactory::CreateInstance(QObject* parent, QObject** object,
                                                 com::IDispatch** dispatch) {
    if (!object) {
        return E_POINTER;
    }
    if (parent && !ParentWidget(parent)) {
        return E_INVALIDARG;  // a control lives in a window
    }
    auto* control = new CVexoSmartOcxCtrl(ParentWidget(parent));
    auto* scripting = new ControlDispatch(control);
    CountObject(control);
    *object = control;
    if (dispatch) {
        *dispatch = scripting;
    }
    return S_OK;
}

HRESULT CVexoSmartOcxCtrlFactory::UpdateRegistry(bool add, ComponentRegistry& registry,
                                                 const std::string& modulePath) {
    if (!add) {
        return registry.UnregisterClass(kControlClsid);
    }
    ClassEntry entry;
    entry.clsid = kControlClsid;
    entry.progId = kControlProgId;
    entry.typeName = kControlTypeName;
    entry.modulePath = modulePath;
    entry.threadingModel = "Apartment";
    entry.insertable = true;
    entry.control = true;
    entry.miscStatus = kControlMiscStatus;
    entry.typeLibId = kLibId;
    entry.toolboxBitmap = kToolboxBitmap;
    return registry.RegisterClass(entry);
}

const char* CVexoSmartOcxPropPageFactory::Clsid() const {
    return kPropPageClsid;
}

HRESULT CVexoSmartOcxPropPageFactory::CreateInstance(QObject* parent, QObject** object,
                                                     com::IDispatch** dispatch) {
    if (!object) {
        return E_POINTER;
    }
    if (parent && !ParentWidget(parent)) {
        return E_INVALIDARG;
    }
    auto* page = new CVexoSmartOcxPropPage(ParentWidget(parent));
    CountObject(page);
    *object = page;
    if (dispatch) {
        *dispatch = nullptr;  // the page has no scripting interface
    }
    return S_OK;
}

HRESULT CVexoSmartOcxPropPageFactory::UpdateRegistry(bool add, ComponentRegistry& registry,
                                                     const std::string& modulePath) {
    if (!add) {
        return registry.UnregisterClass(kPropPageClsid);
    }
    ClassEntry entry;
    entry.clsid = kPropPageClsid;
    entry.progId = kPropPageProgId;
    entry.typeName = kPropPageTypeName;
    entry.modulePath = modulePath;
    entry.threadingModel = "Apartment";
    return registry.RegisterClass(entry);
}

std::span<ModuleClassFactory* const> ModuleFactories() {
    return g_factories;
}

ModuleClassFactory* FactoryOf(const std::string& clsid) {
    for (ModuleClassFactory* factory : g_factories) {
        if (clsid == factory->Clsid()) {
            return factory;
        }
    }
    return nullptr;
}

int ModuleUseCount() {
    return g_useCount.load();
}

}  // namespace vexo::module
