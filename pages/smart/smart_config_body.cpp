#include "smart_config_body.h"

#include <QPainter>
#include <QWidget>

#include "colorref.h"
#include "com_str.h"
#include "dialog_manager.h"
#include "popup_forms.h"
#include "save_verify.h"
#include "smart_arming_interval.h"
#include "smart_config_layout.h"
#include "smart_config_set.h"
#include "smart_linkage_method.h"
#include "smart_xml_parse.h"
#include "ui_helpers.h"

using namespace vexo::smart;
using Owner = vexo::CSmartUiAutoFresh::Owner;

namespace {

const QString kGuardSchedules = QStringLiteral("zelk:GuardSchedules");
const QString kActionTrigger = QStringLiteral("zelk:ActionTrigger");
constexpr QSize kTabSize(120, 36);
constexpr QSize kSaveSize(100, 36);
// The parameter panel's card, framed like the editors' panels.
constexpr vexo::COLORREF kCardFrame = 0xBBBBBC;

// A tab's caption: the localised name of the function it stands for, the
// built-in text when the device's file has none.
QString TabCaption(const CSmartXmlParse* parse, const QString& identifier, const QString& builtIn) {
    QString text;
    if (parse) {
        parse->GetDisplayText(identifier, text);
    }
    return text.isEmpty() || text == identifier ? builtIn : text;
}

}  // namespace

CSmartConfigBody::CSmartConfigBody(CSmartXmlParse* parse) : parse_(parse), controller_(parse) {}

CSmartConfigBody::~CSmartConfigBody() = default;

void CSmartConfigBody::Create(QWidget* parent) {
    parent_ = parent;
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    QPoint at = kTabsTopLeft;
    paramTab_.Create(kXpBase + kTabParamOffset, parent, QRect(at, kTabSize), vexo::kAutoStyleNone,
                     texts.paramSet);
    at.rx() += kTabSize.width();
    armingTab_.Create(kXpBase + kTabArmingOffset, parent, QRect(at, kTabSize), vexo::kAutoStyleNone,
                      TabCaption(parse_, kGuardSchedules, texts.armingInterval));
    at.rx() += kTabSize.width();
    linkageTab_.Create(kXpBase + kTabLinkageOffset, parent, QRect(at, kTabSize),
                       vexo::kAutoStyleNone,
                       TabCaption(parse_, kActionTrigger, texts.linkageMethod));
    for (vexo::CAutoXpBtn* tab : {&paramTab_, &armingTab_, &linkageTab_}) {
        tab->SetImages(238, 239);
    }
    save_.Create(kXpBase + kSaveOffset, parent, QRect(kSaveTopLeft, kSaveSize),
                 vexo::kAutoStyleNone, texts.save);
    save_.SetImages(541, 542);
    recover_.Create(kXpBase + kRecoverOffset, parent, QRect(kRecoverTopLeft, kSaveSize),
                    vexo::kAutoStyleNone, texts.recover);
    recover_.SetImages(541, 542);
    controller_.SetArea(parent, kPanelHeader, kPanelRect, nullptr, {}, -1);
    controller_.SetRecordSink([this](Owner owner, const ParamRecord& record) {
        GatherRecord(owner, record);
        if (owner == Owner::Rule) {
            lintLine_.ShowFor(record);
        }
    });
    lintLine_.Create(parent, vexo::smart::RuleLintRect());
    // The editors fill the panel area below the tabs.
    const QRect editorRect(kPanelRect.left(), kPanelRect.top() + 4, kPanelRect.width(),
                           kSaveTopLeft.y() - kPanelRect.top() - 10);
    arming_ = std::make_unique<vexo::CSmartArmingInterval>(parent);
    arming_->SetPage(Page());
    arming_->SetDeviceContext(parse_);
    arming_->setGeometry(editorRect);
    arming_->hide();
    linkage_ = std::make_unique<vexo::CSmartLinkageMethod>(parent);
    linkage_->SetPage(Page());
    linkage_->SetDeviceContext(parse_);
    linkage_->setGeometry(editorRect);
    linkage_->hide();
    controller_.Engine().SetChangeListener([this] { UpdateMarks(); });
    QObject::connect(arming_.get(), &vexo::ArmingEditor::Edited, parent, [this] { UpdateMarks(); });
    QObject::connect(linkage_.get(), &vexo::ArmingEditor::Edited, parent,
                     [this] { UpdateMarks(); });
    ShowNothing();
}

void CSmartConfigBody::SetVideo(vexo::CShowAIConfig* overlay, const QRect& videoRect, int port) {
    controller_.SetArea(parent_, kPanelHeader, kPanelRect, overlay, videoRect, port);
}

void CSmartConfigBody::ShowRule(const QString& scene, const QString& funName, const QString& token,
                                const QStringList& ruleTokens) {
    StoreForExport();
    lintLine_.Clear();  // a rule that cannot be read has nothing to say
    ruleTokens_ = ruleTokens;
    QStringList requiredFuns;
    if (parse_) {
        parse_->GetRuleRequireFuns(funName, requiredFuns);
    }
    armingLoadedFor_.clear();
    linkageLoadedFor_.clear();
    hasArming_ = requiredFuns.contains(kGuardSchedules);
    hasLinkage_ = requiredFuns.contains(kActionTrigger);
    if (parse_) {
        // The rule, its week and its linkage go out side by side: the line
        // takes the week and the linkage, then the controller the rule.
        auto reads = vexo::smart::RuleLintLine::OwnerReads(parse_->SceneToken(), funName, token,
                                                           hasArming_, hasLinkage_);
        reads.push_back(DeviceCommandChannel::RuleRead(parse_->SceneToken(), funName, token));
        const DeviceCommandChannel::AheadScope ahead(parse_->Channel(), reads);
        lintLine_.ReadOwner(parse_, funName, token, hasArming_, hasLinkage_);
        controller_.ShowRule(false, scene, funName, token);
    } else {
        controller_.ShowRule(false, scene, funName, token);
    }
    ShowTabs(true);
    ChooseTab(kParamTab);
}

void CSmartConfigBody::ShowModules(const QString& scene, const QString& funName) {
    StoreForExport();
    lintLine_.Clear();
    hasArming_ = false;
    hasLinkage_ = false;
    controller_.ShowModules(false, scene, funName);
    ShowTabs(true);
    ChooseTab(kParamTab);
}

void CSmartConfigBody::ShowNothing() {
    StoreForExport();
    lintLine_.Clear();
    controller_.CollectAll();
    controller_.ClearPanel();
    armingLoadedFor_.clear();
    linkageLoadedFor_.clear();
    hasArming_ = false;
    hasLinkage_ = false;
    ShowTabs(false);
    tab_ = kParamTab;
    UpdateMarks();
    if (parent_) {
        parent_->update();
    }
}

void CSmartConfigBody::ShowTabs(bool show) {
    paramTab_.Show(show ? 1 : 0);
    armingTab_.Show(show && hasArming_ ? 1 : 0);
    linkageTab_.Show(show && hasLinkage_ ? 1 : 0);
    save_.Show(show ? 1 : 0);
    recover_.Show(show ? 1 : 0);
}

void CSmartConfigBody::ChooseTab(int tab) {
    StoreForExport();
    tab_ = tab;
    const std::pair<vexo::CAutoXpBtn*, int> tabs[] = {
        {&paramTab_, kParamTab}, {&armingTab_, kArmingTab}, {&linkageTab_, kLinkageTab}};
    for (const auto& [button, number] : tabs) {
        if (vexo::CXPButton* control = button->Control()) {
            control->SetSelected(number == tab ? 1 : 0);
        }
    }
    // The panel's controls are hidden, not destroyed: what the operator
    // typed is still there when the tab comes back.
    controller_.ShowAll(tab == kParamTab);
    PrepareEditor(tab);
    if (arming_) {
        arming_->setVisible(tab == kArmingTab);
    }
    if (linkage_) {
        linkage_->setVisible(tab == kLinkageTab);
    }
    recover_.Show(tab == kParamTab && controller_.HasPanel() ? 1 : 0);
    UpdateMarks();
    if (parent_) {
        parent_->update();
    }
}

bool CSmartConfigBody::IsModified() const {
    switch (tab_) {
        case kParamTab:
            return controller_.IsModified();
        case kArmingTab:
            return arming_ && !armingLoadedFor_.isEmpty() && arming_->IsModified();
        case kLinkageTab:
            return linkage_ && !linkageLoadedFor_.isEmpty() && linkage_->IsModified();
        default:
            return false;
    }
}

void CSmartConfigBody::UpdateMarks() {
    const bool edited = IsModified();
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const std::pair<vexo::CAutoXpBtn*, QString> tabs[] = {
        {&paramTab_, texts.paramSet},
        {&armingTab_, TabCaption(parse_, kGuardSchedules, texts.armingInterval)},
        {&linkageTab_, TabCaption(parse_, kActionTrigger, texts.linkageMethod)}};
    int number = kParamTab;
    for (const auto& [button, caption] : tabs) {
        if (vexo::CXPButton* control = button->Control()) {
            control->setText(vexo::EditedCaption(caption, edited && number == tab_));
        }
        ++number;
    }
    if (edited != marked_) {
        marked_ = edited;
        if (editedListener_) {
            editedListener_(edited);
        }
    }
}

bool CSmartConfigBody::ConfirmLeave() {
    const QWidget* button = save_.Control();
    const auto save = [this] {
        if (tab_ != kParamTab) {
            Save();  // the editors show the outcome of their own saves
        } else if (controller_.Save()) {
            vexo::ShowMessage(vexo::smart::VerifiedSaveText(parse_, controller_),
                              vexo::TheComStr()->tips);
        }
    };
    return vexo::ConfirmLeaveEdits(
        button ? button->mapToGlobal(QPoint(0, -160)) : QPoint(), [this] { return IsModified(); },
        save, [this] { Discard(); });
}

void CSmartConfigBody::Discard() {
    switch (tab_) {
        case kParamTab:
            controller_.Discard();
            controller_.ShowAll(true);
            break;
        case kArmingTab:
            armingLoadedFor_.clear();
            PrepareEditor(kArmingTab);
            break;
        case kLinkageTab:
            linkageLoadedFor_.clear();
            PrepareEditor(kLinkageTab);
            break;
        default:
            break;
    }
    UpdateMarks();
}

void CSmartConfigBody::PrepareEditor(int tab) {
    const QString& fun = controller_.FunName();
    const QString& token = controller_.RuleToken();
    if (token.isEmpty()) {
        return;
    }
    const QString key = fun + u'|' + token;
    std::vector<vexo::BatchRule> rules;
    for (const QString& rule : ruleTokens_) {
        rules.push_back({RuleSlots::Caption(vexo::TheComStr()->rule, rule), rule});
    }
    // A rule whose week or linkage the export already holds comes back with
    // its "Batch Settings" box ticked, so leaving it again keeps it marked.
    CDialogManager* manager = Manager();
    ParamRecord cached;
    if (tab == kArmingTab && arming_ && armingLoadedFor_ != key) {
        arming_->SetIdentity(fun, token);
        arming_->SetRuleBatch(true, rules);
        arming_->Init();
        arming_->SetBatchCheck(manager && manager->GetRecord(CDialogManager::SeventhOrEighth(false),
                                                             fun, token, cached));
        armingLoadedFor_ = key;
    } else if (tab == kLinkageTab && linkage_ && linkageLoadedFor_ != key) {
        linkage_->SetIdentity(fun, token);
        linkage_->SetRuleBatch(true, rules);
        linkage_->Init();
        linkage_->SetBatchCheck(manager && manager->GetRecord(CDialogManager::FourthOrFifth(false),
                                                              fun, token, cached));
        linkageLoadedFor_ = key;
    }
}

bool CSmartConfigBody::OnCommand(int offset) {
    switch (offset) {
        case kTabParamOffset:
        case kTabArmingOffset:
        case kTabLinkageOffset: {
            const int tab = offset == kTabParamOffset    ? kParamTab
                            : offset == kTabArmingOffset ? kArmingTab
                                                         : kLinkageTab;
            if (tab == tab_ || ConfirmLeave()) {
                ChooseTab(tab);
            } else {
                ChooseTab(tab_);  // the pressed look goes back to the tab shown
            }
            return true;
        }
        case kSaveOffset:
            if (Save()) {
                vexo::ShowMessage(vexo::smart::VerifiedSaveText(parse_, controller_),
                                  vexo::TheComStr()->tips);
            }
            UpdateMarks();
            return true;
        case kRecoverOffset:
            Recover();
            return true;
        default:
            return false;
    }
}

bool CSmartConfigBody::Save() {
    switch (tab_) {
        case kParamTab:
            return controller_.Save();
        // The editors show the outcome of their own saves.
        case kArmingTab:
            if (arming_->Save()) {
                lintLine_.SetSchedule(arming_->Record());
                lintLine_.ShowFor(controller_.RuleRecord());
            }
            return false;
        case kLinkageTab:
            if (linkage_->Save()) {
                lintLine_.SetLinkage(linkage_->Record());
                lintLine_.ShowFor(controller_.RuleRecord());
            }
            return false;
        default:
            return false;
    }
}

void CSmartConfigBody::Recover() {
    if (tab_ != kParamTab || !controller_.HasPanel()) {
        return;
    }
    // The reset cannot be undone: the device forgets the rule's region,
    // sensitivity and name (or the modules' settings), so ask first.
    const QWidget* button = recover_.Control();
    const QPoint at = button ? button->mapToGlobal(QPoint(0, -160)) : QPoint();
    if (!vexo::Confirm(at.x(), at.y(), vexo::kPopupRecoverDefaults)) {
        return;
    }
    if (controller_.Recover()) {
        vexo::ShowMessage(vexo::TheComStr()->recoverSuccess, vexo::TheComStr()->tips);
    }
}

bool CSmartConfigBody::Dispatch(const vexo::AutoNotification& notification) {
    return tab_ == kParamTab && controller_.Dispatch(notification);
}

void CSmartConfigBody::Paint(QPainter& painter) const {
    if (tab_ != kParamTab || !controller_.HasPanel()) {
        return;
    }
    const QRect base(kPanelRect.left(), kPanelRect.top() + 4, kPanelRect.width(),
                     kSaveTopLeft.y() - kPanelRect.top() - 10);
    const QRect card = Page() ? Page()->FitRect(base) : base;
    painter.fillRect(card, Qt::white);
    painter.setPen(vexo::ColorFromRef(kCardFrame));
    painter.drawRect(card.adjusted(0, 0, -1, -1));
}

void CSmartConfigBody::GatherRecord(Owner owner, const ParamRecord& record) {
    CDialogManager* manager = Manager();
    if (!manager) {
        return;
    }
    // The export holds the latest version of everything read or saved in the
    // session: non-scene functions and modules by name, rules by function
    // and token.
    switch (owner) {
        case Owner::NonScene:
            manager->PutRecord(CDialogManager::FlatCache::First, record.funName, record);
            break;
        case Owner::Module:
            manager->PutRecord(CDialogManager::FlatCache::Second, record.funName, record);
            break;
        case Owner::Rule:
            manager->PutRecord(CDialogManager::NestedCache::Third, record.funName, record.token,
                               record);
            break;
    }
}

void CSmartConfigBody::StoreForExport() {
    CDialogManager* manager = Manager();
    if (!manager) {
        return;
    }
    // Only what the operator has opened and marked "Batch Settings" goes out;
    // the editors say so through their record getters.
    ParamRecord record;
    if (arming_ && !armingLoadedFor_.isEmpty() && arming_->GetScheduleRecord(record)) {
        manager->PutRecord(CDialogManager::SeventhOrEighth(false), arming_->FunName(),
                           arming_->Token(), record);
    }
    record = {};
    if (linkage_ && !linkageLoadedFor_.isEmpty() && linkage_->GetTriggerRecord(record)) {
        manager->PutRecord(CDialogManager::FourthOrFifth(false), linkage_->FunName(),
                           linkage_->Token(), record);
    }
}
