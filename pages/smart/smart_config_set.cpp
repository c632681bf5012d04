#include "smart_config_set.h"

#include <QPainter>
#include <algorithm>

#include "com_str.h"
#include "dialog_manager.h"
#include "popup_forms.h"
#include "smart_config_layout.h"
#include "ui_helpers.h"

using namespace vexo::smart;

CSmartConfigSet::CSmartConfigSet(CAudioVideoPlay* session)
    : CVideoPageDialog(2, kTemplateSize, true, session) {}

CSmartConfigSet::~CSmartConfigSet() = default;

void CSmartConfigSet::OnInitDialog() {
    Pane().SetParentWnd(this);
    Pane().CreateVideoWindow(kSmartVideoRect);
    Pane().CreateButtons();
    Pane().RouteVideoInput();
    header_.SetPage(this);
    funTitle_.SetPage(this);
    ruleTitle_.SetPage(this);
    body_ = std::make_unique<CSmartConfigBody>(Manager() ? &Manager()->DeviceContext() : nullptr);
    body_->SetPage(this);
    header_.Create(this);
    ruleTitle_.Create(this);
    body_->Create(this);
}

void CSmartConfigSet::Enter(const QString& sceneName, const QString& sceneToken,
                            int functionIndex) {
    CDialogManager* manager = Manager();
    if (!manager || !body_) {
        return;
    }
    sceneName_ = sceneName;
    sceneToken_ = sceneToken;
    manager->DeviceContext().SetReferenceScene(sceneName, sceneToken);
    header_.Refresh(sceneToken);
    // The device answers with every function it supports and marks those
    // enabled in the scene; the bar shows the enabled ones.
    QStringList supported;
    QStringList enabled;
    if (manager->DeviceContext().GetAllSupportSmartFunName(supported)) {
        manager->DeviceContext().GetSceneSmartFuns(sceneToken, enabled);
    }
    funTitle_.Build(this, enabled);
    ClaimOverlay();
    previewAsked_ = false;
    const QString wanted = FunctionOfIndex(functionIndex);
    const auto& entries = funTitle_.Entries();
    const bool has = std::any_of(entries.begin(), entries.end(),
                                 [&wanted](const auto& e) { return e.name == wanted; });
    SelectFunction(has ? wanted : (entries.empty() ? QString() : entries.front().name));
}

QString CSmartConfigSet::FunctionOfIndex(int index) const {
    CDialogManager* manager = Manager();
    if (!manager || index < 0) {
        return {};
    }
    for (const auto* table : {&manager->FunctionIdTriples(), &manager->FunctionIds()}) {
        for (const vexo::CSmartFunIdData& entry : *table) {
            if (entry.idOffset == index) {
                return entry.name;
            }
        }
    }
    return {};
}

void CSmartConfigSet::SelectFunction(const QString& funName) {
    funName_ = funName;
    body_->Controller().ForgetRanges();
    if (funName.isEmpty() || !funTitle_.Select(funName)) {
        // No analytics function on this scene: an empty bar and no panel.
        funName_.clear();
        ruleTitle_.Reset({}, false);
        ruleTitle_.Select(-1);
        body_->ShowNothing();
        return;
    }
    QStringList tokens;
    Manager()->DeviceContext().QueryRule(funName, tokens);
    ruleTitle_.Reset(tokens, true);
    SelectRule(ruleTitle_.Current());
}

void CSmartConfigSet::SelectRule(int current) {
    ruleTitle_.Select(current);
    body_->SetRuleTokens(ruleTitle_.Slots().StoredTokens());
    if (ruleTitle_.Count() < 1 || current < 0) {
        body_->ShowNothing();
    } else if (current == 0) {
        body_->ShowModules(sceneToken_, funName_);
    } else {
        body_->ShowRule(sceneToken_, funName_, ruleTitle_.CurrentToken(),
                        ruleTitle_.Slots().StoredTokens());
    }
    update();
}

void CSmartConfigSet::AddRule() {
    const RuleSlots& bar = ruleTitle_.Slots();
    switch (bar.CheckAdd()) {
        case RuleSlots::AddCheck::LimitReached:
            vexo::ShowMessage(vexo::TheComStr()->ruleLimitReached, vexo::TheComStr()->tips);
            return;
        case RuleSlots::AddCheck::UnsavedRule:
            vexo::ShowMessage(vexo::TheComStr()->saveAddedRuleFirst, vexo::TheComStr()->tips);
            return;
        case RuleSlots::AddCheck::Allowed:
            break;
    }
    const int slot = bar.FirstFreeSlot();
    ParamRecord rule;
    rule.funName = funName_;
    rule.token = bar.TokenFor(funName_, slot);
    const QString token = rule.token;
    // A refusal shows the device's error text; the selection stays.
    if (!Manager()->DeviceContext().AddRule(rule)) {
        return;
    }
    ruleTitle_.Fill(slot, token);
    SelectRule(slot);
}

void CSmartConfigSet::DeleteRule() {
    const QPoint at = mapToGlobal(QPoint(width() / 2 - 150, height() / 2 - 80));
    if (!vexo::Confirm(at.x(), at.y(), vexo::kPopupDeleteRule)) {
        return;
    }
    const int slot = ruleTitle_.Current();
    if (slot < 1) {
        return;
    }
    const QString token = ruleTitle_.CurrentToken();
    // A slot without a stored rule has nothing on the device to delete.
    if (!token.isEmpty() && !body_->Controller().DeleteRule(funName_, token)) {
        return;
    }
    ruleTitle_.Empty(slot);
    SelectRule(ruleTitle_.Current());
}

void CSmartConfigSet::ChooseScene(int index) {
    CDialogManager* manager = Manager();
    if (!manager || index < 0 || index >= static_cast<int>(manager->Scenes().size())) {
        return;
    }
    const SceneRecord& scene = manager->Scenes()[static_cast<size_t>(index)];
    if (scene.token == sceneToken_) {
        return;
    }
    // The same function on the other scene when it has it, else its first.
    int functionIndex = -1;
    for (const vexo::CSmartFunIdData& entry : manager->FunctionIds()) {
        if (entry.name == funName_) {
            functionIndex = entry.idOffset;
        }
    }
    Enter(scene.name, scene.token, functionIndex);
}

bool CSmartConfigSet::OnCommand(int offset) {
    if (!body_) {
        return false;
    }
    if (offset == kReturnOffset) {
        if (CDialogManager* manager = Manager()) {
            manager->ShowPage(0);
        }
        return true;
    }
    if (offset == kAddOffset) {
        AddRule();
        return true;
    }
    if (offset == kDelOffset) {
        DeleteRule();
        return true;
    }
    if (offset == kAdvanceOffset) {
        SelectRule(0);
        return true;
    }
    if (offset >= kFirstRuleOffset && offset < kFirstRuleOffset + kMaxRules) {
        SelectRule(offset - kFirstRuleOffset + 1);
        return true;
    }
    if (const QString fun = funTitle_.NameOfOffset(offset); !fun.isEmpty()) {
        if (fun != funName_) {
            SelectFunction(fun);
        }
        return true;
    }
    return body_->OnCommand(offset) || CVideoPageDialog::OnCommand(offset);
}

bool CSmartConfigSet::OnAutoNotify(const vexo::AutoNotification& notification) {
    if (notification.id == kComboBase + kSceneComboOffset) {
        if (notification.code == vexo::AutoNotify::SelChange) {
            ChooseScene(header_.SelectedIndex());
        }
        return true;
    }
    if (CPageDialog::OnAutoNotify(notification)) {
        return true;
    }
    // A drawing button puts its tool out on the video (the engine tells
    // the overlay).
    return body_ && body_->Dispatch(notification);
}

void CSmartConfigSet::ClaimOverlay() {
    CAudioVideoPlay* session = Pane().Session();
    QWidget* video = Pane().VideoWindow();
    if (!session || !video) {
        return;
    }
    session->Overlay().SetVideoWindow(video);
    session->Overlay().SetVideoRect(QRect(QPoint(0, 0), video->size()));
}

void CSmartConfigSet::OnTimer(int id) {
    if (id != kPageTimer || !body_) {
        return;
    }
    // The timer keeps running while the page is shown: the first tick starts
    // the video, later ones draw the panel's geometry once it has pictures.
    CAudioVideoPlay* session = Pane().Session();
    if (!previewAsked_) {
        previewAsked_ = true;
        ClaimOverlay();
        Pane().StartPreview();
    }
    QWidget* video = Pane().VideoWindow();
    if (session && video && session->IsPlaying() && session->FirstFrameDrawn() &&
        body_->VideoPort() != session->PlayPort()) {
        body_->SetVideo(&session->Overlay(), QRect(QPoint(0, 0), video->size()),
                        session->PlayPort());
        body_->RedrawGeometry();
        Pane().MarkOverlayDrawn(true);
    }
}

void CSmartConfigSet::hideEvent(QHideEvent* event) {
    CVideoPageDialog::hideEvent(event);
    previewAsked_ = false;
    Pane().MarkOverlayDrawn(false);
}

void CSmartConfigSet::paintEvent(QPaintEvent* event) {
    CVideoPageDialog::paintEvent(event);
    if (body_) {
        QPainter painter(this);
        body_->Paint(painter);
    }
}

void CSmartConfigSet::StoreForExport() {
    if (body_) {
        body_->StoreForExport();
    }
}
