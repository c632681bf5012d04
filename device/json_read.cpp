#include "json_read.h"

#include "narrow_text.h"

namespace vexo::json {

const Json::Value* Member(const Json::Value& value, const char* name) {
    if (!value.isObject()) {
        return nullptr;
    }
    return value.find(name, name + std::char_traits<char>::length(name));
}

bool ReadText(const Json::Value& value, QString& out) {
    if (!value.isString()) {
        return false;
    }
    out = vexo::FromNarrow(value.asString());
    return true;
}

QString TextMember(const Json::Value& value, const char* name) {
    QString text;
    if (const Json::Value* member = Member(value, name)) {
        ReadText(*member, text);
    }
    return text;
}

bool ReadFloatMember(const Json::Value& value, const char* name, float& out) {
    const Json::Value* member = Member(value, name);
    if (member == nullptr || !member->isNumeric()) {
        return false;
    }
    out = member->asFloat();
    return true;
}

QString KeyText(const Json::Value::const_iterator& it) {
    return vexo::FromNarrow(it.name());
}

}  // namespace vexo::json
