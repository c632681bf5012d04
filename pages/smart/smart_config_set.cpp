#include "smart_config_set.h"

#include <QKeyEvent>
#include <QPainter>
#include <QUndoStack>
#include <algorithm>

#include "com_str.h"
#include "dialog_manager.h"
#include "popup_forms.h"
#include "smart_config_layout.h"
#include "tool_tip_help.h"
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
    const bool chinese = vexo::TheComStr().Language() == u"chinese";
    undo_.Create(kXpBase + kUndoOffset, this, kUndoRect, vexo::kAutoStyleNone,
                 QStringLiteral("\u21B6"));
    redo_.Create(kXpBase + kRedoOffset, this, kRedoRect, vexo::kAutoStyleNone,
                 QStringLiteral("\u21B7"));
    undo_.Control()->setToolTip(chinese ? QStringLiteral("撤销 (Ctrl+Z)")
                                        : QStringLiteral("Undo (Ctrl+Z)"));
    redo_.Control()->setToolTip(chinese ? QStringLiteral("重做 (Ctrl+Shift+Z, Ctrl+Y)")
                                        : QStringLiteral("Redo (Ctrl+Shift+Z, Ctrl+Y)"));
    for (vexo::CAutoXpBtn* button : {&undo_, &redo_}) {
        button->SetImages(541, 542);
    }
    body_->SetEditedListener([this](bool edited) { ruleTitle_.MarkEdited(edited); });
    QUndoStack& history = body_->Controller().Engine().History();
    connect(&history, &QUndoStack::indexChanged, this, [this] { SyncHistoryButtons(); });
    connect(&history, &QUndoStack::cleanChanged, this, [this] { SyncHistoryButtons(); });
    pointTable_.Create(this, kPointTableRect);
    SyncHistoryButtons();
    vexo::PageFit::Layout layout;
    layout.video = kSmartVideoRect;
    layout.belowBottom = kPointTableRect.bottom();
    layout.columnBottom = kSaveTopLeft.y() + 36 - 1;
    layout.liftLine = kSaveTopLeft.y();
    vexo::PageFit& fit = FitToWindow(layout, [this](const QRect& video) { PlaceVideo(video); });
    fit.SetVideo(Pane().VideoWindow(),
                 {Pane().PlayButton().Control(), Pane().StopButton().Control()});
    fit.Apply();
}

void CSmartConfigSet::PlaceVideo(const QRect& video) {
    funTitle_.Place(width());
    ruleTitle_.Place(width());
    Pane().PlaceVideo(video);
    pointTable_.Place(
        QRect(kPointTableRect.topLeft(), QSize(video.width(), kPointTableRect.height())));
    // The panel's shapes are read back from the picture in its pixels.
    CAudioVideoPlay* session = Pane().Session();
    if (session && body_ && body_->VideoPort() >= 0) {
        body_->SetVideo(&session->Overlay(), QRect(QPoint(0, 0), video.size()), body_->VideoPort());
    }
}

void CSmartConfigSet::UpdateTabOrder() {
    if (!body_) {
        return;
    }
    const auto byOffset = [this](int base, int offset) -> QWidget* {
        for (QWidget* child : findChildren<QWidget*>()) {
            if (child->property(vexo::kAutoIdProperty).toInt() == base + offset) {
                return child;
            }
        }
        return nullptr;
    };
    std::vector<QWidget*> chain{byOffset(kComboBase, kSceneComboOffset)};
    for (const auto& entry : funTitle_.Entries()) {
        chain.push_back(byOffset(kXpBase, entry.offset));
    }
    for (int offset = kAdvanceOffset; offset < kFirstRuleOffset + kMaxRules; ++offset) {
        chain.push_back(byOffset(kXpBase, offset));
    }
    for (const int offset :
         {kAddOffset, kDelOffset, kTabParamOffset, kTabArmingOffset, kTabLinkageOffset}) {
        chain.push_back(byOffset(kXpBase, offset));
    }
    for (QWidget* control : body_->Controller().Engine().TabChain()) {
        chain.push_back(control);
    }
    for (const int offset :
         {kUndoOffset, kRedoOffset, kSaveOffset, kRecoverOffset, kReturnOffset}) {
        chain.push_back(byOffset(kXpBase, offset));
    }
    vexo::ChainTabs(chain);
}

void CSmartConfigSet::SyncHistoryButtons() {
    if (!body_) {
        return;
    }
    vexo::CSmartUiEngine& engine = body_->Controller().Engine();
    const bool shown =
        body_->CurrentTab() == CSmartConfigBody::kParamTab && body_->Controller().HasPanel();
    undo_.Show(shown ? 1 : 0);
    redo_.Show(shown ? 1 : 0);
    if (undo_.Control() && redo_.Control()) {
        undo_.Control()->setEnabled(engine.History().canUndo());
        redo_.Control()->setEnabled(engine.History().canRedo());
    }
}

void CSmartConfigSet::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool undo = key == Qt::Key_Z && mods == Qt::ControlModifier;
    const bool redo = (key == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
                      (key == Qt::Key_Y && mods == Qt::ControlModifier);
    if (body_ && body_->CurrentTab() == CSmartConfigBody::kParamTab && (undo || redo)) {
        vexo::CSmartUiEngine& engine = body_->Controller().Engine();
        undo ? engine.Undo() : engine.Redo();
        SyncHistoryButtons();
        event->accept();
        return;
    }
    CVideoPageDialog::keyPressEvent(event);
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
    body_->UpdateMarks();
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
    RestartHitCounts();
    SelectRule(ruleTitle_.Current());
}

void CSmartConfigSet::RestartHitCounts() {
    Pane().SetMetadataOption(funName_);
    ShowHitCounts();
}

void CSmartConfigSet::ShowHitCounts() {
    CAudioVideoPlay* session = Pane().Session();
    for (int slot = 1; slot <= kMaxRules; ++slot) {
        const QString token = ruleTitle_.Slots().TokenAt(slot);
        const bool counted =
            session && !funName_.isEmpty() && ruleTitle_.Slots().IsShown(slot) && !token.isEmpty();
        ruleTitle_.ShowHits(slot, counted ? session->RuleHits(funName_, token) : -1);
    }
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
    SyncHistoryButtons();
    pointTable_.Refresh();
    UpdateTabOrder();
    body_->UpdateMarks();
    ruleTitle_.MarkEdited(body_->IsModified());
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
    if (!body_->ConfirmLeave()) {
        header_.Refresh(sceneToken_);  // the list shows the scene still edited
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
        CDialogManager* manager = Manager();
        if (manager && body_->ConfirmLeave()) {
            manager->ShowPage(0);
        }
        return true;
    }
    if (offset == kAddOffset) {
        // The new rule is selected at once: the one open is left first.
        if (body_->ConfirmLeave()) {
            AddRule();
        }
        return true;
    }
    if (offset == kDelOffset) {
        DeleteRule();
        return true;
    }
    if (offset == kAdvanceOffset ||
        (offset >= kFirstRuleOffset && offset < kFirstRuleOffset + kMaxRules)) {
        const int wanted = offset == kAdvanceOffset ? 0 : offset - kFirstRuleOffset + 1;
        // Even the rule shown is read again from the device: ask first too.
        if (body_->ConfirmLeave()) {
            SelectRule(wanted);
        } else {
            ruleTitle_.Select(ruleTitle_.Current());  // stays pressed as it was
            ruleTitle_.MarkEdited(body_->IsModified());
        }
        return true;
    }
    if (const QString fun = funTitle_.NameOfOffset(offset); !fun.isEmpty()) {
        if (fun != funName_ && body_->ConfirmLeave()) {
            SelectFunction(fun);
        } else {
            funTitle_.Select(funName_);
        }
        return true;
    }
    if (offset == kUndoOffset || offset == kRedoOffset) {
        vexo::CSmartUiEngine& engine = body_->Controller().Engine();
        offset == kUndoOffset ? engine.Undo() : engine.Redo();
        SyncHistoryButtons();
        return true;
    }
    const bool taken = body_->OnCommand(offset) || CVideoPageDialog::OnCommand(offset);
    SyncHistoryButtons();  // a tab, Save or Recover
    UpdateTabOrder();      // Recover and Discard build the panel anew
    if (offset == kSaveOffset || offset == kRecoverOffset) {
        RestartHitCounts();  // the rules changed: count what they do now
    }
    return taken;
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
    ShowHitCounts();
    QWidget* video = Pane().VideoWindow();
    if (session && video && session->IsPlaying() && session->FirstFrameDrawn() &&
        body_->VideoPort() != session->PlayPort()) {
        body_->SetVideo(&session->Overlay(), QRect(QPoint(0, 0), video->size()),
                        session->PlayPort());
        body_->RedrawGeometry();
        UpdateTabOrder();
        pointTable_.Attach(&body_->Controller().Engine());
        SyncHistoryButtons();
        Pane().MarkOverlayDrawn(true);
    }
}

void CSmartConfigSet::hideEvent(QHideEvent* event) {
    CVideoPageDialog::hideEvent(event);
    previewAsked_ = false;
    Pane().MarkOverlayDrawn(false);
    Pane().SetMetadataOption(QString());  // the next page chooses its own
    // Another page: what was done here is no longer undone from there.
    if (body_) {
        body_->Controller().Engine().ResetHistory();
    }
    pointTable_.Refresh();
}

void CSmartConfigSet::showEvent(QShowEvent* event) {
    CVideoPageDialog::showEvent(event);
    pointTable_.Refresh();
}

void CSmartConfigSet::paintEvent(QPaintEvent* event) {
    CVideoPageDialog::paintEvent(event);
    if (body_) {
        QPainter painter(this);
        body_->Paint(painter);
    }
}

bool CSmartConfigSet::ConfirmLeave() {
    return !body_ || !isVisible() || body_->ConfirmLeave();
}

void CSmartConfigSet::StoreForExport() {
    if (body_) {
        body_->StoreForExport();
    }
}
