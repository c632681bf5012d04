#include "vexo/embed.h"

#include <QPointer>

#include "component_registry.h"
#include "control_loader.h"

namespace vexo::embed {

struct Control::State {
    QPointer<QWidget> widget;
    com::IDispatch* dispatch = nullptr;  // valid while `widget` lives
};

Control::Control(std::unique_ptr<State> state) : m_state(std::move(state)) {}

Control::~Control() = default;

std::unique_ptr<Control> Control::Create(QWidget* parent, QString& error, const QString& progId) {
    ComponentRegistry user;
    const ComponentRegistry machine(ComponentRegistry::SystemPath());
    host::ControlLoader loader(user, QString(), &machine);
    std::optional<host::CreatedControl> created = loader.Create(progId, parent, error);
    if (!created) {
        return nullptr;
    }
    auto state = std::make_unique<State>();
    state->widget = created->widget;
    state->dispatch = created->dispatch;
    return std::unique_ptr<Control>(new Control(std::move(state)));
}

QWidget* Control::Widget() const {
    return m_state->widget;
}

bool Control::Call(const QString& name, const QVariantList& arguments, QVariant& result,
                   QString& error) {
    if (!m_state->widget) {
        error = QStringLiteral("the control is gone");
        return false;
    }
    int dispId = 0;
    if (Failed(m_state->dispatch->GetIDsOfNames(name, dispId))) {
        error = QStringLiteral("the control has no method %1").arg(name);
        return false;
    }
    return !Failed(m_state->dispatch->Invoke(dispId, arguments, result, error));
}

}  // namespace vexo::embed
