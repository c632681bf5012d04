#pragma once
// Creates a component object by ProgID, as a script host does: the class is
// looked up in the component registry, must be registered safe for
// scripting, and its module is loaded and asked for its class factory.
// Modules stay loaded until the program ends (objects of theirs may live
// anywhere in the window tree).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

#include "component_interfaces.h"
#include "component_registry.h"

namespace host {

struct CreatedControl {
    QPointer<QWidget> widget;
    vexo::com::IDispatch* dispatch = nullptr;  // lives as long as `widget`
};

class ControlLoader {
public:
    // `buildModulePath` is registered before a look-up that fails while the
    // control itself is not registered (empty: never). A class missing from
    // `registry` is looked up in `machine` when given (the classes the
    // packages registered for every user).
    ControlLoader(vexo::ComponentRegistry& registry, QString buildModulePath,
                  const vexo::ComponentRegistry* machine = nullptr);

    // The object of `progId` as a child of `parent`; on failure nothing,
    // and `error` says why.
    std::optional<CreatedControl> Create(const QString& progId, QWidget* parent, QString& error);

    static constexpr const char* kControlProgId = "VEXOSMARTOCX.VexoSmartOcxCtrl.1";
    static constexpr const char* kSafeForScripting = "{7DD95801-9882-11CF-9FA9-00AA006C42C4}";

private:
    bool RegisterBuildModule(QString& error);

    vexo::ComponentRegistry& m_registry;
    QString m_buildModulePath;
    const vexo::ComponentRegistry* m_machine;
};

// Loads `modulePath` (kept loaded) and calls one of its exports that take no
// arguments (DllRegisterServer, DllUnregisterServer).
bool CallModuleExport(const QString& modulePath, const char* exportName, vexo::HRESULT& result,
                      QString& error);

}  // namespace host
