#include "control_loader.h"

#include <dlfcn.h>

#include <algorithm>

namespace host {
namespace {

void* LoadModule(const QString& modulePath, QString& error) {
    void* handle = ::dlopen(modulePath.toLocal8Bit().constData(), RTLD_NOW | RTLD_NODELETE);
    if (!handle) {
        error = QStringLiteral("cannot load the module %1: %2")
                    .arg(modulePath, QString::fromLocal8Bit(::dlerror()));
    }
    return handle;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

bool CallModuleExport(const QString& modulePath, const char* exportName, vexo::HRESULT& result,
                      QString& error) {
    void* handle = LoadModule(modulePath, error);
    if (!handle) {
        return false;
    }
    auto call = reinterpret_cast<vexo::com::DllRegisterServerFunction>(::dlsym(handle, exportName));
    if (!call) {
        error =
            QStringLiteral("the module %1 has no %2").arg(modulePath, QLatin1String(exportName));
        return false;
    }
    result = call();
    return true;
}

ControlLoader::ControlLoader(vexo::ComponentRegistry& registry, QString buildModulePath,
                             const vexo::ComponentRegistry* machine)
    : m_registry(registry), m_buildModulePath(std::move(buildModulePath)), m_machine(machine) {}

bool ControlLoader::RegisterBuildModule(QString& error) {
    vexo::HRESULT result = vexo::S_OK;
    if (!CallModuleExport(m_buildModulePath, "DllRegisterServer", result, error)) {
        return false;
    }
    if (vexo::Failed(result)) {
        error = QStringLiteral("registering %1 failed: %2")
                    .arg(m_buildModulePath, Text(vexo::HResultText(result)));
        return false;
    }
    return true;
}

std::optional<CreatedControl> ControlLoader::Create(const QString& progId, QWidget* parent,
                                                    QString& error) {
    vexo::ClassEntry entry;
    vexo::HRESULT found = m_registry.FindClassByProgId(progId.toStdString(), entry);
    vexo::ClassEntry known;
    if (found == vexo::REGDB_E_CLASSNOTREG && !m_buildModulePath.isEmpty() &&
        m_registry.FindClassByProgId(kControlProgId, known) == vexo::REGDB_E_CLASSNOTREG) {
        // The module of this build is not registered yet: register it first.
        if (!RegisterBuildModule(error)) {
            return std::nullopt;
        }
        found = m_registry.FindClassByProgId(progId.toStdString(), entry);
    }
    if (found == vexo::REGDB_E_CLASSNOTREG && m_machine) {
        found = m_machine->FindClassByProgId(progId.toStdString(), entry);
    }
    if (vexo::Failed(found)) {
        error =
            found == vexo::REGDB_E_CLASSNOTREG
                ? QStringLiteral("the ProgID \"%1\" is not registered (component registry %2%3)")
                      .arg(progId, Text(m_registry.Path()),
                           m_machine ? " or " + Text(m_machine->Path()) : QString())
                : Text(m_machine && !m_machine->LastError().empty() ? m_machine->LastError()
                                                                    : m_registry.LastError());
        return std::nullopt;
    }
    const auto& categories = entry.categories;
    if (std::find(categories.begin(), categories.end(), kSafeForScripting) == categories.end()) {
        error = QStringLiteral(
                    "the class \"%1\" (%2) is not registered as safe for scripting; "
                    "it may not be scripted")
                    .arg(progId, Text(entry.clsid));
        return std::nullopt;
    }
    const QString modulePath = Text(entry.modulePath);
    void* handle = LoadModule(modulePath, error);
    if (!handle) {
        return std::nullopt;
    }
    auto getClassObject = reinterpret_cast<vexo::com::DllGetClassObjectFunction>(
        ::dlsym(handle, "DllGetClassObject"));
    if (!getClassObject) {
        error = QStringLiteral("the module %1 has no DllGetClassObject").arg(modulePath);
        return std::nullopt;
    }
    void* object = nullptr;
    vexo::HRESULT result =
        getClassObject(entry.clsid.c_str(), vexo::com::kIID_IClassFactory, &object);
    if (vexo::Failed(result) || !object) {
        error = QStringLiteral("the module %1 gives no factory for %2: %3")
                    .arg(modulePath, Text(entry.clsid), Text(vexo::HResultText(result)));
        return std::nullopt;
    }
    auto* factory = static_cast<vexo::com::IClassFactory*>(object);
    QObject* created = nullptr;
    CreatedControl control;
    result = factory->CreateInstance(parent, &created, &control.dispatch);
    control.widget = qobject_cast<QWidget*>(created);
    if (vexo::Failed(result) || !control.widget) {
        delete created;
        error = QStringLiteral("creating \"%1\" failed: %2")
                    .arg(progId, Text(vexo::HResultText(result)));
        return std::nullopt;
    }
    if (!control.dispatch) {
        delete created;
        error = QStringLiteral("the class \"%1\" has no scripting interface").arg(progId);
        return std::nullopt;
    }
    return control;
}

}  // namespace host
