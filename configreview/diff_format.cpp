#include "diff_format.h"

#include "config_reader.h"

namespace vexo::review {
namespace {

std::string SceneHeader(const ConfigChange& change) {
    return "scene " + change.scene + " \"" + change.sceneName + "\"";
}

// The headers above a change; for a change of a whole part, its last
// header is the part itself and becomes the change's own line.
std::vector<std::string> HeadersOf(const ConfigChange& change) {
    std::vector<std::string> headers;
    if (!change.scene.empty()) {
        headers.push_back(SceneHeader(change));
    }
    switch (change.part) {
        case PartKind::Settings:
            if (change.scene.empty()) {
                headers.push_back("device");
            }
            break;
        case PartKind::Module:
            headers.push_back("module " + change.name);
            break;
        case PartKind::Rule:
            headers.push_back("function " + change.name);
            headers.push_back("rule " + change.item);
            break;
        case PartKind::NonScene:
            headers.push_back("non-scene " + change.name);
            break;
        case PartKind::NormalAlarm:
            headers.push_back("normal alarm " + change.name);
            headers.push_back("alarm " + change.item);
            break;
        case PartKind::Tour:
            headers.push_back("tour " + change.name);
            break;
    }
    return headers;
}

}  // namespace

const char* ChangeSign(ChangeKind kind) {
    switch (kind) {
        case ChangeKind::Added:
            return "+";
        case ChangeKind::Removed:
            return "-";
        case ChangeKind::Changed:
            break;
    }
    return "~";
}

const char* PartName(PartKind part) {
    switch (part) {
        case PartKind::Settings:
            return "settings";
        case PartKind::Module:
            return "module";
        case PartKind::Rule:
            return "rule";
        case PartKind::NonScene:
            return "nonScene";
        case PartKind::NormalAlarm:
            return "normalAlarm";
        case PartKind::Tour:
            break;
    }
    return "tour";
}

std::string DiffText(const std::vector<ConfigChange>& changes) {
    std::string text;
    std::vector<std::string> printed;
    auto indent = [](size_t depth) { return std::string(2 * depth, ' '); };
    for (const ConfigChange& change : changes) {
        std::vector<std::string> headers = HeadersOf(change);
        std::string line;
        if (change.member.empty()) {
            // The part itself was added or removed: say so on its own line.
            line = std::string(ChangeSign(change.kind)) + " " + headers.back();
            headers.pop_back();
        }
        size_t same = 0;
        while (same < headers.size() && same < printed.size() && headers[same] == printed[same]) {
            ++same;
        }
        for (size_t depth = same; depth < headers.size(); ++depth) {
            text += indent(depth) + headers[depth] + "\n";
        }
        printed = headers;
        if (line.empty()) {
            line = std::string(ChangeSign(change.kind)) + " " + change.member + ": ";
            if (change.kind == ChangeKind::Changed) {
                line += CompactJson(change.before) + " -> " + CompactJson(change.after);
            } else {
                line +=
                    CompactJson(change.kind == ChangeKind::Added ? change.after : change.before);
            }
        }
        text += indent(headers.size()) + line + "\n";
    }
    return text;
}

Json::Value DiffJson(const std::vector<ConfigChange>& changes) {
    Json::Value out;
    out["equal"] = changes.empty();
    out["changes"] = Json::Value(Json::arrayValue);
    for (const ConfigChange& change : changes) {
        Json::Value entry;
        entry["change"] = ChangeSign(change.kind);
        entry["scene"] = change.scene;
        entry["sceneName"] = change.sceneName;
        entry["part"] = PartName(change.part);
        entry["name"] = change.name;
        entry["item"] = change.item;
        entry["member"] = change.member;
        if (change.kind != ChangeKind::Added) {
            entry["old"] = change.before;
        }
        if (change.kind != ChangeKind::Removed) {
            entry["new"] = change.after;
        }
        out["changes"].append(std::move(entry));
    }
    return out;
}

}  // namespace vexo::review
