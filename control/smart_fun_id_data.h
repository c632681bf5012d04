#pragma once
// CSmartFunIdData: one analytics or alarm function with the command
// identifier of its button, its texts and its two pictures, and the tables
// the page manager builds from them.

#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

namespace vexo {

class CSmartFunIdData {
public:
    virtual ~CSmartFunIdData() = default;

    int CommandId() const { return idBase + idOffset; }

    int idBase = 18000;  // the owner-drawn buttons' identifier base
    int idOffset = 0;
    QString firstText;   // text of the first localisation lookup
    QString secondText;  // display name
    QString name;        // the function name as the device reports it
    int slot = 0;        // scene tile slot (0 to 2) in the tile tables, else 0
    int normalImage = 0;
    int selectedImage = 0;
};

using FunctionIdTable = std::vector<CSmartFunIdData>;

struct FunctionImages {
    int normal;
    int selected;
};

// Pictures of a function's button by function name; 653 for both looks when
// the name is not known.
FunctionImages FunctionImagesByName(const QString& name);

// A normal alarm function with the texts of the two localisation lookups.
struct AlarmFunctionTexts {
    QString name;
    QString firstText;
    QString secondText;
};

// The function table: the smart functions in display order (offset 310 +
// position, texts and names from the two display-name maps), then the normal
// alarm functions (offset 310 + position in the alarm list + the number of
// entries already in the table).
FunctionIdTable BuildFunctionIdTable(const QStringList& smartDisplayNames,
                                     const QMap<QString, QString>& firstTextByDisplayName,
                                     const QMap<QString, QString>& nameByDisplayName,
                                     const std::vector<AlarmFunctionTexts>& alarmFunctions);

// Three copies of every entry, one per scene tile slot s, with offset
// 150 + 3 x position + s.
FunctionIdTable BuildFunctionIdTriples(const FunctionIdTable& table);

// Second text of the entry whose offset is `offset`; empty when none is.
QString SecondTextById(const FunctionIdTable& table, int offset);

}  // namespace vexo
