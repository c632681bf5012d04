#pragma once
// CSmartConfigSet (page 2): the rules of one smart function on one scene.
// Top to bottom: the header (scene list, return button), the function bar,
// the rule bar, then the live video beside the body (tabs, parameter panel,
// schedule and linkage editors, Save and Recover). The selected rule's
// geometry is drawn over the video and edited there with the mouse.
//
// The page decides what the panel shows from its rule bar: a rule's
// parameters while a rule button is selected, the function's modules while
// "Advance Param" is, nothing when no button is in use.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "engine_point_table.h"
#include "smart_config_body.h"
#include "smart_config_header.h"
#include "smart_fun_title.h"
#include "smart_rule_title.h"
#include "video_page_dialog.h"

class CSmartConfigSet : public CVideoPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    explicit CSmartConfigSet(CAudioVideoPlay* session);
    ~CSmartConfigSet() override;

    // Enters scene `sceneToken` with the function of command index
    // `functionIndex` (a function button of the index page or of this
    // page's function bar) selected; -1, or a function the scene does not
    // have, selects the scene's first function. The scene's enabled
    // functions and the function's rules are read from the device on every
    // entry, so changes made elsewhere show the next time the page is
    // entered (or another function or scene is chosen); "Advance Param" is
    // selected first, as the operator left no rule open.
    void Enter(const QString& sceneName, const QString& sceneToken, int functionIndex) override;
    void StoreForExport() override;
    bool ConfirmLeave() override;
    bool OnAutoNotify(const vexo::AutoNotification& notification) override;

    // For tests and tools.
    const QString& SceneToken() const { return sceneToken_; }
    const QString& FunName() const { return funName_; }
    CSmartRuleTitle& RuleBar() { return ruleTitle_; }
    CSmartConfigBody& Body() { return *body_; }

protected:
    void OnInitDialog() override;
    void OnTimer(int id) override;
    bool OnCommand(int offset) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Ctrl+Z undoes the panel's last step; Ctrl+Shift+Z and Ctrl+Y redo
    // it (keys the focused control leaves unused come here).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SelectFunction(const QString& funName);
    void SelectRule(int current);
    void AddRule();
    void DeleteRule();
    void ChooseScene(int index);
    // The function name of command index `index`; empty when none.
    QString FunctionOfIndex(int index) const;
    // The video window at `video` (the page fits its window).
    void PlaceVideo(const QRect& video);
    // Points the session's overlay at this page's video window.
    void ClaimOverlay();
    // Tab goes as the page reads: scene list, functions, rules, tabs, the
    // panel row by row, undo and redo, Save, Recover, return. Called after
    // every build of the bars or the panel.
    void UpdateTabOrder();
    // The undo and redo buttons show with Save on the parameter tab, and
    // are enabled while there is a step to undo or redo.
    void SyncHistoryButtons();
    // The live picture shows the targets and hits of the function shown;
    // setting it starts every rule's count afresh.
    void RestartHitCounts();
    void ShowHitCounts();

    CSmartConfigHeader header_;
    CSmartFunTitle funTitle_;
    CSmartRuleTitle ruleTitle_;
    std::unique_ptr<CSmartConfigBody> body_;  // made with the page's device context
    vexo::CAutoXpBtn undo_;
    vexo::CAutoXpBtn redo_;
    vexo::CPointTable pointTable_;
    QString sceneName_;
    QString sceneToken_;
    QString funName_;
    bool previewAsked_ = false;
};
