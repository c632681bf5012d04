#include "vexo_smart_ocx_prop_page.h"

CVexoSmartOcxPropPage::CVexoSmartOcxPropPage(QWidget* parent) : QWidget(parent) {
    setWindowTitle(Caption());
}

QString CVexoSmartOcxPropPage::Caption() {
    return QStringLiteral("常规");
}
