#pragma once
// The control's scripting interface: the dispatch table that maps each
// DISPID to its method name and argument count, and the IDispatch that calls
// the control's Q_INVOKABLE method of that name. Hosts call by name, so a
// name is looked up case-insensitively, as script engines do; a call must
// pass exactly the table's number of arguments.

#include <QObject>
#include <QPointer>
#include <array>

#include "component_interfaces.h"

class CVexoSmartOcxCtrl;

namespace vexo::module {

struct DispatchEntry {
    int dispId;
    const char* name;
    int argumentCount;
};

inline constexpr std::array<DispatchEntry, 9> kControlDispatchTable{{
    {1, "SetLanguage", 1},
    {2, "SetDeviceLoginInfo", 4},
    {3, "GetCurScenesTourNum", 0},
    {4, "SetCurScenesTourNum", 1},
    {5, "GetCurSmartSceneNum", 0},
    {6, "SetCurSmartSceneNum", 1},
    {7, "GetConfig", 3},
    {8, "SetConfig", 4},
    {9, "Destroy", 0},
}};

const DispatchEntry* FindDispatchEntry(int dispId);

// Owned by the control it calls (a Qt child), so it dies with it.
class ControlDispatch : public QObject, public com::IDispatch {
    Q_OBJECT
public:
    explicit ControlDispatch(CVexoSmartOcxCtrl* control);

    HRESULT GetIDsOfNames(const QString& name, int& dispId) const override;
    HRESULT Invoke(int dispId, const QVariantList& arguments, QVariant& result,
                   QString& error) override;

private:
    QPointer<CVexoSmartOcxCtrl> m_control;
};

}  // namespace vexo::module
