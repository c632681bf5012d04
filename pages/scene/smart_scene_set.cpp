#include "smart_scene_set.h"

#include "dialog_manager.h"

CSmartSceneSet::CSmartSceneSet(CAudioVideoPlay* session)
    : CVideoPageDialog(1, kTemplateSize, true, session) {}

void CSmartSceneSet::OnTimer(int id) {
    if (id != kPtzLockTimer) {
        CVideoPageDialog::OnTimer(id);
        return;
    }
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    // The device lets a lock lapse after five minutes: release and take it
    // again before that.
    CSmartXmlParse& context = manager->DeviceContext();
    context.PTZUnLock();
    if (!context.PTZLock(QStringLiteral("300000"))) {
        context.ShowDeviceError();
    }
}
