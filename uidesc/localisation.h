#pragma once
// The two tables of the localisation file: identifier to display text, one
// table per language ("english", "chinese"), ordered by identifier.

#include <QString>
#include <map>
#include <string>

namespace vexo {

class LocalisationTables {
public:
    using Table = std::map<QString, QString>;

    // Replaces both tables with the file's content; a missing or malformed
    // file, or one whose root is not `korvane_local`, leaves them empty.
    void Load(const std::string& path);
    // The same for a document in memory.
    void LoadFromMemory(const char* data, int size);
    void Clear();

    // The table of `language`; null for any other language.
    const Table* TableOf(const QString& language) const;
    const Table& English() const { return english_; }
    const Table& Chinese() const { return chinese_; }

    // The display text of `identifier` in `language`; the identifier itself
    // when the table has no text for it; `text` untouched for another
    // language.
    void DisplayText(const QString& language, const QString& identifier, QString& text) const;
    // The identifier of the first entry (in identifier order) whose display
    // text is `text`; `identifier` untouched when none matches or for
    // another language.
    void IdentifierOfText(const QString& language, const QString& text, QString& identifier) const;

private:
    template <class File>
    void Fill(const File& file);

    Table english_;
    Table chinese_;
};

}  // namespace vexo
