#include "scene_set_com.h"

#include "com_str.h"
#include "smart_scene_set.h"

namespace {
constexpr int kXpBase = 18000;
constexpr QSize kButtonSize{100, 32};
}  // namespace

void CSceneSetCom::Create(QWidget* parent, QPoint topLeft) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    save_.Create(kXpBase + kSaveIndex, parent, QRect(topLeft, kButtonSize), vexo::kAutoStyleNone,
                 texts.save);
    recover_.Create(kXpBase + kRecoverIndex, parent,
                    QRect(topLeft + QPoint(kButtonSize.width() + 20, 0), kButtonSize),
                    vexo::kAutoStyleNone, texts.recover);
    save_.SetImages(541, 542);
    recover_.SetImages(541, 542);
    // Here Recover resets nothing on the device: it shows again what the
    // device holds, which the operator cannot guess from "Recover" alone.
    recover_.Control()->setToolTip(texts.recoverReloadsTip);
}

bool CSceneSetCom::OnCommand(int offset) {
    if (offset == kSaveIndex) {
        Page()->Save();
        return true;
    }
    if (offset == kRecoverIndex) {
        Page()->Recover();
        return true;
    }
    return false;
}
