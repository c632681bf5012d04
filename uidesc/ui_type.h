#pragma once
// The kinds of parameter row the UI description names with `uiType`, and
// the fixed table from that text to the kind.

#include <QString>
#include <map>

namespace vexo {

enum UiType {
    UI_UNKNOWN = 0,  // any text the table does not hold: an empty row
    UI_NULL = 1,
    UI_Static_And_Static = 2,
    UI_Static_And_ComboBoxUnEdit = 3,
    UI_Static_And_ComboBox = 4,
    UI_XpBtn = 5,
    UI_Static_And_Edit = 6,
    UI_Static_And_PushBtn = 7,
    UI_Static_And_RectBmpBtn = 8,
    UI_Static_And_PenBmpBtn_RectBmpBtn = 9,
    UI_Static_And_Edit_Spin_LineBmpBtn = 10,
    UI_Static_And_Edit_Spin = 11,
    UI_Static_And_Edit_Spin_Slider = 12,
    UI_Static_And_PointBmpBtn = 13,
    UI_WIRE = 14,
    UI_PTZ_NUMBER = 15,
    UI_PTZ_LIMIT = 16,
    UI_LINE = 17,
    UI_Static_And_Edit_Spin_Length = 18,
    UI_Static_And_Face_RectBmpBtn = 19,
    UI_Static_And_Face_PenBmpBtn_RectBmpBtn = 20,
    UI_Static_And_RectBmpBtn_PageShow = 21,
    UI_Static_And_RectBmpBtn_VideoShow = 22,
    UI_Static_And_PenBmpBtn_AllShow = 23,
    UI_Static_And_Face_PenBmpBtn_DeleteBmpBtn_AllShow = 24,
    UI_WIRE_AllShow_AllSolid = 25,
    UI_WIRE_AllShow_OneSolid = 26,
    UI_Static_And_Edit_Spin_time = 27,
};

class UiTypeTable {
public:
    UiTypeTable();
    // Exact, case-sensitive; a miss is UI_UNKNOWN.
    UiType Lookup(const QString& text) const;
    const std::map<QString, UiType>& Entries() const { return table_; }

private:
    std::map<QString, UiType> table_;
};

}  // namespace vexo
