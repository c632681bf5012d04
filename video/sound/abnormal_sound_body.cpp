#include "abnormal_sound_body.h"

#include <QPainter>

#include "colorref.h"
#include "com_str.h"
#include "dialog_manager.h"
#include "ui_helpers.h"

namespace {
constexpr vexo::COLORREF kSeparatorColour = 0xBBBBBC;
}

CAbnormalSoundBody::CAbnormalSoundBody(CAudioVideoPlay* session)
    : CAVPlayBase(session), titleFont_(20, 7), buttonFont_(20, 8) {}

CAbnormalSoundBody::~CAbnormalSoundBody() {
    DestroyControls();
}

void CAbnormalSoundBody::InitPart(CDialogManager* manager, QWidget* parent, const QRect& pageRect) {
    manager_ = manager;
    parent_ = parent;
    pageRect_ = pageRect;
    // A seed the engine grows as it lays the rows out.
    panelRect_ =
        QRect(QPoint(kVideoLeft + 460, kVideoTop), QPoint(kVideoLeft + 470, kVideoTop + 10));
    engine_.SetArea(parent, panelRect_, pageRect, nullptr,
                    manager ? &manager->DeviceContext() : nullptr);
}

void CAbnormalSoundBody::ShowState(int state) {
    if (state == 0 || state == 1) {
        engine_.ShowAll(state == 1);
    }
    if (OnButton(state)) {
        return;
    }
    switch (state) {
        case 1:
            Rebuild();
            break;
        case 0:
            DestroyControls();
            break;
        case kSaveIndex:
            Save();
            break;
        case kRecoverIndex:
            Recover();
            break;
        default:
            break;
    }
}

void CAbnormalSoundBody::DestroyControls() {
    shown_ = false;
    engine_.Clear();
    CAVPlayBase::Destroy();
    title_.Show(0);
    save_.Show(0);
    recover_.Show(0);
}

void CAbnormalSoundBody::Rebuild() {
    DestroyControls();
    if (parent_ == nullptr) {
        return;
    }
    shown_ = true;
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    title_.Create(kXpBase + kTitleIndex, parent_, QRect(kVideoLeft, kTitleTop, 100, 26),
                  vexo::kAutoStyleNone, texts.paramSet);
    title_.SetImages(239, 238);
    title_.Control()->setFont(titleFont_);

    SetParentWnd(parent_);
    CreateVideoWindow(QRect(kVideoLeft, kVideoTop, kVideoWidth, kVideoHeight));
    CreateButtons();
    if (manager_ != nullptr) {
        SetDeviceInfo(manager_->DeviceAddress(), manager_->UserName(), manager_->Password(),
                      manager_->LoginArg());
    }
    BuildPanel(false);

    recover_.Create(kXpBase + kRecoverIndex, parent_, QRect(0, 0, 100, 34), vexo::kAutoStyleNone,
                    texts.recover);
    recover_.SetImages(545, 544);
    recover_.Control()->setFont(buttonFont_);
    save_.Create(kXpBase + kSaveIndex, parent_, QRect(0, 0, 100, 34), vexo::kAutoStyleNone,
                 texts.save);
    save_.SetImages(545, 544);
    save_.Control()->setFont(buttonFont_);
    PlaceCommandButtons();
}

void CAbnormalSoundBody::PlaceCommandButtons() {
    if (!save_.Control() || !recover_.Control()) {
        return;
    }
    const int mid = kVideoLeft + (pageRect_.width() - kVideoLeft) / 2;
    // Below the panel and never above the video's foot.
    const int top = std::max(pageRect_.top() + engine_.Y() + 40, kVideoTop + kVideoHeight + 40);
    recover_.Control()->move(mid - 120, top);
    save_.Control()->move(mid + 40, top);
}

bool CAbnormalSoundBody::BuildPanel(bool reset) {
    if (manager_ == nullptr) {
        return false;
    }
    CSmartXmlParse& context = manager_->DeviceContext();
    const std::vector<SceneRecord>& scenes = manager_->Scenes();
    const int current = manager_->CurrentScene();
    if (current >= 0 && current < static_cast<int>(scenes.size())) {
        context.SetReferenceScene(scenes[current].name, scenes[current].token);
    }
    const QString function = QString::fromLatin1(kFunctionName);
    QStringList ruleTokens;
    hasRule_ = context.QueryRule(function, ruleTokens) && !ruleTokens.isEmpty();

    vexo::ParamRows rows;
    ParamRecord rule;
    rule.funName = function;
    int allRead = 1;
    if (hasRule_) {
        rule.token = ruleTokens.front();
        allRead &= context.BuildRulePanel(reset, context.SceneToken(), rule, rows);
    }
    std::map<QString, ParamRecord> modules;
    allRead &= context.BuildRuleModulePanels(reset, function, rows, modules);
    rule_ = std::move(rule);
    modules_ = std::move(modules);

    engine_.Clear();
    engine_.ResetLayout();
    engine_.BuildPanel(rows, true);
    PlaceCommandButtons();
    return allRead != 0;
}

bool CAbnormalSoundBody::Save() {
    if (manager_ == nullptr || !shown_) {
        return false;
    }
    CSmartXmlParse& context = manager_->DeviceContext();
    const auto collect = [&](ParamRecord& record, const vexo::ParamList& params) {
        std::map<QString, vexo::ObjectValueText> objects;
        engine_.CollectValues(record, objects);
        context.StoreObjectValues(params, objects, record);
    };
    // Each write shows the device's own error text when it is refused.
    if (hasRule_) {
        ParamRecord rule = rule_;
        vexo::ParamList params;
        context.GetRuleParameters(rule.funName, params);
        collect(rule, params);
        if (!context.ModifyRuleParam(rule)) {
            return false;
        }
        rule_ = rule;
    }
    for (auto& [name, module] : modules_) {
        ParamRecord changed = module;
        vexo::ParamList params;
        context.GetModuleParameters(name, params);
        collect(changed, params);
        if (!context.ModifyModuleParam(changed)) {
            return false;
        }
        module = changed;
    }
    vexo::ShowMessage(vexo::TheComStr()->saveSuccess, vexo::TheComStr()->tips);
    return true;
}

bool CAbnormalSoundBody::Recover() {
    if (manager_ == nullptr || !shown_) {
        return false;
    }
    // The device's defaults replace what the panel shows; a refused reset
    // has already shown the device's error text.
    if (!BuildPanel(true)) {
        return false;
    }
    vexo::ShowMessage(vexo::TheComStr()->recoverSuccess, vexo::TheComStr()->tips);
    return true;
}

bool CAbnormalSoundBody::OnCommand(int index) {
    if (!shown_) {
        return false;
    }
    if (index == kSaveIndex || index == kRecoverIndex || index == kPlayOffset ||
        index == kStopOffset) {
        ShowState(index);
        return true;
    }
    if (index == kTitleIndex) {
        return true;
    }
    engine_.OnXpButtonClicked(index);
    return false;
}

bool CAbnormalSoundBody::OnNotify(const vexo::AutoNotification& notification) {
    return shown_ && engine_.Dispatch(notification);
}

void CAbnormalSoundBody::Paint(QPainter& painter) const {
    if (shown_) {
        painter.fillRect(QRect(0, kSeparatorTop, pageRect_.width(), 3),
                         vexo::ColorFromRef(kSeparatorColour));
    }
}
