// One input: the localisation file the device sent. The tables are filled
// and looked up both ways in both languages; each value also goes the GB
// way of conversion.

#include <cstdint>
#include <string>

#include "localisation.h"
#include "localised_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 20) {
        return 0;
    }
    vexo::LocalisationTables tables;
    tables.LoadFromMemory(reinterpret_cast<const char*>(data), static_cast<int>(size));
    for (const char* language : {"english", "chinese"}) {
        const vexo::LocalisationTables::Table* table = tables.TableOf(language);
        for (const auto& [id, text] : *table) {
            QString display, identifier;
            tables.DisplayText(language, id, display);
            tables.IdentifierOfText(language, text, identifier);
        }
    }
    const std::string raw(reinterpret_cast<const char*>(data), size < 4096 ? size : 4096);
    vexo::DecodeLocalisedValue(raw, "GB2312");
    vexo::DecodeLocalisedValue(raw, "UTF-8");
    return 0;
}
