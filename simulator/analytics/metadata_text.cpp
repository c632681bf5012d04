#include "metadata_text.h"

#include <cstdio>

namespace devsim::analytics {
namespace {

void AppendString(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendRule(std::string& out, RuleKind kind, const std::string& token) {
    out += "\"function\": ";
    AppendString(out, FunctionName(kind));
    out += ", \"rule\": ";
    AppendString(out, token);
}

}  // namespace

std::string MetadataMembers(const RuleBook& book, const std::vector<camera::ViewTarget>* targets,
                            const PictureVerdict& verdict) {
    std::string out;
    out.reserve(128 + (targets ? targets->size() * 80 : 0) + verdict.events.size() * 120);
    out += ", \"scene\": ";
    AppendString(out, book.scene);
    out += ", \"functions\": [";
    for (size_t i = 0; i < book.functions.size(); ++i) {
        out += i == 0 ? "" : ", ";
        AppendString(out, FunctionName(book.functions[i]));
    }
    out += ']';
    if (targets != nullptr) {
        out += ", \"targets\": [";
        char entry[160];
        for (size_t i = 0; i < targets->size(); ++i) {
            const camera::ViewTarget& t = (*targets)[i];
            std::snprintf(entry, sizeof entry,
                          R"(%s{"id": %d, "class": "%s", "box": [%.4f, %.4f, %.4f, %.4f]})",
                          i == 0 ? "" : ", ", t.id, t.vehicle ? "vehicle" : "person", t.left, t.top,
                          t.right, t.bottom);
            out += entry;
        }
        out += ']';
    }
    out += ", \"events\": [";
    for (size_t i = 0; i < verdict.events.size(); ++i) {
        const RuleEvent& event = verdict.events[i];
        out += i == 0 ? "{" : ", {";
        AppendRule(out, event.kind, event.rule);
        if (event.target != 0) {
            out += ", \"target\": " + std::to_string(event.target);
        }
        out += event.start ? ", \"state\": \"start\"" : ", \"state\": \"end\"";
        if (event.direction != nullptr) {
            out += ", \"direction\": \"";
            out += event.direction;
            out += '"';
        }
        if (event.shape != nullptr) {
            out += ", \"shape\": [";
            char point[48];
            for (size_t p = 0; p < event.shape->size(); ++p) {
                std::snprintf(point, sizeof point, "%s[%.4f, %.4f]", p == 0 ? "" : ", ",
                              (*event.shape)[p].x, (*event.shape)[p].y);
                out += point;
            }
            out += ']';
        }
        if (event.count >= 0) {
            out += ", \"count\": " + std::to_string(event.count);
        }
        out += '}';
    }
    out += ']';
    if (!verdict.counters.empty()) {
        out += ", \"counters\": [";
        for (size_t i = 0; i < verdict.counters.size(); ++i) {
            const RuleCounter& counter = verdict.counters[i];
            out += i == 0 ? "{" : ", {";
            AppendRule(out, RuleKind::PeopleCounting, counter.rule);
            out += ", \"in\": " + std::to_string(counter.in) +
                   ", \"out\": " + std::to_string(counter.out) + '}';
        }
        out += ']';
    }
    return out;
}

}  // namespace devsim::analytics
