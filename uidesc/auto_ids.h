#pragma once
// Identifier ranges of the auto-generated controls. Every class owns the
// identifiers base + 0 to base + MAX_AUTO_COMPONENT_NUM_PER_CLASS, so a page
// can send all notifications of one class to one handler and find the
// control by its offset inside the range.

namespace vexo {

constexpr int MAX_AUTO_COMPONENT_NUM_PER_CLASS = 799;

// Class numbers. Push buttons (0) and radio buttons (1) have ranges that the
// pages route, but no auto-generated class uses them.
enum AutoClassNumber : int {
    kAutoPushButtonClass = 0,
    kAutoRadioButtonClass = 1,
    kAutoCheckBoxClass = 2,
    kAutoXpButtonClass = 3,
    kAutoPngButtonClass = 4,
    kAutoBitmapButtonClass = 5,
    kAutoComboBoxClass = 6,
    kAutoEditClass = 7,
    kAutoSpinClass = 8,
    kAutoStaticClass = 9,
    kAutoSliderClass = 10,
    kAutoListBoxClass = 11,
};

constexpr int kAutoClassCount = 12;

// Identifier base of a class number; 0 for any number that is not a class.
constexpr int AutoIdBase(int classNumber) {
    switch (classNumber) {
        case kAutoPushButtonClass:
            return 10000;
        case kAutoRadioButtonClass:
            return 16000;
        case kAutoCheckBoxClass:
            return 17000;
        case kAutoXpButtonClass:
            return 18000;
        case kAutoPngButtonClass:
            return 21000;
        case kAutoBitmapButtonClass:
            return 11000;
        case kAutoComboBoxClass:
            return 12000;
        case kAutoEditClass:
            return 13000;
        case kAutoSpinClass:
            return 14000;
        case kAutoStaticClass:
            return 15000;
        case kAutoSliderClass:
            return 19000;
        case kAutoListBoxClass:
            return 20000;
        default:
            return 0;
    }
}

// The note the string table keeps under each base identifier: the component
// class and its range. Null for any other identifier.
constexpr const char* AutoRangeNote(int id) {
    switch (id) {
        case 10000:
            return "Push buttons: 10000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 11000:
            return "CAutoBitmapBtn: 11000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 12000:
            return "CAutoComboBox: 12000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 13000:
            return "CAutoEdit: 13000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 14000:
            return "CAutoSpinBtnCtrl: 14000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 15000:
            return "CAutoStatic: 15000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 16000:
            return "Radio buttons: 16000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 17000:
            return "CAutoBtnPush: 17000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 18000:
            return "CAutoXpBtn: 18000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 19000:
            return "CAutoSliderCtrl: 19000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 20000:
            return "CAutoListBox: 20000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        case 21000:
            return "CAutoPngBtn: 21000 +0 to +MAX_AUTO_COMPONENT_NUM_PER_CLASS";
        default:
            return nullptr;
    }
}

// True when `id` lies in the range of the class whose base is `base`.
constexpr bool IsInAutoRange(int id, int base) {
    return base > 0 && id >= base && id <= base + MAX_AUTO_COMPONENT_NUM_PER_CLASS;
}

// Class number owning `id`, or -1 when no class range holds it.
constexpr int AutoClassOfId(int id) {
    for (int number = 0; number < kAutoClassCount; ++number) {
        if (IsInAutoRange(id, AutoIdBase(number))) {
            return number;
        }
    }
    return -1;
}

// Offset of `id` inside the range of its class; -1 when no class holds it.
constexpr int AutoOffsetOfId(int id) {
    const int number = AutoClassOfId(id);
    return number < 0 ? -1 : id - AutoIdBase(number);
}

}  // namespace vexo
