#pragma once
// CSmartLinkageMethod: the "Linkage Method" tab of the smart configuration
// page: the linkage editor whose rule batch is allowed (the page gives the
// function's rules with SetRuleBatch).

#include "dlg_part_base.h"
#include "linkage_editor.h"

namespace vexo {

class CSmartLinkageMethod : public LinkageEditor, public CSmartConfigBase {
    Q_OBJECT
public:
    explicit CSmartLinkageMethod(QWidget* parent = nullptr);
    ~CSmartLinkageMethod() override;
};

}  // namespace vexo
