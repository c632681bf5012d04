// The parameter rows of CSmartXmlParse and the panel builders around them:
// which parameter lists and which device records make up one panel.

#include "com_str.h"
#include "row_range_prefetch.h"
#include "smart_xml_parse.h"

namespace {

const QString kRule = QStringLiteral("Rule");
const QString kModule = QStringLiteral("Module");
const QString kNormalAlarm = QStringLiteral("NormalAlarm");
const QString kNonScene = QStringLiteral("NonScene");

}  // namespace

void CSmartXmlParse::BuildParamRows(const QString& ownerKind, const vexo::ParamList& params,
                                    const vexo::UiLinkList& links, const ParamRecord& record,
                                    vexo::ParamRows& rows) const {
    vexo::RowInputs inputs;
    inputs.ownerKind = ownerKind;
    inputs.params = &params;
    inputs.links = &links;
    inputs.record = &record;
    DeviceCommandChannel* channel = channel_.get();
    inputs.range = vexo::DeviceRanges(channel, ownerKind, record.funName);
    inputs.displayText = [this](const QString& identifier) {
        QString text = identifier;
        GetDisplayText(identifier, text);
        return text;
    };
    inputs.uiType = [this](const QString& text) { return UiTypeOf(text); };
    inputs.wireMarginText = vexo::TheComStr()->wireMargin;
    inputs.pixelText = vexo::TheComStr()->pixel;
    vexo::PrefetchRowRanges(channel, inputs, record.funName);
    vexo::BuildRows(inputs, rows);
}

namespace {

// Reads the record, or resets it and reads it back (the channel's reset
// operations do the read); a refused reset shows the device's error text.
template <class Read, class Reset>
int ReadOrReset(const CSmartXmlParse& parse, bool reset, Read read, Reset doReset) {
    if (!reset) {
        return read();
    }
    if (doReset()) {
        return 1;
    }
    parse.ShowDeviceError();
    return 0;
}

// One owner's panel: its record read (or reset) from the device, then its
// rows, which are built even when the read failed so that the panel shows.
template <class Read, class Reset>
int ReadAndBuildRows(const CSmartXmlParse& parse, const QString& ownerKind,
                     const vexo::ParamList& params, const ParamRecord& record, bool reset,
                     Read read, Reset doReset, vexo::ParamRows& rows) {
    vexo::UiLinkList links;
    parse.GetRequireUiLinks(ownerKind, record.funName, links);
    const int ok = parse.Channel() ? ReadOrReset(parse, reset, read, doReset) : 0;
    parse.BuildParamRows(ownerKind, params, links, record, rows);
    return ok;
}

}  // namespace

int CSmartXmlParse::BuildRulePanel(bool reset, const QString& sceneToken, ParamRecord& rule,
                                   vexo::ParamRows& rows) {
    vexo::ParamList params;
    GetRuleParameters(rule.funName, params);
    return ReadAndBuildRows(
        *this, kRule, params, rule, reset, [&] { return channel_->GetRuleParam(sceneToken, rule); },
        [&] { return channel_->ResetRuleParam(sceneToken, rule); }, rows);
}

int CSmartXmlParse::BuildModulePanel(bool reset, const QString& moduleName, vexo::ParamRows& rows,
                                     ParamRecord* module) {
    ParamRecord local;
    ParamRecord& record = module ? *module : local;
    record.funName = moduleName;
    vexo::ParamList params;
    GetModuleParameters(moduleName, params);
    return ReadAndBuildRows(
        *this, kModule, params, record, reset,
        [&] { return channel_->GetModuleParam(sceneToken_, record); },
        [&] { return channel_->ResetModuleParam(sceneToken_, record); }, rows);
}

int CSmartXmlParse::BuildRuleModulePanels(bool reset, const QString& ruleName,
                                          vexo::ParamRows& rows,
                                          std::map<QString, ParamRecord>& modules) {
    QStringList moduleNames;
    GetRuleRequires(ruleName, moduleNames);
    int allRead = 1;
    for (const QString& name : moduleNames) {
        ParamRecord record;
        allRead &= BuildModulePanel(reset, name, rows, &record);
        modules[name] = std::move(record);
    }
    return allRead;
}

int CSmartXmlParse::BuildNormalAlarmPanel(bool reset, ParamRecord& alarm, vexo::ParamRows& rows) {
    vexo::ParamList params;
    GetNormalAlarmParameters(alarm.funName, params);
    // A normal alarm is reset through the rule reset command; its data is
    // then read back through its own command.
    return ReadAndBuildRows(
        *this, kNormalAlarm, params, alarm, reset,
        [&] { return channel_->GetNormalAlarmData(sceneToken_, alarm); },
        [&] {
            return channel_->ResetRuleParam(sceneToken_, alarm) &&
                   channel_->GetNormalAlarmData(sceneToken_, alarm);
        },
        rows);
}

int CSmartXmlParse::BuildNonScenePanel(bool reset, const QString& ruleName, vexo::ParamRows& rows,
                                       std::map<QString, ParamRecord>* records) {
    QStringList names;
    GetRuleRequireNonScene(ruleName, names);
    int allRead = 1;
    for (const QString& name : names) {
        ParamRecord record;
        record.funName = name;
        vexo::ParamList params;
        GetNonSceneParameters(name, params);
        allRead &= ReadAndBuildRows(
            *this, kNonScene, params, record, reset,
            [&] { return channel_->GetNonSceneParam(record); },
            [&] { return channel_->ResetNonSceneParam(record); }, rows);
        if (records) {
            (*records)[name] = std::move(record);
        }
    }
    return allRead;
}

void CSmartXmlParse::StoreObjectValues(const vexo::ParamList& params,
                                       const std::map<QString, vexo::ObjectValueText>& collected,
                                       ParamRecord& record) const {
    for (const vexo::ParamEntry& param : params) {
        const auto it = collected.find(param.name);
        if (it != collected.end()) {
            vexo::StoreObjectValueText(UiTypeOf(param.uiType), it->second,
                                       record.objectParams[param.name]);
        }
    }
}
