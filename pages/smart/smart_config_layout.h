#pragma once
// Where the parts of the smart configuration page go (page pixels). The
// header sits on the title band; the function bar and the rule bar run across
// the page below it; the live video and the body (tabs, panel, Save and
// Recover) share the rest side by side, the body wide enough for a parameter
// row (a 280-pixel label and a 300-pixel control).

#include <QRect>

namespace vexo::smart {

inline constexpr int kXpBase = 18000;
inline constexpr int kComboBase = 12000;
inline constexpr int kStaticBase = 15000;

// Header.
inline constexpr int kSceneCaptionOffset = 99;  // static
inline constexpr int kSceneComboOffset = 0;     // combo box
inline constexpr int kReturnOffset = 106;       // owner-drawn button
inline constexpr QRect kSceneCaptionRect{10, 9, 95, 20};
inline constexpr QRect kSceneComboRect{110, 5, 200, 26};
inline constexpr int kSceneComboListHeight = 400;
inline constexpr QPoint kReturnTopLeft{320, 3};

// Function bar: rows of buttons, a row closed within 250 pixels of its end.
inline constexpr QRect kFunctionBar{10, 42, 1260, 76};
inline constexpr int kFunctionRowStep = 38;
inline constexpr int kFunctionRowReserve = 250;

// Rule bar.
inline constexpr QPoint kRuleBarTopLeft{10, 122};
inline constexpr int kAddOffset = 451;
inline constexpr int kDelOffset = 452;
inline constexpr int kAdvanceOffset = 460;
inline constexpr int kFirstRuleOffset = 461;  // to 468

// Video and body.
inline constexpr QRect kSmartVideoRect{10, 164, 640, 360};
inline constexpr QPoint kTabsTopLeft{664, 164};
inline constexpr QRect kPanelHeader{660, 200, 610, 0};
inline constexpr QRect kPanelRect{660, 200, 610, 420};
inline constexpr int kTabParamOffset = 391;
inline constexpr int kSaveOffset = 392;
inline constexpr int kRecoverOffset = 393;
inline constexpr int kTabArmingOffset = 396;
inline constexpr int kTabLinkageOffset = 397;
inline constexpr QPoint kSaveTopLeft{1054, 626};
inline constexpr QPoint kRecoverTopLeft{1162, 626};
// Undo and redo, left of Save; the point table under the video's buttons.
inline constexpr int kUndoOffset = 470;
inline constexpr int kRedoOffset = 471;
inline constexpr QRect kUndoRect{966, 626, 40, 36};
inline constexpr QRect kRedoRect{1008, 626, 40, 36};
inline constexpr QRect kPointTableRect{10, 560, 640, 100};

}  // namespace vexo::smart
