#include "param_rows.h"

#include <QByteArray>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "row_geometry_text.h"

namespace vexo {

AutoValueRecord ControlSpec::ValueRecord() const {
    AutoValueRecord record;
    record.valueClass = valueClass;
    record.valueFlag1 = valueFlag1;
    record.valueFlag2 = valueFlag2;
    record.objectText = objectText;
    record.owner = owner;
    for (const auto& [key, text] : attributes) {
        record.attributes.insert(key, text);
    }
    return record;
}

namespace {

// The device's minute count as C's atoi reads it, kept inside int.
int MinutesOf(const QString& plain) {
    const QByteArray bytes = plain.toLatin1();
    const long long n = std::strtoll(bytes.constData(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(n, INT_MIN / 2, INT_MAX / 2));
}

QString RangeValue(const RangeInfo& range, const char* key) {
    const auto it = range.rangeMap.find(QString::fromLatin1(key));
    return it == range.rangeMap.end() ? QString() : it->second;
}

class RowBuilder {
public:
    explicit RowBuilder(const RowInputs& inputs) : in_(inputs) {}

    void Build(ParamRows& rows) {
        if (!in_.params) {
            return;
        }
        for (const ParamEntry& param : *in_.params) {
            ParamDescriptor row;
            if (BuildOne(param, row)) {
                rows.push_back(std::move(row));
            }
        }
    }

private:
    QString Display(const QString& identifier) const {
        return in_.displayText ? in_.displayText(identifier) : identifier;
    }

    bool BuildOne(const ParamEntry& param, ParamDescriptor& row) {
        ControlSpec& label = row.label;
        ControlSpec& value = row.value;
        label.name = value.name = param.name;
        label.advance = kLabelAdvance;
        label.items.append(Display(param.name));
        const RangeInfo range = in_.range ? in_.range(param.name) : RangeInfo{};

        const QString owner = in_.record ? in_.record->funName : QString();
        QString plain;
        ParamValue object;
        if (in_.record) {
            if (const auto it = in_.record->plainParams.find(param.name);
                it != in_.record->plainParams.end()) {
                plain = it->second;
            }
            if (const auto it = in_.record->objectParams.find(param.name);
                it != in_.record->objectParams.end()) {
                object = it->second;
            }
        }
        label.owner = value.owner = owner;
        label.objectText = object.text;

        const UiType type = in_.uiType ? in_.uiType(param.uiType) : UI_UNKNOWN;
        if (type == UI_PTZ_NUMBER) {
            ptzNumber_ = plain;
            return false;
        }
        FillByType(type, plain, object, range, row);

        if (in_.links) {
            for (const UiLinkEntry& link : *in_.links) {
                if (link.name == param.name) {
                    // Only the first condition naming the parameter counts.
                    label.linked = value.linked = 1;
                    label.links = value.links = {link.condition};
                    break;
                }
            }
        }
        return true;
    }

    void Label(ControlSpec& label, int kind, int valueClass) {
        label.kind = kind;
        label.valueClass = valueClass;
    }

    void FillByType(UiType type, const QString& plain, const ParamValue& object,
                    const RangeInfo& range, ParamDescriptor& row) {
        ControlSpec& label = row.label;
        ControlSpec& value = row.value;
        switch (type) {
            case UI_Static_And_Static:
                Label(label, kControlStatic, 1);
                value.kind = kControlStatic;
                value.valueFlag1 = 1;
                value.items = {Display(plain)};
                break;
            case UI_Static_And_ComboBoxUnEdit:
                Label(label, kControlStatic, 1);
                value.kind = kControlComboList;
                value.width = 150;
                value.items = {Display(plain)};
                for (const auto& [key, raw] : range.rangeMap) {
                    value.items.append(Display(raw) + u'|' + raw);
                }
                break;
            case UI_Static_And_ComboBox:
                Label(label, kControlStatic, 1);
                value.kind = kControlComboEdit;
                value.width = 100;
                value.items = {QStringLiteral("模式0"), QStringLiteral("模式1"),
                               QStringLiteral("模式2"), QStringLiteral("模式3")};
                // The list never names the device's own text; it rides along
                // so that the editable combo shows and keeps it.
                value.caption = plain;
                break;
            case UI_XpBtn:
                Label(label, kControlXpButton, 2);
                label.advance = 0;
                label.attributes = object.attributes;
                break;
            case UI_Static_And_Edit:
                Label(label, kControlStatic, 1);
                value.kind = kControlEdit;
                value.width = 150;
                value.advance = kLabelAdvance;
                value.items = {plain};
                break;
            case UI_Static_And_PushBtn:
                Label(label, kControlStatic, 1);
                value.kind = kControlCheckBox;
                value.width = 150;
                value.items = {plain.isEmpty() || plain == u"true" ? QStringLiteral("1")
                               : plain == u"false"                 ? QStringLiteral("0")
                                                                   : plain};
                break;
            case UI_Static_And_RectBmpBtn:
                Drawing(row, kControlRectButton, FirstRectangleText(object));
                break;
            case UI_Static_And_PenBmpBtn_RectBmpBtn:
                Drawing(row, kControlPolygonButton, FirstPolygonText(object));
                break;
            case UI_Static_And_Edit_Spin_LineBmpBtn:
                Drawing(row, kControlPolylineSpin, FirstPolygonText(object));
                label.valueFlag2 = 1;
                value.width = 100;
                value.items << QStringLiteral("0") << QStringLiteral("8000");
                label.attributes = value.attributes = object.attributes;
                value.valueType = value.objectText = object.text;
                break;
            case UI_Static_And_Edit_Spin:
            case UI_Static_And_Edit_Spin_Slider:
            case UI_Static_And_Edit_Spin_Length:
                Label(label, kControlStatic, 1);
                value.kind = type == UI_Static_And_Edit_Spin_Slider ? kControlEditSpinSlider
                                                                    : kControlEditSpin;
                value.width = type == UI_Static_And_Edit_Spin_Slider ? 50 : 100;
                value.items = {plain, RangeValue(range, "minInclusive"),
                               RangeValue(range, "maxInclusive")};
                value.valueType = type == UI_Static_And_Edit_Spin_Length
                                      ? QStringLiteral("xs:length")
                                      : range.description;
                break;
            case UI_Static_And_PointBmpBtn:
                Drawing(row, kControlPointButton, FirstPointText(object));
                break;
            case UI_WIRE:
            case UI_WIRE_AllShow_AllSolid:
            case UI_WIRE_AllShow_OneSolid:
                Wire(type, object, row);
                break;
            case UI_PTZ_LIMIT:
                Label(label, kControlPtzLimit, 2);
                label.items << ptzNumber_ << FirstPointText(object);
                value.items = {FirstPointText(object)};
                break;
            case UI_LINE:
                Drawing(row, kControlLineButton, FirstPolygonText(object));
                break;
            case UI_Static_And_Face_RectBmpBtn:
                Drawing(row, kControlFaceRectButton, FirstRectangleText(object));
                break;
            case UI_Static_And_Face_PenBmpBtn_RectBmpBtn:
                Drawing(row, kControlFacePolygonButton, FirstPolygonText(object));
                break;
            case UI_Static_And_RectBmpBtn_PageShow:
                Drawing(row, kControlRectPageButton, FirstRectangleText(object));
                break;
            case UI_Static_And_RectBmpBtn_VideoShow:
                Drawing(row, kControlRectVideoButton, FirstRectangleText(object));
                label.hidden = value.hidden = 1;
                label.checkBox = 0;
                value.showAll = 1;
                break;
            case UI_Static_And_PenBmpBtn_AllShow:
                Drawing(row, kControlPolygonAllButton, FirstPolygonText(object));
                value.showAll = 1;
                break;
            case UI_Static_And_Face_PenBmpBtn_DeleteBmpBtn_AllShow:
                Drawing(row, kControlFacePolygonDeleteButton, FirstPolygonText(object));
                value.showAll = 1;
                break;
            case UI_Static_And_Edit_Spin_time: {
                Label(label, kControlStatic, 1);
                value.kind = kControlTime;
                const int minutes = MinutesOf(plain);
                value.items = {QString::number(minutes / 60), QStringLiteral("0"),
                               QStringLiteral("23"),          QString::number(minutes % 60),
                               QStringLiteral("0"),           QStringLiteral("59")};
                break;
            }
            default:  // unknown types and "UI_NULL": an inert row in its place
                break;
        }
    }

    void Drawing(ParamDescriptor& row, int kind, const QString& geometry) {
        Label(row.label, kControlStatic, 2);
        row.value.kind = kind;
        row.value.items = {geometry};
    }

    // A plain "UI_WIRE" gets the wire button whose wire is drawn solid: it is
    // shown on its own, so there is no other wire to set it apart from, and
    // without a button the operator could not edit a wire the device
    // publishes in this plain form.
    void Wire(UiType type, const ParamValue& object, ParamDescriptor& row) {
        Drawing(row, type == UI_WIRE_AllShow_OneSolid ? kControlWireOneSolid : kControlWireAllSolid,
                FirstWireText(object));
        row.value.showAll = type == UI_WIRE ? 0 : 1;

        std::map<QString, QString> margin;
        const auto it = object.attributes.find(QStringLiteral("Margin"));
        if (it != object.attributes.end()) {
            margin.insert(*it);
        }
        ControlSpec caption;
        caption.name = row.label.name;
        caption.kind = kControlStatic;
        caption.items = {in_.wireMarginText};
        caption.advance = kLabelAdvance;
        caption.valueClass = 2;
        caption.valueFlag1 = 1;
        caption.owner = row.label.owner;
        caption.objectText = QStringLiteral("Margin");
        caption.attributes = margin;

        ControlSpec edit = caption;
        edit.kind = kControlEditSpinSlider;
        edit.advance = 0;
        edit.width = 50;
        edit.valueFlag1 = 0;
        edit.items = {margin.empty() ? QString() : margin.begin()->second,
                      QStringLiteral("0") + in_.pixelText, QStringLiteral("100") + in_.pixelText};
        row.extras = {caption, edit};
    }

    const RowInputs& in_;
    QString ptzNumber_;  // the last "UI_PTZ_NUMBER" value, carried into limit rows
};

}  // namespace

void BuildRows(const RowInputs& inputs, ParamRows& rows) {
    RowBuilder(inputs).Build(rows);
}

}  // namespace vexo
