#pragma once
// Embedding the smart-function control in a Qt program of one's own.
//
//   QString error;
//   auto control = vexo::embed::Control::Create(&window, error);
//   control->Call("SetDeviceLoginInfo", {address, user, password}, result, error);
//
// The control is created by its ProgID through the component registries:
// the user's ($VEXO_REGISTRY, else ~/.config/vexo/components.json), then the
// machine's, which the packages fill on installation. Its methods are the
// scripting interface's, called by name as a web page's script calls them.

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QWidget>
#include <memory>

#define VEXO_EMBED_API __attribute__((visibility("default")))

namespace vexo::embed {

inline constexpr char kControlProgId[] = "VEXOSMARTOCX.VexoSmartOcxCtrl.1";

class VEXO_EMBED_API Control {
public:
    // The control as a child of `parent` (lay it out like any widget), or
    // null with `error` saying why (not registered, not safe for scripting,
    // the module cannot be loaded).
    static std::unique_ptr<Control> Create(QWidget* parent, QString& error,
                                           const QString& progId = kControlProgId);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Null once its parent has deleted it.
    QWidget* Widget() const;

    // Calls the method `name` (for example "SetLanguage") with `arguments`;
    // false with `error` set when there is no such method, the arguments do
    // not fit or the control is gone.
    bool Call(const QString& name, const QVariantList& arguments, QVariant& result, QString& error);

private:
    struct State;
    explicit Control(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

}  // namespace vexo::embed
