#include "smart_index_page.h"

#include "dialog_manager.h"

CSmartIndexPage::CSmartIndexPage(CAudioVideoPlay* session)
    : CPageDialog(0, kTemplateSize, true), session_(session) {}

void CSmartIndexPage::Rebuild() {
    scenePosition_ = 0;
    sceneNames_.clear();
    if (CDialogManager* manager = Manager()) {
        for (const SceneRecord& scene : manager->Scenes()) {
            sceneNames_.append(scene.name);
        }
    }
    update();
}
