#include "normal_config_body.h"

#include <QPainter>
#include <algorithm>

#include "com_str.h"
#include "dialog_manager.h"
#include "normal_arming_set.h"
#include "popup_forms.h"
#include "stored_check.h"
#include "tool_tip_help.h"
#include "ui_helpers.h"

namespace {

constexpr int kXpBase = 18000;
const QString kGuardSchedules = QStringLiteral("zelk:GuardSchedules");
const QString kActionTrigger = QStringLiteral("zelk:ActionTrigger");
constexpr QSize kTabSize(150, 36);
constexpr QSize kButtonSize(100, 32);
constexpr vexo::COLORREF kFrameColour = 0xBBBBBC;

// The identifier windows of the parameter engine (smart_ui_engine.h): the
// notifications of those controls are the panel's.
bool InEngineWindow(int id) {
    struct Window {
        int first;
        int count;
    };
    static constexpr Window kWindows[] = {
        {17000, 50}, {18400, 50}, {12100, 50}, {15100, 50},
        {13100, 50}, {11000, 50}, {19000, 50}, {14000, 50},
    };
    for (const Window& window : kWindows) {
        if (id >= window.first && id < window.first + window.count) {
            return true;
        }
    }
    return false;
}

}  // namespace

CNormalConfigBody::CNormalConfigBody() = default;
CNormalConfigBody::~CNormalConfigBody() = default;

void CNormalConfigBody::Create(CNormalArmingSet* page) {
    m_page = page;
    page->Pane().RouteVideoInput();  // the alarm's regions are drawn on the video
    font_ = vexo::ModuleFirstFont().Font();
    list_.Create(page, kAlarmListRect, font_);

    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const QPoint buttons(kButtonRect.right() - 2 * kButtonSize.width() - 10, kButtonRect.top());
    save_.Create(kXpBase + kSaveOffset, page, QRect(buttons, kButtonSize), vexo::kAutoStyleNone,
                 texts.save);
    recover_.Create(kXpBase + kRecoverOffset, page,
                    QRect(buttons + QPoint(kButtonSize.width() + 10, 0), kButtonSize),
                    vexo::kAutoStyleNone, texts.recover);
    for (vexo::CAutoXpBtn* button : {&save_, &recover_}) {
        button->SetImages(541, 542);
        button->Control()->setFont(font_);
    }
    // A normal alarm has no reset: Recover shows again what the device holds.
    recover_.Control()->setToolTip(texts.recoverReloadsTip);

    CSmartXmlParse* context = page->Manager() ? &page->Manager()->DeviceContext() : nullptr;
    schedule_ = std::make_unique<vexo::GuardScheduleGrid>(page);
    linkage_ = std::make_unique<vexo::LinkageEditor>(page);
    for (QWidget* editor :
         {static_cast<QWidget*>(schedule_.get()), static_cast<QWidget*>(linkage_.get())}) {
        editor->setGeometry(kPanelRect.adjusted(1, 1, -1, -1));
        editor->hide();
    }
    // A normal alarm has no rules to copy to.
    schedule_->SetDeviceContext(context);
    schedule_->SetRuleBatch(false);
    linkage_->SetDeviceContext(context);
    linkage_->SetRuleBatch(false);
    engine_.SetChangeListener([this] { UpdateMarks(); });
    QObject::connect(schedule_.get(), &vexo::ArmingEditor::Edited, page, [this] { UpdateMarks(); });
    QObject::connect(linkage_.get(), &vexo::ArmingEditor::Edited, page, [this] { UpdateMarks(); });

    PlaceEngine();
}

void CNormalConfigBody::PlaceEngine() {
    CAudioVideoPlay* session = m_page->Pane().Session();
    enginePort_ = session ? session->PlayPort() : -1;
    SetEngineArea();
}

void CNormalConfigBody::FitVideo(int width) {
    list_.Place(QRect(kAlarmListRect.topLeft(), QSize(width, kAlarmListRect.height())));
    SetEngineArea();
}

void CNormalConfigBody::SetEngineArea() {
    // Rows start 10 pixels inside the panel, below the tabs; drawing
    // parameters go to the live picture's overlay once it plays.
    const QRect header(kPanelRect.left(), kTabRect.top(), kPanelRect.width(),
                       kPanelRect.top() - kTabRect.top());
    CDialogManager* manager = Manager();
    CAudioVideoPlay* session = m_page->Pane().Session();
    // The panel draws on this page's picture, whichever page played last.
    engine_.SetArea(m_page, header, kPanelRect, session ? &session->Overlay() : nullptr,
                    manager ? &manager->DeviceContext() : nullptr,
                    QRect(QPoint(0, 0), m_page->Pane().VideoRect().size()), enginePort_);
}

void CNormalConfigBody::PeriodicUpdate() {
    // A panel built before the first picture could not draw its geometry;
    // once the video plays it is built again over the picture.
    CAudioVideoPlay* session = m_page ? m_page->Pane().Session() : nullptr;
    if (session != nullptr && CurrentEntry() != nullptr && currentTab_ == kParamTab &&
        enginePort_ < 0 && session->PlayPort() >= 0 && session->FirstFrameDrawn()) {
        BuildParamPanel();
        m_page->Pane().MarkOverlayDrawn(true);
    }
}

const vexo::NormalAlarmEntry* CNormalConfigBody::CurrentEntry() const {
    if (currentAlarm_ < 0 || currentAlarm_ >= static_cast<int>(alarms_.size())) {
        return nullptr;
    }
    return &alarms_[currentAlarm_];
}

void CNormalConfigBody::Reload() {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    const vexo::NormalAlarmEntry* before = CurrentEntry();
    const QString type = before ? before->type : QString();
    const QString token = before ? before->token : QString();
    StoreForExport();
    alarms_ = vexo::NormalAlarmEntries(
        manager->NormalAlarmFunctions(), [manager](const QString& alarmType) {
            // The page manager's display names: alarms with both texts.
            const QString first = manager->GetLocalText1(alarmType);
            const QString second = manager->GetLocalText2(alarmType);
            return first.isEmpty() || second.isEmpty() ? QString() : second;
        });
    if (alarms_.size() > static_cast<size_t>(vexo::NormalAlarmList::kMaxAlarms)) {
        alarms_.resize(vexo::NormalAlarmList::kMaxAlarms);
    }
    list_.SetEntries(alarms_);
    currentAlarm_ = -1;
    int index = alarms_.empty() ? -1 : 0;
    for (size_t i = 0; i < alarms_.size(); ++i) {
        if (alarms_[i].type == type && alarms_[i].token == token) {
            index = static_cast<int>(i);
        }
    }
    if (index < 0) {
        ClearAlarm();
        return;
    }
    SelectAlarm(index);
}

void CNormalConfigBody::ClearAlarm() {
    ClearEditors();
    tabs_.clear();
    tabNumbers_.clear();
    tabCaptions_.clear();
    engine_.Clear();
    record_ = ParamRecord();
    currentTab_ = kParamTab;
}

void CNormalConfigBody::SelectAlarm(int index) {
    if (index < 0 || index >= static_cast<int>(alarms_.size()) || Manager() == nullptr) {
        return;
    }
    StoreForExport();
    currentAlarm_ = index;
    list_.SetCurrent(index);
    ClearAlarm();

    const vexo::NormalAlarmEntry& alarm = alarms_[index];
    QStringList requiredFuns;
    Manager()->DeviceContext().GetNormalAlarmRequireFuns(alarm.type, requiredFuns);
    CreateTabs(requiredFuns);
    BuildParamPanel();
    ShowTab(kParamTab);
}

void CNormalConfigBody::CreateTabs(const QStringList& requiredFuns) {
    CDialogManager* manager = Manager();
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    // The parameter tab always, then the editors the alarm requires, in the
    // order the UI description lists them.
    std::vector<std::pair<int, QString>> wanted{{kParamTab, texts.paramSet}};
    for (const QString& fun : requiredFuns) {
        const int tab = fun == kGuardSchedules  ? kArmingTab
                        : fun == kActionTrigger ? kLinkageTab
                                                : 0;
        const bool known = std::any_of(wanted.begin(), wanted.end(),
                                       [tab](const auto& entry) { return entry.first == tab; });
        if (tab == 0 || known) {
            continue;
        }
        QString text = manager->GetLocalText1(fun);
        if (text.isEmpty()) {
            text = tab == kArmingTab ? texts.armingInterval : texts.linkageMethod;
        }
        wanted.emplace_back(tab, text);
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        auto button = std::make_unique<vexo::CAutoXpBtn>();
        const QRect rect(
            kTabRect.topLeft() + QPoint(static_cast<int>(i) * (kTabSize.width() + 4), 0), kTabSize);
        button->Create(kXpBase + kTabOffset + wanted[i].first - 1, m_page, rect,
                       vexo::kAutoStyleNone, wanted[i].second);
        button->SetImages(677, 678);
        button->Control()->setFont(font_);
        tabs_.push_back(std::move(button));
        tabNumbers_.push_back(wanted[i].first);
        tabCaptions_.push_back(wanted[i].second);
    }
}

int CNormalConfigBody::BuildParamPanel() {
    const vexo::NormalAlarmEntry* alarm = CurrentEntry();
    CDialogManager* manager = Manager();
    if (alarm == nullptr || manager == nullptr) {
        return 0;
    }
    engine_.Clear();
    PlaceEngine();
    engine_.ResetLayout();
    ParamRecord record;
    record.funName = alarm->type;
    record.token = alarm->token;
    vexo::ParamRows rows;
    const int read = manager->DeviceContext().BuildNormalAlarmPanel(false, record, rows);
    record_ = record;
    engine_.BuildPanel(rows, true);
    engine_.ShowAll(currentTab_ == kParamTab);
    UpdateTabOrder();
    if (read) {
        // The export gathers every alarm the operator opened, as the
        // device holds it.
        manager->PutRecord(CDialogManager::NestedCache::Sixth, alarm->type, alarm->token, record_);
    }
    return read;
}

void CNormalConfigBody::SetTabSelection(int tab) {
    for (size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->Control()->SetSelected(tabNumbers_[i] == tab ? 1 : 0);
    }
}

void CNormalConfigBody::ShowTab(int tab) {
    if (std::find(tabNumbers_.begin(), tabNumbers_.end(), tab) == tabNumbers_.end()) {
        return;
    }
    StoreForExport();
    SetTabSelection(tab);
    currentTab_ = tab;
    ClearEditors();
    engine_.ShowAll(tab == kParamTab);
    if (tab != kParamTab) {
        ShowEditor(tab);
    }
    UpdateMarks();
    UpdateTabOrder();
    if (m_page) {
        m_page->update();
    }
}

void CNormalConfigBody::UpdateTabOrder() {
    std::vector<QWidget*> chain;
    for (int i = 0; i < list_.Count(); ++i) {
        chain.push_back(list_.Button(i));
    }
    for (const auto& tab : tabs_) {
        chain.push_back(tab->Control());
    }
    for (QWidget* control : engine_.TabChain()) {
        chain.push_back(control);
    }
    chain.push_back(save_.Control());
    chain.push_back(recover_.Control());
    vexo::ChainTabs(chain);
}

bool CNormalConfigBody::IsModified() const {
    if (CurrentEntry() == nullptr || !schedule_) {
        return false;
    }
    switch (currentTab_) {
        case kParamTab:
            return engine_.IsChanged();
        case kArmingTab:
            return schedule_->IsModified();
        case kLinkageTab:
            return linkage_->IsModified();
        default:
            return false;
    }
}

void CNormalConfigBody::UpdateMarks() {
    const bool edited = IsModified();
    for (size_t i = 0; i < tabs_.size() && i < tabCaptions_.size(); ++i) {
        tabs_[i]->Control()->setText(
            vexo::EditedCaption(tabCaptions_[i], edited && tabNumbers_[i] == currentTab_));
    }
    list_.MarkEdited(currentAlarm_, edited);
}

bool CNormalConfigBody::ConfirmLeave() {
    const QWidget* button = save_.Control();
    return vexo::ConfirmLeaveEdits(
        button ? button->mapToGlobal(QPoint(0, -160)) : QPoint(), [this] { return IsModified(); },
        [this] { Save(); }, [this] { Recover(); });
}

void CNormalConfigBody::ClearEditors() {
    if (!schedule_) {
        return;  // not created yet
    }
    schedule_->ClearControls();
    schedule_->hide();
    linkage_->ClearControls();
    linkage_->hide();
}

void CNormalConfigBody::ShowEditor(int tab) {
    const vexo::NormalAlarmEntry* alarm = CurrentEntry();
    CDialogManager* manager = Manager();
    ParamRecord cached;
    if (tab == kArmingTab) {
        schedule_->SetIdentity(alarm->type, alarm->token);
        schedule_->Init();
        schedule_->SetBatchCheck(manager->GetRecord(CDialogManager::NestedCache::Eighth,
                                                    alarm->type, alarm->token, cached));
        schedule_->show();
    } else if (tab == kLinkageTab) {
        linkage_->SetIdentity(alarm->type, alarm->token);
        linkage_->Init();
        linkage_->SetBatchCheck(manager->GetRecord(CDialogManager::NestedCache::Fifth, alarm->type,
                                                   alarm->token, cached));
        linkage_->show();
    }
}

void CNormalConfigBody::Save() {
    if (CurrentEntry() == nullptr) {
        return;
    }
    switch (currentTab_) {
        case kParamTab:
            SaveParameters();
            break;
        case kArmingTab:
            schedule_->Save();
            break;
        case kLinkageTab:
            linkage_->Save();
            break;
        default:
            break;
    }
    UpdateMarks();
}

bool CNormalConfigBody::SaveParameters() {
    CDialogManager* manager = Manager();
    const vexo::NormalAlarmEntry* alarm = CurrentEntry();
    CSmartXmlParse& context = manager->DeviceContext();
    vexo::ParamList params;
    context.GetNormalAlarmParameters(alarm->type, params);
    ParamRecord record = record_;
    std::map<QString, vexo::ObjectValueText> objects;
    engine_.CollectValues(record, objects);
    context.StoreObjectValues(params, objects, record);
    if (!context.ModifyNormalAlarmData(record)) {
        // The edits stay on screen for another try.
        context.ShowDeviceError();
        return false;
    }
    record_ = record;
    engine_.MarkUnchanged();
    manager->PutRecord(CDialogManager::NestedCache::Sixth, alarm->type, alarm->token, record_);
    // Write, then verify: what the device stored differently is listed and
    // the panel is built again from the device's version.
    ParamRecord stored;
    stored.funName = record.funName;
    stored.token = record.token;
    vexo::StoredDifferences differences;
    if (context.GetNormalAlarmData(stored)) {
        differences = vexo::CompareRecords(record, stored);
    }
    if (!differences.empty()) {
        BuildParamPanel();
    }
    vexo::ShowSaveSuccess(differences);
    return true;
}

void CNormalConfigBody::Recover() {
    if (CurrentEntry() == nullptr) {
        return;
    }
    // A normal alarm has no reset command: on every tab Recover drops the
    // edits and shows what the device holds.
    if (currentTab_ == kParamTab) {
        BuildParamPanel();
        UpdateMarks();
        return;
    }
    ShowTab(currentTab_);
}

void CNormalConfigBody::StoreForExport() {
    const vexo::NormalAlarmEntry* alarm = CurrentEntry();
    CDialogManager* manager = Manager();
    if (alarm == nullptr || manager == nullptr) {
        return;
    }
    // Each editor answers only while it shows its box and the box is ticked.
    ParamRecord record;
    if (schedule_->GetScheduleRecord(record)) {
        manager->PutRecord(CDialogManager::NestedCache::Eighth, alarm->type, alarm->token, record);
    }
    if (linkage_->GetTriggerRecord(record)) {
        manager->PutRecord(CDialogManager::NestedCache::Fifth, alarm->type, alarm->token, record);
    }
}

bool CNormalConfigBody::OnCommand(int offset) {
    if (offset >= kTabOffset && offset < kTabOffset + 3) {
        // Showing a tab reads it again, even the tab shown: ask first.
        if (ConfirmLeave()) {
            ShowTab(offset - kTabOffset + 1);
        } else {
            SetTabSelection(currentTab_);
        }
        return true;
    }
    if (offset == kSaveOffset) {
        Save();
        return true;
    }
    if (offset == kRecoverOffset) {
        Recover();
        return true;
    }
    const int alarm = list_.IndexOfOffset(offset);
    if (alarm >= 0) {
        if (ConfirmLeave()) {
            SelectAlarm(alarm);
        } else {
            list_.SetCurrent(currentAlarm_);
        }
        return true;
    }
    return false;
}

bool CNormalConfigBody::OnAutoNotify(const vexo::AutoNotification& notification) {
    if (currentTab_ == kParamTab && InEngineWindow(notification.id)) {
        return engine_.Dispatch(notification);
    }
    return false;
}

void CNormalConfigBody::Paint(QPainter& painter) {
    painter.setPen(vexo::ColorFromRef(kFrameColour));
    const QRect frame = Page() ? Page()->FitRect(kPanelRect) : kPanelRect;
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}
