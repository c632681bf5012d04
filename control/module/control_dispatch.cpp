#include "control_dispatch.h"

#include <QMetaMethod>
#include <algorithm>

#include "vexo_smart_ocx_ctrl.h"

namespace vexo::module {
namespace {

// The invokable method of `name` on the control's class.
QMetaMethod MethodNamed(const QMetaObject& type, const char* name) {
    for (int i = type.methodOffset(); i < type.methodCount(); ++i) {
        const QMetaMethod method = type.method(i);
        if (method.methodType() == QMetaMethod::Method && method.name() == name) {
            return method;
        }
    }
    return {};
}

constexpr int kMaxArguments = 4;
static_assert(std::all_of(kControlDispatchTable.begin(), kControlDispatchTable.end(),
                          [](const DispatchEntry& entry) {
                              return entry.argumentCount <= kMaxArguments;
                          }),
              "Invoke passes at most four arguments");

}  // namespace

const DispatchEntry* FindDispatchEntry(int dispId) {
    for (const DispatchEntry& entry : kControlDispatchTable) {
        if (entry.dispId == dispId) {
            return &entry;
        }
    }
    return nullptr;
}

ControlDispatch::ControlDispatch(CVexoSmartOcxCtrl* control)
    : QObject(control), m_control(control) {}

HRESULT ControlDispatch::GetIDsOfNames(const QString& name, int& dispId) const {
    for (const DispatchEntry& entry : kControlDispatchTable) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            dispId = entry.dispId;
            return S_OK;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT ControlDispatch::Invoke(int dispId, const QVariantList& arguments, QVariant& result,
                                QString& error) {
    const DispatchEntry* entry = FindDispatchEntry(dispId);
    if (!entry) {
        error = QStringLiteral("the control has no method with DISPID %1").arg(dispId);
        return DISP_E_MEMBERNOTFOUND;
    }
    if (arguments.size() != entry->argumentCount) {
        error = QStringLiteral("%1 takes %2 argument(s), %3 given")
                    .arg(QLatin1String(entry->name))
                    .arg(entry->argumentCount)
                    .arg(arguments.size());
        return DISP_E_BADPARAMCOUNT;
    }
    if (!m_control) {
        error = QStringLiteral("the control is gone");
        return E_POINTER;
    }
    const QMetaMethod method = MethodNamed(CVexoSmartOcxCtrl::staticMetaObject, entry->name);
    if (!method.isValid() || method.parameterCount() != entry->argumentCount) {
        error = QStringLiteral("the control does not implement %1").arg(QLatin1String(entry->name));
        return DISP_E_MEMBERNOTFOUND;
    }

    // Each argument is coerced to the parameter's type, as a dispatch call
    // coerces its variants; undefined values are refused.
    std::array<QVariant, kMaxArguments> converted;
    std::array<QGenericArgument, kMaxArguments> passed;
    for (int i = 0; i < entry->argumentCount; ++i) {
        converted[i] = arguments[i];
        const QMetaType type = method.parameterMetaType(i);
        if (!converted[i].isValid() || !converted[i].convert(type)) {
            error = QStringLiteral("argument %1 of %2 cannot be converted to %3")
                        .arg(i + 1)
                        .arg(QLatin1String(entry->name), QLatin1String(type.name()));
            return DISP_E_TYPEMISMATCH;
        }
        passed[i] = QGenericArgument(type.name(), converted[i].constData());
    }
    result = QVariant(method.returnMetaType());
    const bool called =
        method.invoke(m_control.data(), Qt::DirectConnection,
                      QGenericReturnArgument(method.returnMetaType().name(), result.data()),
                      passed[0], passed[1], passed[2], passed[3]);
    if (!called) {
        error = QStringLiteral("calling %1 failed").arg(QLatin1String(entry->name));
        return DISP_E_EXCEPTION;
    }
    return S_OK;
}

}  // namespace vexo::module
