#pragma once
// CAbnormalSoundBody: the abnormal sound view of the index page. It shows
// the live video of the shared session beside the parameter panel of the
// sound check ("zelk:Abnormal_Sound_Event"), built by the parameter engine
// from the device's UI description, with "Save" and "Recover" below.
//
// What the panel edits: the sound check is a rule of the device's current
// scene; the panel shows that scene's first rule of the function followed
// by the modules the rule requires (the audio input). "Save" writes the
// rule with "CMD_ModifyRuleParam" and each module with
// "CMD_ModifyModuleParam" and says "Save Success"; "Recover" asks the
// device to restore the defaults of the rule and its modules and shows them.
// A refusal shows the device's error text and keeps the panel as it was.
// A scene without such a rule shows the modules only.
//
// The body uses the page manager's device context rather than a parser of
// its own, so that it speaks the same language tables and session.

#include <QRect>
#include <map>

#include "auto_notification.h"
#include "av_play_base.h"
#include "com_font.h"
#include "dlg_part_base.h"
#include "param_record.h"
#include "smart_ui_engine.h"

class QPainter;
class CDialogManager;

class CAbnormalSoundBody : public CIndexPageBase, public CAVPlayBase {
public:
    static constexpr int kXpBase = 18000;
    static constexpr int kTitleIndex = 391;
    static constexpr int kSaveIndex = 110;
    static constexpr int kRecoverIndex = 111;
    static constexpr char kFunctionName[] = "zelk:Abnormal_Sound_Event";

    explicit CAbnormalSoundBody(CAudioVideoPlay* session);
    ~CAbnormalSoundBody() override;

    // Part initialisation: the manager (not owned), the page window and
    // its client rectangle.
    void InitPart(CDialogManager* manager, QWidget* parent, const QRect& pageRect);
    // 1 builds the view, 0 removes its controls; 110 and 111 are the
    // command buttons; 394 and 395 the pane's play and stop.
    void ShowState(int state);
    // Owner-drawn button `index`; true when it is the body's.
    bool OnCommand(int index);
    // The panel's controls; false when the notification is not the body's.
    bool OnNotify(const vexo::AutoNotification& notification);
    void Paint(QPainter& painter) const;

    bool IsShown() const { return shown_; }
    // Save and Recover; true when the device took every command.
    bool Save();
    bool Recover();
    vexo::CSmartUiEngine& Engine() { return engine_; }
    const ParamRecord& Rule() const { return rule_; }

private:
    void Rebuild();
    void DestroyControls();
    // Reads (or with `reset` restores) the rule and its modules and builds
    // the panel; true when every record was read.
    bool BuildPanel(bool reset);
    void PlaceCommandButtons();

    CDialogManager* manager_ = nullptr;  // not owned
    QWidget* parent_ = nullptr;
    QRect pageRect_;
    QRect panelRect_;
    vexo::CComFont titleFont_;
    vexo::CComFont buttonFont_;
    vexo::CSmartUiEngine engine_;
    vexo::CAutoXpBtn title_;
    vexo::CAutoXpBtn recover_;
    vexo::CAutoXpBtn save_;
    ParamRecord rule_;
    bool hasRule_ = false;
    std::map<QString, ParamRecord> modules_;
    bool shown_ = false;

    static constexpr int kVideoWidth = 450;
    static constexpr int kVideoHeight = 350;
    static constexpr int kVideoLeft = 0;
    static constexpr int kVideoTop = 96;
    static constexpr int kTitleTop = 50;
    static constexpr int kSeparatorTop = 76;
};
