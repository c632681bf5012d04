#pragma once
// The binary interface between a component module and its hosts: the four
// exported entry points, the class factory and the scripting (dispatch)
// interface. Objects are Qt objects (a visible control is a QWidget), so a
// host embeds them like any widget; their scripting interface is reached
// through the IDispatch the factory hands out with them.

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include "hresult.h"

namespace vexo::com {

// The factory interface's identifier, asked for from DllGetClassObject.
inline constexpr char kIID_IClassFactory[] = "{00000001-0000-0000-C000-000000000046}";

// Calls by name, as script hosts make them.
class IDispatch {
public:
    // DISP_E_UNKNOWNNAME when the object has no method of that name.
    virtual HRESULT GetIDsOfNames(const QString& name, int& dispId) const = 0;
    // Calls method `dispId` with `arguments` (converted to the method's
    // parameter types). DISP_E_BADPARAMCOUNT for a wrong number of
    // arguments, DISP_E_TYPEMISMATCH when one cannot be converted; `error`
    // then says which.
    virtual HRESULT Invoke(int dispId, const QVariantList& arguments, QVariant& result,
                           QString& error) = 0;

protected:
    ~IDispatch() = default;
};

class IClassFactory {
public:
    // Creates one object with `parent` as its Qt parent. `dispatch` (when
    // asked for) receives its scripting interface, or null when it has none;
    // the interface lives as long as the object.
    virtual HRESULT CreateInstance(QObject* parent, QObject** object, IDispatch** dispatch) = 0;
    // Keeps the module loaded while locked (DllCanUnloadNow answers S_FALSE).
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// The exports, with C linkage in the module.
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();
using DllGetClassObjectFunction = HRESULT (*)(const char* clsid, const char* iid, void** object);
using DllCanUnloadNowFunction = HRESULT (*)();

}  // namespace vexo::com
