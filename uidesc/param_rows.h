#pragma once
// Parameter rows: what a panel shows for each parameter of a rule, module,
// normal alarm or non-scene function. One row is a label control, a value
// control and, for wires, two extra controls laid out under the row. Rows are
// plain data built from the UI description, the device record and the
// device's value ranges; the parameter UI engine turns them into widgets.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

#include "auto_value_record.h"
#include "description_records.h"
#include "param_record.h"
#include "ui_type.h"

namespace vexo {

// Selects the control builder of the parameter UI engine.
enum ControlKind : int {
    kControlNone = 0,
    kControlCheckBox = 4,
    kControlXpButton = 5,
    kControlStatic = 8,
    kControlComboList = 9,
    kControlComboEdit = 10,
    kControlEdit = 11,
    kControlRectButton = 12,
    kControlPolygonButton = 13,
    kControlPointButton = 14,
    kControlPolylineSpin = 15,
    kControlEditSpin = 16,
    kControlEditSpinSlider = 17,
    kControlWireAllSolid = 18,
    kControlWireOneSolid = 19,
    kControlLineButton = 20,
    kControlReserved21 = 21,
    kControlReserved22 = 22,
    kControlPtzLimit = 23,
    kControlFacePolygonButton = 24,
    kControlFaceRectButton = 25,
    kControlRectPageButton = 26,
    kControlRectVideoButton = 27,
    kControlPolygonAllButton = 28,
    kControlFacePolygonDeleteButton = 29,
    kControlTime = 32,
};

// Every label moves the layout cursor this far, so value controls line up.
inline constexpr int kLabelAdvance = 280;

struct ControlSpec {
    QString name;  // the parameter's Name, key of its value on the device
    // A second text; empty in built rows except on the editable combo of
    // "UI_Static_And_ComboBox", where it carries the device's current text
    // (its list holds only the fixed mode names).
    QString caption;
    int kind = kControlNone;
    QStringList items;  // items[0] is shown; further items depend on the kind
    int advance = 0;
    int width = 0;  // 0: the builder chooses
    QString valueType;
    int valueClass = 0;  // 1 plain value, 2 object value
    int valueFlag1 = 0;
    int valueFlag2 = 0;
    QString objectText;
    QString owner;
    std::map<QString, QString> attributes;
    int hidden = 0;
    int showAll = 0;
    int linked = 0;
    QList<LinkCondition> links;
    int checkBox = 1;  // a static label gets a check box in front of it

    // The value part the auto-generated controls keep.
    AutoValueRecord ValueRecord() const;
};

struct ParamDescriptor {
    ControlSpec label;
    ControlSpec value;
    std::vector<ControlSpec> extras;
};
using ParamRows = std::vector<ParamDescriptor>;

// What the device says of one parameter's allowed values.
struct RangeInfo {
    QString description;
    std::map<QString, QString> rangeMap;
};

// Everything one call of the row builder reads. The two callbacks stand for
// the device ("CMD_GetParamRange", asked once per parameter) and the
// localisation tables; without them ranges are empty and texts untranslated.
struct RowInputs {
    QString ownerKind;  // "Rule", "Module", "NormalAlarm" or "NonScene"
    const ParamList* params = nullptr;
    const UiLinkList* links = nullptr;
    const ParamRecord* record = nullptr;
    std::function<RangeInfo(const QString& paramName)> range;
    std::function<QString(const QString& identifier)> displayText;
    std::function<UiType(const QString& uiTypeText)> uiType;
    QString wireMarginText;  // "wire margin" in the current language
    QString pixelText;       // "pixel" in the current language
};

// Appends one row per parameter, in the parameter list's order (none for
// "UI_PTZ_NUMBER", whose value is carried into the following PTZ limit rows).
void BuildRows(const RowInputs& inputs, ParamRows& rows);

}  // namespace vexo
