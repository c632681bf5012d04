#pragma once
// The module's page factory: the one place that knows every page class, so
// that the page manager creates pages without linking the page targets.

#include "managed_page.h"

namespace vexo {

class PageFactory : public IPageFactory {
public:
    std::unique_ptr<IManagedPage> CreatePage(PageKind kind, CAudioVideoPlay* session) override;
};

// The factory every control of the process hands to its page managers.
IPageFactory& ThePageFactory();

}  // namespace vexo
