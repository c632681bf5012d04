#include "scene_set_header.h"

#include <QColor>

#include "com_str.h"
#include "smart_scene_set.h"
#include "tool_tip_help.h"

namespace {
constexpr int kXpBase = 18000;
constexpr QSize kButtonSize{90, 28};
// Both title buttons are drawn in the page's link blue (COLORREF 0xAE6722).
const QColor kTitleButtonText(0x22, 0x67, 0xAE);
}  // namespace

void CSceneSetHeader::Create(QWidget* parent, int width) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    label_.Create(kNameLabelId, parent, QRect(10, 9, 100, 20), vexo::kAutoStyleNone,
                  texts.sceneName);
    name_.Create(kNameEditId, parent, QRect(115, 7, 220, 24));
    // The two buttons line up from 100 pixels left of the right edge,
    // 10 pixels apart: return first, help to its left.
    const int returnLeft = width - 100;
    return_.Create(kXpBase + kReturnIndex, parent, QRect(QPoint(returnLeft, 5), kButtonSize),
                   vexo::kAutoStyleNone, texts.returnBack);
    help_.Create(kXpBase + kHelpIndex, parent,
                 QRect(QPoint(returnLeft - 10 - kButtonSize.width(), 5), kButtonSize),
                 vexo::kAutoStyleNone, texts.help);
    vexo::Describe(return_.Control(), texts.returnTip);
    vexo::Describe(help_.Control(), texts.helpTip);
    for (vexo::CAutoXpBtn* button : {&return_, &help_}) {
        button->SetImages(541, 542);
        button->Control()->SetTextColor(kTitleButtonText);
    }
}

bool CSceneSetHeader::OnCommand(int offset) {
    if (offset == kReturnIndex) {
        Page()->Return();
        return true;
    }
    // Help has no text of its own on the device; the button is there for
    // hosts that show their own help beside the control.
    return offset == kHelpIndex;
}
