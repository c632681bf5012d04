#include "dialog_manager.h"

#include <QWidget>

#include "action_gate.h"
#include "batch_export.h"
#include "com_str.h"
#include "common_header.h"
#include "device_command_channel.h"
#include "page_layout.h"

namespace {

constexpr const char* kPtzLockTime = "300000";
constexpr int kPageTimer = 1001;
constexpr int kPtzLockTimer = 1002;
constexpr int kPageTimerMs = 200;
constexpr int kPtzLockRenewMs = 240000;

int PageIndex(PageKind kind) {
    return static_cast<int>(kind);
}

}  // namespace

CDialogManager::CDialogManager(IPageFactory* factory) : factory_(factory) {
    // The UI thread's exchanges pass the action gate from the first manager on.
    vexo::ActionGate::Instance();
}

CDialogManager::~CDialogManager() {
    DestroyPages();
}

void CDialogManager::DestroyPages() {
    // Index, scene settings, smart configuration, header, normal arming.
    for (int i = 0; i < 3; ++i) {
        pages_[i].reset();
    }
    header_.reset();
    pages_[PageIndex(PageKind::NormalArming)].reset();
    pagesBuilt_ = 0;
}

void CDialogManager::Retire() {
    for (const auto& page : pages_) {
        if (page) {
            for (int timer : {kPageTimer, kPtzLockTimer}) {
                page->KillTimer(timer);
            }
        }
        if (QWidget* window = page ? page->Window() : nullptr) {
            window->hide();
            window->setParent(nullptr);
        }
    }
    if (header_) {
        header_->hide();
        header_->setParent(nullptr);
    }
    loadDialog_.setParent(nullptr, loadDialog_.windowFlags());
    if (DeviceCommandChannel* channel = context_.Channel()) {
        channel->Cut();
    }
}

void CDialogManager::SetDeviceLoginInfo(const QString& address, const QString& user,
                                        const QString& password, int loginArg) {
    address_ = address;
    user_ = user;
    password_ = password;
    loginArg_ = loginArg;
}

void CDialogManager::AttachDeviceContext() {
    context_.AttachChannel(std::make_unique<DeviceCommandChannel>());
}

bool CDialogManager::Login() {
    return context_.Login(&session_, address_, user_, password_) != 0;
}

int CDialogManager::LoadUiFiles() {
    context_.FetchDescriptionFiles();
    return 1;
}

QString CDialogManager::LocalText(const QString& key) const {
    // The localisation file fills one table per language; both lookups
    // read it, a missing key giving an empty text.
    const auto* table = context_.Localisation().TableOf(vexo::TheComStr().Language());
    if (table == nullptr) {
        return {};
    }
    const auto it = table->find(key);
    return it == table->end() ? QString() : it->second;
}

QString CDialogManager::GetLocalText1(const QString& key) const {
    return LocalText(key);
}
QString CDialogManager::GetLocalText2(const QString& key) const {
    return LocalText(key);
}

void CDialogManager::LoadNormalAlarmNames() {
    normalAlarmNames_.clear();
    normalAlarmFuns_.clear();
    context_.GetAllNormalAlarmFunName(normalAlarmFuns_);
    for (const NormalAlarmFun& fun : normalAlarmFuns_) {
        const QString first = GetLocalText1(fun.type);
        const QString second = GetLocalText2(fun.type);
        if (!first.isEmpty() && !second.isEmpty()) {
            normalAlarmNames_.append(second);
            nameByDisplay_[second] = fun.type;
            firstTextByDisplay_[second] = first;
        }
    }
}

void CDialogManager::BuildFunctionIdTable() {
    std::vector<vexo::AlarmFunctionTexts> alarms;
    alarms.reserve(normalAlarmFuns_.size());
    for (const NormalAlarmFun& fun : normalAlarmFuns_) {
        alarms.push_back({fun.type, GetLocalText1(fun.type), GetLocalText2(fun.type)});
    }
    functionIds_ = vexo::BuildFunctionIdTable(smartFunctionNames_, firstTextByDisplay_,
                                              nameByDisplay_, alarms);
}

int CDialogManager::Refresh() {
    if (DeviceCommandChannel* channel = context_.Channel()) {
        channel->ForgetRanges();
    }
    context_.GetSmartStatus(smartStatus_);
    if (smartStatus_ != 0) {
        LoadScenes();
        LoadSceneFunctions();
        BuildFunctionIdTable();
        BuildFunctionIdTriples();
        BuildSceneFunctionLists();
        if (IManagedPage* index = Page(PageKind::Index)) {
            index->Rebuild();
        }
        ShowPage(0);
    } else {
        ShowPage(currentPage_);
    }
    return smartStatus_;
}

void CDialogManager::LoadScenes() {
    scenes_.clear();
    currentScene_ = -1;
    if (!context_.GetSceneList(scenes_)) {
        return;
    }
    for (int i = 0; i < static_cast<int>(scenes_.size()); ++i) {
        if (scenes_[i].selected) {
            currentScene_ = i;
        }
    }
    if (scenes_.empty()) {
        return;
    }
    if (currentScene_ < 0) {
        currentScene_ = 0;  // the first scene, left unselected
    } else {
        scenes_[currentScene_].selected = 1;
    }
    context_.SetReferenceScene(scenes_.front().name, scenes_.front().token);
}

void CDialogManager::LoadSceneFunctions() {
    smartFunctionNames_.clear();
    // Each scene's list is independent of the others': all go out at once,
    // and are then read in the scenes' order.
    std::vector<DeviceCommandChannel::AheadCommand> reads;
    for (const SceneRecord& scene : scenes_) {
        reads.push_back(DeviceCommandChannel::FunctionListRead(scene.token));
    }
    const DeviceCommandChannel::AheadScope ahead(context_.Channel(), reads);
    for (const SceneRecord& scene : scenes_) {
        context_.SetReferenceScene(scene.name, scene.token);
        QStringList names;
        context_.GetAllSupportSmartFunName(names);
        sceneFunctions_[scene.token] = names;
        for (const QString& name : names) {
            const QString first = GetLocalText1(name);
            const QString second = GetLocalText2(name);
            if (!first.isEmpty() && !second.isEmpty() && !smartFunctionNames_.contains(second)) {
                smartFunctionNames_.append(second);
                nameByDisplay_[second] = name;
                firstTextByDisplay_[second] = first;
            }
        }
    }
}

void CDialogManager::BuildFunctionIdTriples() {
    functionIdTriples_ = vexo::BuildFunctionIdTriples(functionIds_);
}

void CDialogManager::BuildSceneFunctionLists() {
    for (SceneRecord& scene : scenes_) {
        if (scene.kind == kDefaultScene || scene.kind == kOrdinaryScene) {
            QStringList enabled;
            context_.GetSceneSmartFuns(scene.token, enabled);
            scene.functionTexts.clear();
            for (const QString& name : enabled) {
                scene.functionTexts.append(GetLocalText1(name));
            }
            scene.functionSecondTexts.clear();
            const auto it = sceneFunctions_.find(scene.token);
            if (it != sceneFunctions_.end()) {
                for (const QString& name : it->second) {
                    scene.functionSecondTexts.append(GetLocalText2(name));
                }
            }
        } else {
            scene.functionTexts =
                QStringList{GetLocalText2(QStringLiteral("zelk:Intrusion_Event"))};
        }
    }
}

// ---- Pages

void CDialogManager::CreatePages(QWidget* parent, const QRect& rect) {
    while (CreateNextPage(parent, rect)) {
    }
}

bool CDialogManager::CreateNextPage(QWidget* parent, const QRect& rect) {
    if (pagesBuilt_ == 0) {
        layoutRect_ = rect;
    }
    if (factory_ == nullptr || parent == nullptr) {
        return false;
    }
    const auto create = [&](PageKind kind) {
        auto page = factory_->CreatePage(kind, &session_);
        if (page) {
            page->Create(this, parent);
        }
        pages_[PageIndex(kind)] = std::move(page);
    };
    switch (pagesBuilt_++) {
        case 0:
            if (vexo::ActionGate* gate = vexo::ActionGate::Instance()) {
                gate->AddSurface(parent);
            }
            create(PageKind::Index);
            return true;
        case 1:
            create(PageKind::SceneSet);
            return true;
        case 2:
            create(PageKind::SmartConfig);
            return true;
        case 3:
            header_ = std::make_unique<CCommonHeader>(parent);
            header_->Create(this);
            header_->hide();
            return true;
        case 4:
            create(PageKind::NormalArming);
            return true;
        default:
            pagesBuilt_ = 5;
            return false;
    }
}

bool CDialogManager::HasPages() const {
    for (const auto& page : pages_) {
        if (!page || page->Window() == nullptr) {
            return false;
        }
    }
    return true;
}

IManagedPage* CDialogManager::Page(PageKind kind) const {
    return pages_[PageIndex(kind)].get();
}

DeviceCommandChannel::AheadCommand CDialogManager::SceneSettingsLock() {
    return DeviceCommandChannel::PtzLockCommand(QString::fromLatin1(kPtzLockTime));
}

bool CDialogManager::ConfirmLeaveShownPage() {
    if (!HasPages()) {
        return true;
    }
    for (const auto& page : pages_) {
        if (page->Window()->isVisible()) {
            return page->ConfirmLeave();
        }
    }
    return true;
}

void CDialogManager::ShowPage(int page) {
    if (!HasPages() || page < 0 || page > 3) {
        return;
    }
    if (page != 1 && currentPage_ == 1) {
        context_.PTZUnLock();
    }
    const QRect area = vexo::PageArea(layoutRect_);
    IManagedPage* index = Page(PageKind::Index);
    IManagedPage* sceneSet = Page(PageKind::SceneSet);
    IManagedPage* smartConfig = Page(PageKind::SmartConfig);
    IManagedPage* arming = Page(PageKind::NormalArming);

    // The analytics pages' scene token is kept when the normal arming group
    // is entered, not when its page is shown again (its own token would
    // replace the one to come back to).
    if (page == 3 && !armingShown_) {
        armingSceneToken_ = context_.SceneToken();
    }
    armingShown_ = page == 3;
    for (int i = 0; i < 4; ++i) {
        QWidget* window = pages_[i]->Window();
        if (i == page) {
            window->setGeometry(area);
            window->show();
            window->raise();
        } else {
            window->hide();
        }
    }
    // Timers, page by page: 1001 every 200 ms on the shown page (the index
    // page has none), 1002 renews the PTZ lock while scene settings show.
    struct TimerPlan {
        std::array<IManagedPage*, 2> stopPageTimer;
        bool stopLockTimer;
    };
    const TimerPlan plans[4] = {
        {{sceneSet, smartConfig}, true},
        {{smartConfig, arming}, false},
        {{sceneSet, arming}, true},
        {{sceneSet, smartConfig}, true},
    };
    for (IManagedPage* other : plans[page].stopPageTimer) {
        other->KillTimer(kPageTimer);
    }
    if (plans[page].stopLockTimer) {
        sceneSet->KillTimer(kPtzLockTimer);
    }
    if (page != 0) {
        pages_[page]->SetTimer(kPageTimer, kPageTimerMs);
    }
    if (page == 1) {
        sceneSet->SetTimer(kPtzLockTimer, kPtzLockRenewMs);
    }
    if (page <= 2) {
        currentPage_ = page;
    }
    if (smartStatus_ == 0) {
        // With the analytics off only the normal arming page may be seen.
        for (IManagedPage* analytics : {index, sceneSet, smartConfig}) {
            analytics->Window()->hide();
        }
    }
    if (page == 1 && !context_.PTZLock(QString::fromLatin1(kPtzLockTime))) {
        context_.ShowDeviceError();
    }
    header_->setGeometry(vexo::HeaderBand(layoutRect_));
    header_->show();
    header_->raise();
}

void CDialogManager::LayoutPages(const QRect& rect) {
    layoutRect_ = rect;
    if (header_) {
        header_->setGeometry(vexo::HeaderBand(rect));
    }
    for (const auto& page : pages_) {
        if (page && page->Window()) {
            page->Window()->setGeometry(vexo::PageArea(rect));
        }
    }
}

void CDialogManager::ReloadNormalArming() {
    if (IManagedPage* arming = Page(PageKind::NormalArming)) {
        arming->Reload();
    }
}

void CDialogManager::HandDeviceInfoToPanes() {
    for (PageKind kind : {PageKind::SmartConfig, PageKind::SceneSet}) {
        if (IManagedPage* page = Page(kind)) {
            page->SetDeviceInfo(address_, user_, password_, loginArg_);
        }
    }
}

// ---- Batch configuration

void CDialogManager::GetBatchConfig(const QString& address, const QString& user,
                                    const QString& password, QString& config) const {
    config = CSmartXmlParse::ReadBatchConfig(address, user, password);
}

int CDialogManager::SetBatchConfig(const QString& address, const QString& user,
                                   const QString& password, const QString& config) const {
    QString errorText;
    switch (CSmartXmlParse::WriteBatchConfig(address, user, password, config, errorText)) {
        case CSmartXmlParse::BatchWrite::Accepted:
            return 1;
        case CSmartXmlParse::BatchWrite::Refused:
            // Translated with this manager's tables; a manager that never
            // logged in has none and shows the device's own text.
            context_.ShowDeviceErrorText(errorText);
            return 0;
        case CSmartXmlParse::BatchWrite::LoginFailed:
            break;
    }
    return 0;
}

// ---- Parameter caches

CDialogManager::RecordMap& CDialogManager::FlatMap(FlatCache cache) {
    return flatCaches_[static_cast<int>(cache)];
}
const CDialogManager::RecordMap& CDialogManager::FlatMap(FlatCache cache) const {
    return flatCaches_[static_cast<int>(cache)];
}
CDialogManager::NestedRecordMap& CDialogManager::NestedMap(NestedCache cache) {
    return nestedCaches_[static_cast<int>(cache)];
}
const CDialogManager::NestedRecordMap& CDialogManager::NestedMap(NestedCache cache) const {
    return nestedCaches_[static_cast<int>(cache)];
}

void CDialogManager::ExportBatchConfig() {
    for (PageKind kind : {PageKind::SmartConfig, PageKind::NormalArming}) {
        if (IManagedPage* page = Page(kind)) {
            page->StoreForExport();
        }
    }
    const QString text = vexo::BatchExportText(*this);
    const QString path = vexo::AskExportPath();
    if (!path.isEmpty()) {
        vexo::WriteExportFile(path, text);
    }
}

void CDialogManager::PutRecord(FlatCache cache, const QString& key, const ParamRecord& record) {
    std::lock_guard lock(cacheMutex_);
    FlatMap(cache)[key] = record;
}

bool CDialogManager::GetRecord(FlatCache cache, const QString& key, ParamRecord& record) const {
    std::lock_guard lock(cacheMutex_);
    const RecordMap& map = FlatMap(cache);
    const auto it = map.find(key);
    if (it == map.end()) {
        return false;
    }
    record = it->second;
    return true;
}

void CDialogManager::PutRecord(NestedCache cache, const QString& key, const QString& subKey,
                               const ParamRecord& record) {
    std::lock_guard lock(cacheMutex_);
    NestedMap(cache)[key][subKey] = record;
}

bool CDialogManager::GetRecord(NestedCache cache, const QString& key, const QString& subKey,
                               ParamRecord& record) const {
    std::lock_guard lock(cacheMutex_);
    const NestedRecordMap& map = NestedMap(cache);
    const auto outer = map.find(key);
    if (outer == map.end()) {
        return false;
    }
    const auto inner = outer->second.find(subKey);
    if (inner == outer->second.end()) {
        return false;
    }
    record = inner->second;
    return true;
}

CDialogManager::RecordMap CDialogManager::Records(FlatCache cache) const {
    std::lock_guard lock(cacheMutex_);
    return FlatMap(cache);
}

CDialogManager::NestedRecordMap CDialogManager::Records(NestedCache cache) const {
    std::lock_guard lock(cacheMutex_);
    return NestedMap(cache);
}

bool CDialogManager::RenameScene(const QString& token, const QString& name) {
    for (SceneRecord& record : scenes_) {
        if (record.token == token) {
            record.name = name;
            return true;
        }
    }
    return false;
}
