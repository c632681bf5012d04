#include "smart_linkage_method.h"

namespace vexo {

CSmartLinkageMethod::CSmartLinkageMethod(QWidget* parent) : LinkageEditor(parent) {
    SetRuleBatch(true);
}

CSmartLinkageMethod::~CSmartLinkageMethod() = default;

}  // namespace vexo
