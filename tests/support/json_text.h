#pragma once
// JSON text to a value for tests and benchmarks: what does not parse reads
// as null, so the assertion that follows says what was wrong.
#include <json/reader.h>
#include <json/value.h>

#include <memory>
#include <string>

namespace vexo::test {

inline Json::Value ParseJson(const std::string& text) {
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, nullptr)) {
        return Json::Value();
    }
    return value;
}

}  // namespace vexo::test
