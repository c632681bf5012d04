#pragma once
// Reads the login credentials out of the setup XML that the control gives to
// VEXONET_LoginEx. The control inserts the user name and password into its
// template without escaping, so the text is not well-formed XML when a
// password contains "<" or "&": it is read by plain text search instead of
// an XML parser.

#include <optional>
#include <string>
#include <string_view>

namespace vexonet {

struct SetupCredentials {
    std::string user;
    std::string password;
    int port = 0;  // 0 when the entry names no valid port
};

// The credentials of the protocol entry whose <Name> equals the text of the
// setup's <Ptz> element; nullopt when there is no such entry.
std::optional<SetupCredentials> ReadSetupCredentials(std::string_view setupXml);

}  // namespace vexonet
