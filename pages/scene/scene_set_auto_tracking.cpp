#include "scene_set_auto_tracking.h"

#include "com_str.h"
#include "dialog_manager.h"
#include "scene_set_body.h"
#include "smart_scene_set.h"

namespace {
constexpr int kXpBase = 18000;
constexpr QPoint kButtonsOffset{470, 380};
constexpr QSize kButtonSize{110, 30};
}  // namespace

void CSceneSetAutoTracking::Create(QWidget* parent, QPoint origin) {
    CSceneSetBaseWithPtz::Create(parent, origin);
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const QPoint at = origin + kButtonsOffset;
    setPosition_.Create(kXpBase + kSetPositionIndex, parent, QRect(at, kButtonSize),
                        vexo::kAutoStyleNone, texts.setPosition);
    autoGet_.Create(kXpBase + kAutoGetIndex, parent,
                    QRect(at + QPoint(kButtonSize.width() + 20, 0), kButtonSize),
                    vexo::kAutoStyleNone, texts.autoGet);
    setPosition_.SetImages(541, 542);
    autoGet_.SetImages(541, 542);
}

void CSceneSetAutoTracking::Show(bool show) {
    CSceneSetBaseWithPtz::Show(show);
    setPosition_.Show(show ? 1 : 0);
    autoGet_.Show(show ? 1 : 0);
}

QString CSceneSetAutoTracking::PositionText(float pan, float tilt) {
    return QString::asprintf("1|(%f,%f)", static_cast<double>(pan), static_cast<double>(tilt));
}

bool CSceneSetAutoTracking::OnCommand(int offset) {
    CSceneSetBodyTitle& body = Page()->Body();
    const QString& token = Page()->Scene().token;
    if (offset == kSetPositionIndex) {
        body.EditPoint(true, token);
    } else if (offset == kAutoGetIndex) {
        PtzPosition position;
        CDialogManager* manager = Manager();
        if (manager != nullptr && !token.isEmpty() &&
            manager->DeviceContext().GetPTZPosition(position)) {
            body.ShowPoint(token, PositionText(position.pan, position.tilt));
        }
    }
    return CSceneSetBaseWithPtz::OnCommand(offset) || offset == kSetPositionIndex ||
           offset == kAutoGetIndex;
}
