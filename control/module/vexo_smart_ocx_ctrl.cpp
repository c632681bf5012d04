// Skeleton of the control: the methods answer as a control without a page
// manager does. The login, the page manager and the configuration reader
// replace these bodies when the page framework lands.
#include "vexo_smart_ocx_ctrl.h"

CVexoSmartOcxCtrl::CVexoSmartOcxCtrl(QWidget* parent) : QWidget(parent) {}
CVexoSmartOcxCtrl::~CVexoSmartOcxCtrl() = default;

bool CVexoSmartOcxCtrl::SetLanguage(const QString&) { return true; }
bool CVexoSmartOcxCtrl::SetDeviceLoginInfo(const QString&, const QString&, const QString&, int) {
    return false;
}
int CVexoSmartOcxCtrl::GetCurScenesTourNum() { return 0; }
bool CVexoSmartOcxCtrl::SetCurScenesTourNum(int) { return true; }
int CVexoSmartOcxCtrl::GetCurSmartSceneNum() { return -2; }
bool CVexoSmartOcxCtrl::SetCurSmartSceneNum(int) { return true; }
QString CVexoSmartOcxCtrl::GetConfig(const QString&, const QString&, const QString&) { return {}; }
bool CVexoSmartOcxCtrl::SetConfig(const QString&, const QString&, const QString&, const QString&) {
    return false;
}
bool CVexoSmartOcxCtrl::Destroy() { return true; }
