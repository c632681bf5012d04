#include "tour_forms.h"

#include "json_read.h"
#include "linkage_forms.h"
#include "narrow_text.h"

namespace json = vexo::json;

Json::Value SceneTourJson(const TourRecord& tour) {
    Json::Value out(Json::objectValue);
    for (const auto& [name, text] : tour.plainValues) {
        out[vexo::ToNarrow(name)] = vexo::ToNarrow(text);
    }
    for (const auto& [name, entry] : tour.entries) {
        out[vexo::ToNarrow(name)] = SimpNameJson(entry.text, entry.attributes);
    }
    return out;
}

void ReadSceneTourData(const Json::Value& info, TourRecord& tour) {
    if (!info.isObject()) {
        return;
    }
    for (auto it = info.begin(); it != info.end(); ++it) {
        if (it->isString()) {
            json::ReadText(*it, tour.plainValues[json::KeyText(it)]);
        } else if (it->isObject()) {
            TourEntry entry;
            ReadSimpName(*it, entry.text, entry.attributes);
            tour.entries[json::KeyText(it)] = std::move(entry);
        }
    }
}
