#pragma once
// The control builders of the parameter engine: one small function per
// ControlKind, chosen through one table. Each creates its control(s) at the
// engine's cursor, copies the row's parameter name, value record and links
// into them and appends them to the engine's lists.

#include "smart_ui_engine.h"

namespace vexo {

class EngineBuilders {
public:
    using Builder = void (*)(CSmartUiEngine&, const ControlSpec&, bool isLabel);
    // Builds the controls of one ControlSpec; kinds without a builder (0, 21,
    // 22, unknown) create nothing.
    static void Build(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);

    static void CheckBox(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void XpButton(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void Static(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void Combo(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void Edit(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void EditSpin(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void EditSpinSlider(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void Time(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void Drawing(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);
    static void PtzLimit(CSmartUiEngine& e, const ControlSpec& spec, bool isLabel);

    // Shared steps.
    template <class Control, class List>
    static Control* Add(CSmartUiEngine& e, List& list, CSmartUiEngine::IdWindow& ids,
                        const QRect& rect, const ControlSpec& spec, unsigned style = 0,
                        const QString& text = {});
    static CAutoEdit* AddEdit(CSmartUiEngine& e, const ControlSpec& spec, int width,
                              const QString& text);
    // A spin after `edit` walking items[minIndex]..items[maxIndex].
    static CAutoSpinBtnCtrl* AddSpin(CSmartUiEngine& e, const ControlSpec& spec, CAutoEdit* edit,
                                     int minIndex, int maxIndex, int current);
    static CAutoBitmapBtn* AddDrawingButton(CSmartUiEngine& e, const ControlSpec& spec,
                                            int imageSet, int tool, bool disabledLook = false);
    static void RegisterShape(CSmartUiEngine& e, const ControlSpec& spec, int shapeType);
};

}  // namespace vexo
