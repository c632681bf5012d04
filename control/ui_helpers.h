#pragma once
// Small shared helpers of the pages: messages, confirmations, shortened
// labels and picture sizes.

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

namespace vexo {

// Shows `text` under `caption` in the popup. An empty text shows nothing and
// returns 0; otherwise 1 when the operator closes it with OK, else 0. Without
// an installed message display nothing is shown and 0 is returned.
int ShowMessage(const QString& text, const QString& caption);

// Asks in the popup's `form` with its top-left corner at screen (x, y); 1 for
// OK, 0 for anything else.
int Confirm(int x, int y, int form);

// Asks "Save changes?" about unsaved edits, with the popup's top-left corner
// at screen (x, y): kSaveChangesSave, kSaveChangesDiscard or
// kSaveChangesCancel (popup_forms.h). Without an installed message display
// nothing is asked and the edits are discarded.
int AskSaveChanges(int x, int y);
// What a page does before it is left: nothing when `isModified()` is false;
// else it asks "Save changes?" at `at`. Save runs `save` and lets the
// operator leave only when the edits are saved (a refused save keeps them
// here); Discard runs `discard` and leaves; Cancel stays. True to leave.
bool ConfirmLeaveEdits(const QPoint& at, const std::function<bool()>& isModified,
                       const std::function<void()>& save, const std::function<void()>& discard);

// As Confirm; on OK `value` also receives the popup's chosen value.
int ConfirmWithValue(int x, int y, int form, int& value);

// A button's caption with the unsaved-edits mark (" *") when `edited`.
QString EditedCaption(const QString& caption, bool edited);

// The first `limit` characters followed by "..." when the text has at least
// `limit` characters; otherwise the text unchanged.
QString ShortenText(const QString& text, int limit);

// Width and height of a picture by resource number; empty when unknown.
QSize BitmapSize(int resource);

}  // namespace vexo
