#include "localisation.h"

#include "localised_value.h"
#include "narrow_text.h"
#include "xml_file.h"

namespace vexo {
namespace {

const QString kEnglish = QStringLiteral("english");
const QString kChinese = QStringLiteral("chinese");

void FillTable(const XmlFile& file, const char* language, LocalisationTables::Table& table) {
    const std::string xpath =
        std::string("/korvane_local/localized-strings[@lang-iso3='") + language + "']";
    for (xmlNode* strings : file.Select(xpath)) {
        for (xmlNode* entry = strings->children; entry; entry = entry->next) {
            const auto name = AttributeBytes(entry, "Name");
            const auto value = AttributeBytes(entry, "Value");
            if (name && value) {
                table[FromNarrow(*name)] = DecodeLocalisedValue(*value);
            }
        }
    }
}

}  // namespace

template <class File>
void LocalisationTables::Fill(const File& file) {
    Clear();
    if (!file.RootNamed("korvane_local")) {
        return;
    }
    FillTable(file, "english", english_);
    FillTable(file, "chinese", chinese_);
}

void LocalisationTables::Load(const std::string& path) {
    Fill(XmlFile(path));
}

void LocalisationTables::LoadFromMemory(const char* data, int size) {
    Fill(XmlFile(data, size));
}

void LocalisationTables::Clear() {
    english_.clear();
    chinese_.clear();
}

const LocalisationTables::Table* LocalisationTables::TableOf(const QString& language) const {
    if (language == kEnglish) {
        return &english_;
    }
    if (language == kChinese) {
        return &chinese_;
    }
    return nullptr;
}

void LocalisationTables::DisplayText(const QString& language, const QString& identifier,
                                     QString& text) const {
    const Table* table = TableOf(language);
    if (!table) {
        return;
    }
    const auto found = table->find(identifier);
    text = found == table->end() || found->second.isEmpty() ? identifier : found->second;
}

void LocalisationTables::IdentifierOfText(const QString& language, const QString& text,
                                          QString& identifier) const {
    const Table* table = TableOf(language);
    if (!table) {
        return;
    }
    for (const auto& [name, display] : *table) {
        if (display == text) {
            identifier = name;
            return;
        }
    }
}

}  // namespace vexo
