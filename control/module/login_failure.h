#pragma once
// Why a login failed, as the operator reads it: from the network library's
// error code of the login, in the control's language.

#include <QString>

namespace vexo {

// The reason for the network library's error `code` (VEXONET_ERR_*):
// a wrong user or password, a device that cannot be reached or does not
// answer, an address that does not answer as a camera of this kind, or
// the library's own text for anything else. `chinese` picks the language.
QString LoginFailureReason(int code, bool chinese);

// The control's one-line state while it shows no pages after a failed
// login: "Not logged in: " and the reason.
QString NotLoggedInLine(const QString& reason, bool chinese);

}  // namespace vexo
