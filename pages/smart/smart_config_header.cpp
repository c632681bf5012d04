#include "smart_config_header.h"

#include <QComboBox>

#include "com_str.h"
#include "dialog_manager.h"
#include "image_catalog.h"
#include "smart_config_layout.h"
#include "smart_config_set.h"
#include "tool_tip_help.h"

using namespace vexo::smart;

void CSmartConfigHeader::Create(QWidget* parent) {
    caption_.Create(kStaticBase + kSceneCaptionOffset, parent, kSceneCaptionRect,
                    vexo::kAutoStyleNone, vexo::TheComStr()->currentScene);
    scenes_.Create(kComboBase + kSceneComboOffset, parent, kSceneComboRect);
    if (QComboBox* combo = scenes_.Control()) {
        combo->setMaxVisibleItems(kSceneComboListHeight / combo->sizeHint().height());
    }
    return_.Create(kXpBase + kReturnOffset, parent,
                   QRect(kReturnTopLeft, vexo::ImageSizeById(232)));
    return_.SetImages(232, 232);
    vexo::Describe(return_.Control(), vexo::TheComStr()->returnTip);
}

void CSmartConfigHeader::Refresh(const QString& sceneToken) {
    QComboBox* combo = scenes_.Control();
    CDialogManager* manager = Manager();
    if (!combo || !manager) {
        return;
    }
    const QSignalBlocker quiet(combo);
    combo->clear();
    int selected = -1;
    for (const SceneRecord& scene : manager->Scenes()) {
        if (scene.token == sceneToken) {
            selected = combo->count();
        }
        combo->addItem(scene.name);
    }
    combo->setCurrentIndex(selected);
}

QString CSmartConfigHeader::TokenAt(int index) const {
    CDialogManager* manager = Manager();
    if (!manager || index < 0 || index >= static_cast<int>(manager->Scenes().size())) {
        return {};
    }
    return manager->Scenes()[static_cast<size_t>(index)].token;
}

int CSmartConfigHeader::SelectedIndex() const {
    return scenes_.Control() ? scenes_.Control()->currentIndex() : -1;
}
