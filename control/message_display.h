#pragma once
// The way a message reaches the operator. The popup dialog fulfils it; the
// pages and the device error display only know this interface, so that they
// need not depend on the dialog (and tests can put a recorder in its place).

#include <QPoint>
#include <QString>

namespace vexo {

// How a host recognises and answers the control's popups: the dialog's
// window title is its heading, this property holds its message, and its
// buttons carry these object names.
inline constexpr char kPopupTextProperty[] = "vexoPopupText";
inline constexpr char kPopupOkName[] = "vexoPopupOk";
inline constexpr char kPopupCancelName[] = "vexoPopupCancel";
// The third button of the unsaved-edits question (Save is the OK button).
inline constexpr char kPopupDiscardName[] = "vexoPopupDiscard";

class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;

    // Shows `text` under `title` modally; 1 when the operator closed it with
    // OK, 0 otherwise.
    virtual int ShowText(const QString& title, const QString& text) = 0;

    // Runs the popup in `form` (see popup_forms.h) with its top-left corner
    // at `topLeft`; 1 for OK, 0 otherwise (kPopupSaveChanges: 2 for
    // Discard). On OK, `chosenValue` (when given)
    // receives the popup's chosen value (the hour of the hour chooser).
    virtual int Ask(const QPoint& topLeft, int form, int* chosenValue) = 0;
};

// The display the helpers below use; null until the module installs one.
void SetMessageDisplay(MessageDisplay* display);
MessageDisplay* CurrentMessageDisplay();

}  // namespace vexo
