#pragma once
// The parameter data an auto-generated control carries for the panel that
// built it: which value of the parameter record it edits and when its row is
// shown. The description readers produce the same link conditions.

#include <QList>
#include <QMap>
#include <QString>

namespace vexo {

// A linked row is shown while the parameter `linkName` has the value
// `linkValue`.
struct LinkCondition {
    QString linkName;
    QString linkValue;
};

// The value part of a control's description.
struct AutoValueRecord {
    int valueClass = 0;  // 1: plain text value; 2: object value (geometry + attributes)
    int valueFlag1 = 0;
    int valueFlag2 = 0;
    QString objectText;
    QString owner;  // the smart function or module the parameter belongs to
    QMap<QString, QString> attributes;
};

}  // namespace vexo
