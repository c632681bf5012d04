#include "json_text.h"

// The styled writer and the classic reader are the library's older
// interfaces; the device link's text forms are defined by them, so their
// deprecation notices are silenced here and nowhere else.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <json/reader.h>
#include <json/writer.h>

namespace vexo {

std::string StyledJson(const Json::Value& value) {
    Json::StyledWriter writer;
    return writer.write(value);
}

bool ParseJson(std::string_view text, Json::Value& out) {
    Json::Reader reader(Json::Features::all());
    Json::Value parsed;
    try {
        if (!reader.parse(text.data(), text.data() + text.size(), parsed, false)) {
            return false;
        }
    } catch (const std::exception&) {
        // The reader throws instead of failing when arrays or objects nest
        // deeper than its stack limit: such a text is simply not a reply.
        return false;
    }
    out = std::move(parsed);
    return true;
}

}  // namespace vexo
#pragma GCC diagnostic pop
