#include "engine_builders.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

#include "engine_overlay.h"
#include "panel_metrics.h"
#include "range_validator.h"
#include "show_ai_config.h"
#include "smart_xml_parse.h"

namespace vexo {

namespace {

constexpr int kControlHeight = 20;
constexpr int kComboHeight = 24;
constexpr int kSpinWidth = 25;
constexpr int kSliderWidth = 120;
constexpr int kButtonGap = 6;

// Drawing button image sets: normal, pressed, focused, disabled.
enum ImageSetId { kPen, kRectangle, kPoint, kLine, kDelete };
constexpr int kImageSets[][4] = {
    {552, 568, 569, 555},  // pen
    {560, 572, 573, 563},  // rectangle
    {556, 570, 571, 559},  // point
    {564, 574, 575, 567},  // line
    {688, 689, 689, 688},  // delete
};

struct BuilderEntry {
    int kind;
    EngineBuilders::Builder build;
};

}  // namespace

template <class Control, class List>
Control* EngineBuilders::Add(CSmartUiEngine& e, List& list, CSmartUiEngine::IdWindow& ids,
                             const QRect& rect, const ControlSpec& spec, unsigned style,
                             const QString& text) {
    auto control = std::make_unique<Control>();
    control->Create(ids.Take(), e.ControlParent(), e.Place(rect), style, text);
    control->StoreSpec(spec.name, spec.ValueRecord());
    control->SetLinks(spec.linked, spec.links);
    e.lines_.Note(control->Control(), spec.linked != 0);
    if (auto* widget = control->Control()) {
        widget->setFont(e.font_);
    }
    if (spec.hidden) {
        control->SetShowWithPanel(0);
        control->Show(0);
    } else {
        control->Show(1);
    }
    Control* raw = control.get();
    list.push_back(std::move(control));
    return raw;
}

void EngineBuilders::Build(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel) {
    static constexpr BuilderEntry kTable[] = {
        {kControlCheckBox, &CheckBox},
        {kControlXpButton, &XpButton},
        {kControlStatic, &Static},
        {kControlComboList, &Combo},
        {kControlComboEdit, &Combo},
        {kControlEdit, &Edit},
        {kControlRectButton, &Drawing},
        {kControlPolygonButton, &Drawing},
        {kControlPointButton, &Drawing},
        {kControlPolylineSpin, &Drawing},
        {kControlEditSpin, &EditSpin},
        {kControlEditSpinSlider, &EditSpinSlider},
        {kControlWireAllSolid, &Drawing},
        {kControlWireOneSolid, &Drawing},
        {kControlLineButton, &Drawing},
        {kControlPtzLimit, &PtzLimit},
        {kControlFacePolygonButton, &Drawing},
        {kControlFaceRectButton, &Drawing},
        {kControlRectPageButton, &Drawing},
        {kControlRectVideoButton, &Drawing},
        {kControlPolygonAllButton, &Drawing},
        {kControlFacePolygonDeleteButton, &Drawing},
        {kControlTime, &Time},
    };
    for (const BuilderEntry& entry : kTable) {
        if (entry.kind == spec.kind) {
            entry.build(e, spec, isLabel);
            return;
        }
    }
}

void EngineBuilders::CheckBox(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const int y = e.RowY();
    auto* box = Add<CAutoBtnPush>(e, e.checkBoxes_, e.checkIds_, QRect(e.x_, y + 2, 15, 15), spec);
    box->SetCheck(LeadingDigits(spec.items.value(0)) != 0 ? 1 : 0);
}

void EngineBuilders::XpButton(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const int y = e.RowY();
    const QString text = spec.items.value(0);
    const int width = QFontMetrics(e.font_).horizontalAdvance(text) + 16;
    auto* button = Add<CAutoXpBtn>(e, e.xpButtons_, e.xpIds_, QRect(e.x_, y, width, kControlHeight),
                                   spec, 0, text);
    button->SetImages(541, 542);
}

void EngineBuilders::Static(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel) {
    const int y = e.RowY();
    int x = e.x_;
    if (spec.checkBox == 1 && isLabel) {
        // The box in front of a label: it bears the label's parameter but is
        // no value of it. A static that shows a value gets none.
        auto* box = Add<CAutoBtnPush>(e, e.checkBoxes_, e.checkIds_, QRect(x, y + 2, 25, 15), spec);
        box->labelBox = 1;
        x += 25;
    }
    const QString text = spec.items.value(0);
    const StaticTextBox box = StaticTextSize(text, spec.width);
    auto* label = Add<CAutoStatic>(e, e.statics_, e.staticIds_,
                                   QRect(QPoint(x, y - box.raise), box.size), spec, 0, text);
    if (auto* widget = label->Control()) {
        const bool twoLines = box.size.height() > kControlHeight;
        widget->setWordWrap(twoLines);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The two-line box starts 5 pixels higher; text that fits one line
        // is centred on the row like its neighbours, not in the tall box.
        if (twoLines && QFontMetrics(e.font_).horizontalAdvance(text) <= box.size.width()) {
            widget->setContentsMargins(0, 0, 0, box.size.height() - kControlHeight - 2 * box.raise);
        }
    }
    if (isLabel) {
        e.rowLabels_.insert(label);
    }
}

void EngineBuilders::Combo(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const int y = e.RowY();
    const bool editable = spec.kind == kControlComboEdit;
    const int width = spec.width != 0 ? spec.width : 300;
    auto* combo =
        Add<CAutoComboBox>(e, e.combos_, e.comboIds_, QRect(e.x_, y - 2, width, kComboHeight), spec,
                           editable ? kAutoStyleDropDown : kAutoStyleDropDownList);
    const QString current = spec.items.value(0);
    int selected = -1;
    for (qsizetype i = 1; i < spec.items.size(); ++i) {
        const QString& item = spec.items.at(i);
        const qsizetype bar = item.lastIndexOf(u'|');
        const QString display = bar < 0 ? item : item.left(bar);
        const QString raw = bar < 0 ? item : item.mid(bar + 1);
        const int index = combo->AddString(display, raw);
        if (selected < 0 && display == current) {
            selected = index;
        }
    }
    if (editable) {
        combo->SetCurSel(selected < 0 ? 0 : selected);
        // The device's own text, which the fixed list does not name.
        if (!spec.caption.isEmpty() && combo->Control()) {
            combo->Control()->setEditText(spec.caption);
        }
        return;
    }
    if (selected < 0 && !current.isEmpty()) {
        // A value the device's range does not list stays selectable, so an
        // untouched panel saves what the device holds.
        QString raw = current;
        if (e.parse_) {
            e.parse_->GetIdentifierOfText(current, raw);
        }
        selected = combo->AddString(current, raw);
    }
    combo->SetCurSel(selected < 0 ? 0 : selected);
}

CAutoEdit* EngineBuilders::AddEdit(CSmartUiEngine& e, const ControlSpec& spec, int width,
                                   const QString& text) {
    const int y = e.RowY();
    auto* edit = Add<CAutoEdit>(e, e.edits_, e.editIds_, QRect(e.x_, y, width, kControlHeight),
                                spec, 0, text);
    e.x_ += width;
    return edit;
}

namespace {

// The text of an edit that follows kind 11 rules.
QString EditText(const ControlSpec& spec) {
    if (spec.objectText == u"CaliberLine") {
        const auto it = spec.attributes.find(QStringLiteral("zelk:Length"));
        return it == spec.attributes.end() ? QString() : it->second;
    }
    if (spec.name == u"Wire") {
        return QString::number(LeadingDigits(spec.items.value(0))) + u'%';
    }
    return spec.items.value(0);
}

}  // namespace

void EngineBuilders::Edit(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    AddEdit(e, spec, spec.width != 0 ? spec.width : 240, EditText(spec));
}

namespace {

// Typing keeps to the spin's values (built from the device's range), and the
// tool tips of edit and spin say what the range is.
void LimitToRange(CAutoEdit* edit, CAutoSpinBtnCtrl* spin, const QList<int>& values,
                  const QString& unit) {
    QLineEdit* line = edit->Control();
    if (values.isEmpty() || line == nullptr) {
        return;
    }
    auto* validator = new RangeValidator(values.first(), values.last(), unit, line);
    line->setValidator(validator);
    line->setToolTip(validator->RangeText());
    if (QWidget* arrows = spin->Control()) {
        arrows->setToolTip(validator->RangeText());
    }
}

}  // namespace

CAutoSpinBtnCtrl* EngineBuilders::AddSpin(CSmartUiEngine& e, const ControlSpec& spec,
                                          CAutoEdit* edit, int minIndex, int maxIndex,
                                          int current) {
    const int y = e.RowY();
    auto* spin = Add<CAutoSpinBtnCtrl>(e, e.spins_, e.spinIds_,
                                       QRect(e.x_, y, kSpinWidth, kControlHeight), spec);
    e.x_ += kSpinWidth;
    const QString minText = LeadingDigitText(spec.items.value(minIndex));
    const QString maxText = LeadingDigitText(spec.items.value(maxIndex));
    const QList<int> values = minText.isEmpty() || maxText.isEmpty()
                                  ? QList<int>()
                                  : BuildSpinValues(LeadingDigits(minText), LeadingDigits(maxText));
    spin->SetValues(values);
    spin->coarse = values.size() > 1 && values.last() - values.first() > 400;
    spin->SetBuddy(edit);
    const QString unit = SpinUnit(spec.valueType, spec.objectText);
    LimitToRange(edit, spin, values, spec.name == u"Wire" ? QStringLiteral(" %") : unit);
    const qsizetype at = values.indexOf(current);
    if (at >= 0 && !LeadingDigitText(edit->GetWindowText()).isEmpty()) {
        spin->SetPos(static_cast<int>(at));
        edit->SetWindowText(SpinValueText(current, spec.name, unit));
    }
    e.spinGroups_.push_back({spec.name, unit, edit, spin, nullptr});
    return spin;
}

void EngineBuilders::EditSpin(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const QString text = EditText(spec);
    CAutoEdit* edit = AddEdit(e, spec, spec.width != 0 ? spec.width : 240, text);
    AddSpin(e, spec, edit, 1, 2, LeadingDigits(text));
}

void EngineBuilders::EditSpinSlider(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const QString text = EditText(spec);
    CAutoEdit* edit = AddEdit(e, spec, spec.width != 0 ? spec.width : 240, text);
    if (QLineEdit* line = edit->Control()) {
        line->setReadOnly(true);
    }
    AddSpin(e, spec, edit, 1, 2, LeadingDigits(text));
    const int y = e.RowY();
    auto* slider = Add<CAutoSliderCtrl>(e, e.sliders_, e.sliderIds_,
                                        QRect(e.x_, y, kSliderWidth, kControlHeight), spec);
    slider->SetRange(LeadingDigits(spec.items.value(1)), LeadingDigits(spec.items.value(2)));
    slider->SetPos(LeadingDigits(spec.items.value(0)));
    e.spinGroups_.back().slider = slider;
}

void EngineBuilders::Time(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    CAutoEdit* hours = AddEdit(e, spec, 50, spec.items.value(0));
    AddSpin(e, spec, hours, 1, 2, LeadingDigits(spec.items.value(0)));
    CAutoEdit* minutes = AddEdit(e, spec, 50, spec.items.value(3));
    AddSpin(e, spec, minutes, 4, 5, LeadingDigits(spec.items.value(3)));
    e.timeEdits_[spec.name] = {hours, minutes};
}

CAutoBitmapBtn* EngineBuilders::AddDrawingButton(CSmartUiEngine& e, const ControlSpec& spec,
                                                 int imageSet, int tool, bool disabledLook) {
    const int y = e.RowY();
    const int* images = kImageSets[imageSet];
    auto* button = Add<CAutoBitmapBtn>(e, e.bitmapButtons_, e.bitmapIds_,
                                       QRect(e.x_, y - 2, 24, 24), spec, 0, spec.name);
    CSmartUiEngine::ImageSet set{images[0], images[1], images[2], images[3], disabledLook};
    if (disabledLook) {
        std::swap(set.normal, set.disabled);
    }
    button->LoadBitmaps(set.normal, set.pressed, set.focused, set.disabled);
    e.drawingImages_[button] = set;
    button->SetTool(tool);
    button->text = spec.name;
    button->SetShowAllShapes(spec.showAll);
    const QSize size = button->BitmapSize().isValid() && !button->BitmapSize().isEmpty()
                           ? button->BitmapSize()
                           : QSize(24, 24);
    if (auto* widget = button->Control()) {
        widget->setGeometry(e.Place(QRect(QPoint(e.x_, y - 2), size)));
    }
    return button;
}

void EngineBuilders::RegisterShape(CSmartUiEngine& e, const ControlSpec& spec, int shapeType) {
    e.RegisterShape(spec.name, spec.items.value(0), shapeType);
}

void EngineBuilders::Drawing(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const int startX = e.x_;
    const auto next = [&e](CAutoBitmapBtn* button) {
        e.x_ += (button->Control() ? button->Control()->width() : 24) + kButtonGap;
    };
    switch (spec.kind) {
        case kControlRectButton:
        case kControlRectPageButton:
        case kControlRectVideoButton:
            AddDrawingButton(e, spec, kRectangle, 1);
            break;
        case kControlPolygonButton:
            next(AddDrawingButton(e, spec, kPen, 2));
            AddDrawingButton(e, spec, kRectangle, 6);
            break;
        case kControlPointButton:
            AddDrawingButton(e, spec, kPoint, 5);
            break;
        case kControlWireAllSolid:
            AddDrawingButton(e, spec, kLine, 3);
            break;
        case kControlWireOneSolid:
            AddDrawingButton(e, spec, kLine, 4);
            break;
        case kControlLineButton:
            AddDrawingButton(e, spec, kLine, 7);
            break;
        case kControlPolylineSpin: {
            // The calibration line: drawn like a line, measured in the edit.
            next(AddDrawingButton(e, spec, kLine, 7));
            EditSpin(e, spec, false);
            break;
        }
        case kControlFacePolygonButton:
            next(AddDrawingButton(e, spec, kPen, 9));
            AddDrawingButton(e, spec, kRectangle, 10);
            break;
        case kControlFaceRectButton:
            AddDrawingButton(e, spec, kRectangle, 8);
            break;
        case kControlPolygonAllButton:
            AddDrawingButton(e, spec, kPen, 2);
            break;
        case kControlFacePolygonDeleteButton:
            next(AddDrawingButton(e, spec, kPen, 9));
            AddDrawingButton(e, spec, kDelete, 14);
            break;
        default:
            return;
    }
    if (spec.kind != kControlPolylineSpin) {
        e.x_ = startX;  // drawing buttons leave the cursor where it was
    }
    RegisterShape(e, spec, OverlayShapeOfKind(spec.kind));
}

void EngineBuilders::PtzLimit(CSmartUiEngine& e, const ControlSpec& spec, bool) {
    const int count = e.ptzGroupCount_++;
    const int column = count % 3;
    const int left = e.header_.left() + 10 + e.indent_;
    if (column == 0 && count > 0) {
        e.y_ += 30;
    }
    const int cell = e.ptzCellWidth_;
    e.x_ = left + column * cell;
    const bool inUse = spec.items.value(1) == u"1" || count == e.ptzNumber_;
    e.ptzMarks_.push_back(spec.items.value(1));
    CAutoBitmapBtn* button = AddDrawingButton(e, spec, kPoint, 5, !inUse);
    const int buttonWidth = button->Control() ? button->Control()->width() : 24;
    ControlSpec boxSpec = spec;
    boxSpec.hidden = 0;
    auto* box = Add<CAutoBtnPush>(
        e, e.checkBoxes_, e.checkIds_,
        QRect(e.x_ + buttonWidth + 4, e.RowY(), cell - buttonWidth - 8, kControlHeight), boxSpec, 0,
        spec.items.value(0));
    if (QCheckBox* widget = box->Control()) {
        // The cell is fixed; a caption too wide for it is narrowed, not cut.
        const int room = box->Rect().width();
        const int needed = widget->sizeHint().width();
        if (needed > room) {
            QFont narrow = e.font_;
            narrow.setStretch(std::max(60, e.font_.stretch() * room / needed));
            widget->setFont(narrow);
        }
    }
    if (e.ptzGroupBase_ < 0) {
        e.ptzGroupBase_ = box->Offset();
    }
    box->SetCheck(count == e.ptzNumber_ ? 1 : 0);
    ControlSpec shapeSpec = spec;
    shapeSpec.items = QStringList{spec.items.value(2)};
    RegisterShape(e, shapeSpec, kShapeNone);
    if (column == 2) {
        e.x_ = left;
    }
}

}  // namespace vexo
