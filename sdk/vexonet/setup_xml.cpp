#include "setup_xml.h"

#include <charconv>

namespace vexonet {
namespace {

// Finds the text between `open` and the next `close` at or after `pos`.
// On success moves `pos` past `close`.
std::optional<std::string_view> TakeBetween(std::string_view text, std::string_view open,
                                            std::string_view close, size_t& pos) {
    const size_t start = text.find(open, pos);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t valueStart = start + open.size();
    const size_t end = text.find(close, valueStart);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    pos = end + close.size();
    return text.substr(valueStart, end - valueStart);
}

int ParsePort(std::string_view text) {
    int port = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (ec != std::errc() || ptr != text.data() + text.size() || port <= 0 || port > 65535) {
        return 0;
    }
    return port;
}

}  // namespace

std::optional<SetupCredentials> ReadSetupCredentials(std::string_view xml) {
    // The <Function> block comes after every protocol entry, so searching for
    // the last <Ptz> cannot be fooled by a credential that contains "<Ptz>".
    const size_t ptzOpen = xml.rfind("<Ptz>");
    if (ptzOpen == std::string_view::npos) {
        return std::nullopt;
    }
    size_t ptzPos = ptzOpen;
    const auto ptzName = TakeBetween(xml, "<Ptz>", "</Ptz>", ptzPos);
    if (!ptzName || ptzName->empty()) {
        return std::nullopt;
    }

    // Entries are read in order, field by field, so that the raw text of a
    // credential is skipped as a whole and never taken for markup.
    size_t pos = 0;
    while (pos < ptzOpen) {
        if (xml.find("<Protocol>", pos) == std::string_view::npos) {
            break;
        }
        const auto name = TakeBetween(xml, "<Name>", "</Name>", pos);
        const auto user = name ? TakeBetween(xml, "<UserName>", "</UserName>", pos) : std::nullopt;
        const auto password =
            user ? TakeBetween(xml, "<PassWord>", "</PassWord>", pos) : std::nullopt;
        if (!password) {
            break;
        }
        size_t portPos = pos;
        const size_t entryEnd = xml.find("</Protocol>", pos);
        const auto port = TakeBetween(xml, "<Port>", "</Port>", portPos);
        if (entryEnd != std::string_view::npos) {
            pos = entryEnd + std::string_view("</Protocol>").size();
        }
        if (*name == *ptzName) {
            SetupCredentials credentials;
            credentials.user = std::string(*user);
            credentials.password = std::string(*password);
            if (port && (entryEnd == std::string_view::npos || portPos <= entryEnd)) {
                credentials.port = ParsePort(*port);
            }
            return credentials;
        }
        if (entryEnd == std::string_view::npos) {
            break;
        }
    }
    return std::nullopt;
}

}  // namespace vexonet
