#include "config_reader.h"

#include <json/reader.h>
#include <json/writer.h>

#include <memory>

namespace vexo::review {

bool ReadConfigText(std::string_view text, Json::Value& config, std::string& error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["collectComments"] = false;
    // A hand-edited file may nest deeply by mistake; the stack must not.
    builder["stackLimit"] = 200;
    builder["failIfExtra"] = true;
    builder["rejectDupKeys"] = true;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    std::string message;
    if (!reader->parse(text.data(), text.data() + text.size(), &parsed, &message)) {
        error = message;
        return false;
    }
    config = std::move(parsed);
    return true;
}

bool IsDeviceConfig(const Json::Value& config) {
    return config.isObject() && config["scenes"].isArray();
}

std::string CompactJson(const Json::Value& value) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value);
}

}  // namespace vexo::review
