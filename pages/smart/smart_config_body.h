#pragma once
// CSmartConfigBody: the lower part of the smart configuration page: the tab
// buttons "Param Set", "Arming Interval" and "Linkage Method", the Save and
// Recover buttons, and the content of the chosen tab. The parameter panel is
// the rule panel controller's; the schedule and linkage tabs host the shared
// editors. Tabs beyond "Param Set" appear when the rule requires them.

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "auto_controls.h"
#include "auto_notification.h"
#include "dlg_part_base.h"
#include "rule_lint_line.h"
#include "smart_ui_auto_fresh.h"

class CSmartXmlParse;
class QPainter;
class QWidget;

namespace vexo {
class CShowAIConfig;
class CSmartArmingInterval;
class CSmartLinkageMethod;
}  // namespace vexo

class CSmartConfigBody : public CSmartConfigBase {
public:
    enum Tab { kParamTab = 1, kArmingTab = 2, kLinkageTab = 3 };

    explicit CSmartConfigBody(CSmartXmlParse* parse);
    ~CSmartConfigBody() override;

    void Create(QWidget* parent);
    // Where the panel's geometry is drawn: the page's overlay over the video
    // window (pixel space `videoRect`) on play port `port` (-1: no video).
    void SetVideo(vexo::CShowAIConfig* overlay, const QRect& videoRect, int port);
    int VideoPort() const { return controller_.Port(); }

    // The panel of rule `token` (with the tabs its function requires), of
    // the function's modules, or nothing at all (no rule button in use).
    void ShowRule(const QString& scene, const QString& funName, const QString& token,
                  const QStringList& ruleTokens);
    void ShowModules(const QString& scene, const QString& funName);
    void ShowNothing();
    // The rules the editors' rule batch offers.
    void SetRuleTokens(const QStringList& tokens) { ruleTokens_ = tokens; }

    // Tabs, Save and Recover (owner-drawn offsets 391-397); true when taken.
    bool OnCommand(int offset);
    // Every other control notification goes to the panel.
    bool Dispatch(const vexo::AutoNotification& notification);
    // Draws the current panel's geometry again (the live video started).
    // Builds the panel again over the picture; the tab shown keeps its
    // controls (a rebuild makes every row visible).
    void RedrawGeometry() {
        controller_.Rebuild();
        controller_.ShowAll(tab_ == kParamTab);
        UpdateMarks();
    }
    void Paint(QPainter& painter) const;
    // Stores the rule's schedule and linkage the operator marked for the
    // batch export in the manager's caches.
    void StoreForExport();
    // Keeps a record the controller read or saved in the manager's caches.
    void GatherRecord(vexo::CSmartUiAutoFresh::Owner owner, const ParamRecord& record);

    // Unsaved edits of the tab shown (its panel or editor differs from
    // what the device held when read or last saved). Only the tab shown can
    // hold them: leaving a tab settles its edits first.
    bool IsModified() const;
    // Before the operator leaves the tab shown (another tab, rule, function,
    // scene or page): with unsaved edits asks "Save changes?"; Save saves
    // the tab, Discard restores the device's values. False when the
    // operator stays (Cancel, or a save the device refused).
    bool ConfirmLeave();
    // Called whenever the tab shown may have become edited or unchanged.
    void SetEditedListener(std::function<void(bool)> listener) {
        editedListener_ = std::move(listener);
    }
    // Puts the unsaved-edits mark on the tab button shown and tells the
    // listener.
    void UpdateMarks();

    int CurrentTab() const { return tab_; }
    vexo::CSmartArmingInterval* Arming() const { return arming_.get(); }
    vexo::CSmartLinkageMethod* Linkage() const { return linkage_.get(); }
    vexo::CSmartUiAutoFresh& Controller() { return controller_; }
    const vexo::smart::RuleLintLine& LintLine() const { return lintLine_; }

private:
    void ChooseTab(int tab);
    void ShowTabs(bool show);
    // Loads the editor of `tab` for the rule shown, unless it already holds
    // that rule (then the operator's unsaved edits stay).
    void PrepareEditor(int tab);
    bool Save();
    void Recover();
    // Throws the tab's edits away: the device's values are read again.
    void Discard();

    CSmartXmlParse* parse_;  // not owned
    QWidget* parent_ = nullptr;
    vexo::CSmartUiAutoFresh controller_;
    vexo::CAutoXpBtn paramTab_;
    vexo::CAutoXpBtn armingTab_;
    vexo::CAutoXpBtn linkageTab_;
    vexo::CAutoXpBtn save_;
    vexo::CAutoXpBtn recover_;
    int tab_ = kParamTab;
    bool hasArming_ = false;
    bool hasLinkage_ = false;
    QStringList ruleTokens_;
    std::unique_ptr<vexo::CSmartArmingInterval> arming_;
    std::unique_ptr<vexo::CSmartLinkageMethod> linkage_;
    // The rule each editor was loaded for ("" before: load on first show).
    QString armingLoadedFor_;
    QString linkageLoadedFor_;
    vexo::smart::RuleLintLine lintLine_;  // why the rule shown cannot fire
    std::function<void(bool)> editedListener_;
    bool marked_ = false;  // the mark UpdateMarks last put on
};
