#include "ui_type.h"

namespace vexo {

UiTypeTable::UiTypeTable() {
#define VEXO_UI_TYPE(name) table_.emplace(QStringLiteral(#name), name)
    VEXO_UI_TYPE(UI_NULL);
    VEXO_UI_TYPE(UI_Static_And_Static);
    VEXO_UI_TYPE(UI_Static_And_ComboBoxUnEdit);
    VEXO_UI_TYPE(UI_Static_And_ComboBox);
    VEXO_UI_TYPE(UI_XpBtn);
    VEXO_UI_TYPE(UI_Static_And_Edit);
    VEXO_UI_TYPE(UI_Static_And_PushBtn);
    VEXO_UI_TYPE(UI_Static_And_RectBmpBtn);
    VEXO_UI_TYPE(UI_Static_And_PenBmpBtn_RectBmpBtn);
    VEXO_UI_TYPE(UI_Static_And_Edit_Spin_LineBmpBtn);
    VEXO_UI_TYPE(UI_Static_And_Edit_Spin);
    VEXO_UI_TYPE(UI_Static_And_Edit_Spin_Slider);
    VEXO_UI_TYPE(UI_Static_And_PointBmpBtn);
    VEXO_UI_TYPE(UI_WIRE);
    VEXO_UI_TYPE(UI_PTZ_NUMBER);
    VEXO_UI_TYPE(UI_PTZ_LIMIT);
    VEXO_UI_TYPE(UI_LINE);
    VEXO_UI_TYPE(UI_Static_And_Edit_Spin_Length);
    VEXO_UI_TYPE(UI_Static_And_Face_RectBmpBtn);
    VEXO_UI_TYPE(UI_Static_And_Face_PenBmpBtn_RectBmpBtn);
    VEXO_UI_TYPE(UI_Static_And_RectBmpBtn_PageShow);
    VEXO_UI_TYPE(UI_Static_And_RectBmpBtn_VideoShow);
    VEXO_UI_TYPE(UI_Static_And_PenBmpBtn_AllShow);
    VEXO_UI_TYPE(UI_Static_And_Face_PenBmpBtn_DeleteBmpBtn_AllShow);
    VEXO_UI_TYPE(UI_WIRE_AllShow_AllSolid);
    VEXO_UI_TYPE(UI_WIRE_AllShow_OneSolid);
    VEXO_UI_TYPE(UI_Static_And_Edit_Spin_time);
#undef VEXO_UI_TYPE
}

UiType UiTypeTable::Lookup(const QString& text) const {
    const auto found = table_.find(text);
    return found == table_.end() ? UI_UNKNOWN : found->second;
}

}  // namespace vexo
