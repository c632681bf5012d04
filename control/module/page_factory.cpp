#include "page_factory.h"

#include "normal_arming_set.h"
#include "smart_config_set.h"
#include "smart_index_page.h"
#include "smart_scene_set.h"

namespace vexo {

std::unique_ptr<IManagedPage> PageFactory::CreatePage(PageKind kind, CAudioVideoPlay* session) {
    switch (kind) {
        case PageKind::Index:
            return std::make_unique<CSmartIndexPage>(session);
        case PageKind::SceneSet:
            return std::make_unique<CSmartSceneSet>(session);
        case PageKind::SmartConfig:
            return std::make_unique<CSmartConfigSet>(session);
        case PageKind::NormalArming:
            return std::make_unique<CNormalArmingSet>(session);
    }
    return nullptr;
}

IPageFactory& ThePageFactory() {
    static PageFactory factory;
    return factory;
}

}  // namespace vexo
