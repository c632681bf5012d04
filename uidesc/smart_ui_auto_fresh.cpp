#include "smart_ui_auto_fresh.h"

#include "com_str.h"
#include "row_range_prefetch.h"
#include "smart_xml_parse.h"

namespace vexo {

namespace {

const QString kRule = QStringLiteral("Rule");
const QString kModule = QStringLiteral("Module");
const QString kNonScene = QStringLiteral("NonScene");

ParamList ParamsOf(const CSmartXmlParse& parse, const QString& ownerKind, const QString& name) {
    ParamList params;
    if (ownerKind == kRule) {
        parse.GetRuleParameters(name, params);
    } else if (ownerKind == kModule) {
        parse.GetModuleParameters(name, params);
    } else {
        parse.GetNonSceneParameters(name, params);
    }
    return params;
}

}  // namespace

CSmartUiAutoFresh::CSmartUiAutoFresh(CSmartXmlParse* parse) : parse_(parse) {}

void CSmartUiAutoFresh::Gathered(Owner owner, const ParamRecord& record) const {
    if (sink_) {
        sink_(owner, record);
    }
}

void CSmartUiAutoFresh::SetArea(QWidget* parent, const QRect& header, const QRect& panel,
                                CShowAIConfig* overlay, const QRect& videoRect, int port) {
    port_ = port;
    engine_.SetArea(parent, header, panel, overlay, parse_, videoRect, port);
}

void CSmartUiAutoFresh::CollectRecord(const QString& ownerKind, ParamRecord& record) {
    std::map<QString, ObjectValueText> objects;
    engine_.CollectValues(record, objects);
    if (!parse_ || objects.empty()) {
        return;
    }
    // The parameter list is read once per panel build, not per collection:
    // collecting runs on every save and every drawing click.
    const QString key = ownerKind + u'|' + record.funName;
    auto it = paramLists_.find(key);
    if (it == paramLists_.end()) {
        it = paramLists_.emplace(key, ParamsOf(*parse_, ownerKind, record.funName)).first;
    }
    parse_->StoreObjectValues(it->second, objects, record);
}

void CSmartUiAutoFresh::CollectAll() {
    if (!shown_) {
        return;
    }
    if (mode_ == kRuleMode) {
        CollectRecord(kRule, rule_);
        return;
    }
    for (auto& [name, record] : modules_) {
        CollectRecord(kModule, record);
    }
    for (auto& [name, record] : nonScenes_) {
        CollectRecord(kNonScene, record);
    }
}

void CSmartUiAutoFresh::Build(const ParamRows& rows) {
    carried_ = false;
    paramLists_.clear();
    engine_.Clear();
    engine_.ResetLayout();
    engine_.BuildPanel(rows, true);
    shown_ = true;
}

int CSmartUiAutoFresh::ShowRule(bool reset, const QString& scene, const QString& funName,
                                const QString& token) {
    CollectAll();
    engine_.Clear();
    modules_.clear();
    nonScenes_.clear();
    mode_ = kRuleMode;
    scene_ = scene;
    funName_ = funName;
    rule_ = {};
    rule_.funName = funName;
    rule_.token = token;
    int read = 0;
    if (parse_) {
        // The rule's ranges depend on its function only: they go out with
        // the rule's read (a reset must come first; its read-back follows it).
        std::vector<DeviceCommandChannel::RangeKey> ranges;
        AddRangeKeys(kRule, funName, ranges);
        std::vector<DeviceCommandChannel::AheadCommand> reads;
        if (!reset) {
            reads.push_back(DeviceCommandChannel::RuleRead(parse_->SceneToken(), funName, token));
        }
        const DeviceCommandChannel::AheadScope ahead(parse_->Channel(), reads, ranges);
        read = reset ? parse_->ResetRuleParam(rule_) : parse_->GetRuleParam(rule_);
    }
    // The device's answer may name the rule otherwise; the rule bar's token
    // is the one the page addresses.
    rule_.funName = funName;
    rule_.token = token;
    if (read) {
        Gathered(Owner::Rule, rule_);
    }
    BuildFromRecords();
    return read;
}

int CSmartUiAutoFresh::ShowModules(bool reset, const QString& scene, const QString& funName) {
    CollectAll();
    engine_.Clear();
    modules_.clear();
    nonScenes_.clear();
    mode_ = kModuleMode;
    scene_ = scene;
    funName_ = funName;
    rule_ = {};
    int read = 1;
    if (parse_) {
        QStringList names;
        parse_->GetRuleRequires(funName, names);
        QStringList nonSceneNames;
        parse_->GetRuleRequireNonScene(funName, nonSceneNames);
        // The records and their ranges do not depend on each other: one
        // round of commands side by side, then read in the usual order.
        // Resets are writes, and each is read back after it: those stay in
        // sequence.
        std::vector<DeviceCommandChannel::AheadCommand> reads;
        std::vector<DeviceCommandChannel::RangeKey> ranges;
        for (const QString& name : names) {
            if (!reset) {
                reads.push_back(DeviceCommandChannel::ModuleRead(parse_->SceneToken(), name));
            }
            AddRangeKeys(kModule, name, ranges);
        }
        for (const QString& name : nonSceneNames) {
            if (!reset) {
                reads.push_back(DeviceCommandChannel::NonSceneRead(name));
            }
            AddRangeKeys(kNonScene, name, ranges);
        }
        const DeviceCommandChannel::AheadScope ahead(parse_->Channel(), reads, ranges);
        for (const QString& name : names) {
            ParamRecord& record = modules_[name];
            record.funName = name;
            const int ok =
                reset ? parse_->ResetModuleParam(record) : parse_->GetModuleParam(record);
            record.funName = name;
            if (ok) {
                Gathered(Owner::Module, record);
            }
            read &= ok;
        }
        for (const QString& name : nonSceneNames) {
            ParamRecord& record = nonScenes_[name];
            record.funName = name;
            const int ok =
                reset ? parse_->ResetNonSceneParam(record) : parse_->GetNonSceneParam(record);
            record.funName = name;
            if (ok) {
                Gathered(Owner::NonScene, record);
            }
            read &= ok;
        }
    }
    BuildFromRecords();
    return read;
}

void CSmartUiAutoFresh::AddRows(const QString& ownerKind, const ParamRecord& record,
                                ParamRows& rows) {
    WithRowInputs(ownerKind, record, [&](const RowInputs& inputs) {
        vexo::PrefetchRowRanges(parse_->Channel(), inputs, record.funName);
        vexo::BuildRows(inputs, rows);
    });
}

void CSmartUiAutoFresh::AddRangeKeys(const QString& ownerKind, const QString& name,
                                     std::vector<DeviceCommandChannel::RangeKey>& keys) {
    ParamRecord blank;
    blank.funName = name;
    WithRowInputs(ownerKind, blank, [&](const RowInputs& inputs) {
        for (const QString& paramName : vexo::RowRangeNames(inputs)) {
            keys.emplace_back(paramName, ownerKind, name);
        }
    });
}

void CSmartUiAutoFresh::WithRowInputs(const QString& ownerKind, const ParamRecord& record,
                                      const std::function<void(const RowInputs&)>& use) {
    UiLinkList links;
    parse_->GetRequireUiLinks(ownerKind, record.funName, links);
    const ParamList params = ParamsOf(*parse_, ownerKind, record.funName);
    RowInputs inputs;
    inputs.ownerKind = ownerKind;
    inputs.params = &params;
    inputs.links = &links;
    inputs.record = &record;
    // The channel keeps the device's range answers for the login: a redraw
    // (the video started, a reset) asks nothing.
    inputs.range = vexo::DeviceRanges(parse_->Channel(), ownerKind, record.funName);
    inputs.displayText = [this](const QString& identifier) {
        QString text = identifier;
        parse_->GetDisplayText(identifier, text);
        return text;
    };
    inputs.uiType = [this](const QString& text) { return parse_->UiTypeOf(text); };
    inputs.wireMarginText = TheComStr()->wireMargin;
    inputs.pixelText = TheComStr()->pixel;
    use(inputs);
}

void CSmartUiAutoFresh::BuildRows(ParamRows& rows) {
    if (!parse_) {
        return;
    }
    if (mode_ == kRuleMode) {
        AddRows(kRule, rule_, rows);
        return;
    }
    // Modules in the order the function requires them, then the non-scene
    // functions.
    QStringList moduleNames;
    parse_->GetRuleRequires(funName_, moduleNames);
    for (const QString& name : moduleNames) {
        if (const auto it = modules_.find(name); it != modules_.end()) {
            AddRows(kModule, it->second, rows);
        }
    }
    QStringList nonSceneNames;
    parse_->GetRuleRequireNonScene(funName_, nonSceneNames);
    for (const QString& name : nonSceneNames) {
        if (const auto it = nonScenes_.find(name); it != nonScenes_.end()) {
            AddRows(kNonScene, it->second, rows);
        }
    }
}

void CSmartUiAutoFresh::Rebuild() {
    if (!shown_) {
        return;
    }
    CollectAll();
    const bool edited = IsModified();
    BuildFromRecords();
    carried_ = edited;
}

void CSmartUiAutoFresh::Discard() {
    if (!shown_) {
        return;
    }
    // Copies: ShowRule empties the members these come from.
    const QString scene = scene_;
    const QString funName = funName_;
    const QString token = rule_.token;
    if (mode_ == kRuleMode) {
        ShowRule(false, scene, funName, token);
    } else {
        ShowModules(false, scene, funName);
    }
}

void CSmartUiAutoFresh::BuildFromRecords() {
    ParamRows rows;
    BuildRows(rows);
    Build(rows);
}

void CSmartUiAutoFresh::ClearPanel() {
    engine_.Clear();
    shown_ = false;
    carried_ = false;
    rule_ = {};
    modules_.clear();
    nonScenes_.clear();
}

bool CSmartUiAutoFresh::Save() {
    if (!shown_ || !parse_) {
        return false;
    }
    CollectAll();
    bool ok = true;
    if (mode_ == kRuleMode) {
        // A rule without a token cannot be addressed; the rule bar always
        // gives one, so this only guards against a panel built without it.
        if (rule_.token.isEmpty()) {
            return false;
        }
    }
    // A refusal names the value outside its range, when one is.
    parse_->SetErrorSubject(engine_.OutOfRangeValue());
    if (mode_ == kRuleMode) {
        ok = parse_->ModifyRuleParam(rule_) != 0;
        if (ok) {
            Gathered(Owner::Rule, rule_);
        }
    }
    for (const auto& [name, record] : modules_) {
        if (parse_->ModifyModuleParam(record)) {
            Gathered(Owner::Module, record);
        } else {
            ok = false;
        }
    }
    parse_->SetErrorSubject(QString());
    for (const auto& [name, record] : nonScenes_) {
        if (parse_->ModifyNonSceneParam(record)) {
            Gathered(Owner::NonScene, record);
        } else {
            parse_->ShowDeviceError();
            ok = false;
        }
    }
    if (ok) {
        engine_.ResetHistory();  // what is saved is not undone
        carried_ = false;
        engine_.MarkUnchanged();
    }
    return ok;
}

bool CSmartUiAutoFresh::Recover() {
    if (!shown_ || !parse_) {
        return false;
    }
    // The edits are kept in the records first: a record the device refuses
    // to reset comes back as the operator left it.
    CollectAll();
    bool ok = true;
    if (mode_ == kRuleMode) {
        const QString token = rule_.token;
        ok = parse_->ResetRuleParam(rule_) != 0;  // shows a refusal itself
        rule_.funName = funName_;
        rule_.token = token;
        if (ok) {
            Gathered(Owner::Rule, rule_);
        }
    }
    const auto reset = [&](auto doReset, Owner owner, ParamRecord& record) {
        const QString name = record.funName;
        const bool done = doReset(record) != 0;
        record.funName = name;
        if (done) {
            Gathered(owner, record);
        } else {
            parse_->ShowDeviceError();
            ok = false;
        }
    };
    for (auto& [name, record] : modules_) {
        reset([this](ParamRecord& r) { return parse_->ResetModuleParam(r); }, Owner::Module,
              record);
    }
    for (auto& [name, record] : nonScenes_) {
        reset([this](ParamRecord& r) { return parse_->ResetNonSceneParam(r); }, Owner::NonScene,
              record);
    }
    BuildFromRecords();
    return ok;
}

int CSmartUiAutoFresh::DeleteRule(const QString& funName, const QString& token) {
    return parse_ ? parse_->DelRule(funName, token) : 0;
}

bool CSmartUiAutoFresh::Dispatch(const AutoNotification& notification) {
    const bool taken = engine_.Dispatch(notification);
    if (taken && notification.code == AutoNotify::Clicked &&
        IsInAutoRange(notification.id, AutoIdBase(kAutoXpButtonClass))) {
        // A panel button keeps its "clicked" attribute in the record.
        CollectAll();
    }
    return taken;
}

}  // namespace vexo
