#include "panel_device.h"

#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>

#include "vexonet.h"

namespace vexo::test {

DescriptionOwners ReadDescriptionOwners(const QString& uiPath) {
    DescriptionOwners owners;
    QFile file(uiPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return owners;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString name = xml.attributes().value(QStringLiteral("Name")).toString();
        const auto element = xml.name();
        if (element == u"Rule") {
            owners.rules << name;
        } else if (element == u"Module") {
            owners.modules << name;
        } else if (element == u"NormalAlarm") {
            owners.normalAlarms << name;
        } else if (element == u"NonScene") {
            owners.nonScenes << name;
        }
    }
    return owners;
}

PanelDevice::PanelDevice() {
    VEXONET_Init();
}

PanelDevice::~PanelDevice() {
    parse_.AttachChannel(nullptr);
    session_.reset();
    VEXONET_Cleanup();
}

bool PanelDevice::Connect(const std::string& address, const char* user, const char* password) {
    session_ = std::make_unique<CAudioVideoPlay>();
    auto channel = std::make_unique<DeviceCommandChannel>();
    if (channel->ParamInit(session_.get(), QString::fromStdString(address),
                           QString::fromLatin1(user), QString::fromLatin1(password)) != 1) {
        return false;
    }
    const QString data = QStringLiteral(VEXO_SOURCE_DIR "/simulator/data/");
    parse_.SetFilePaths(data + QStringLiteral("korvane_ui.xml"),
                        data + QStringLiteral("korvane_lang.xml"));
    parse_.AttachChannel(std::move(channel));  // loads the texts
    owners_ = ReadDescriptionOwners(parse_.UiDescriptionPath());
    return true;
}

std::vector<RuleRef> PanelDevice::Rules() {
    std::vector<RuleRef> rules;
    DeviceCommandChannel* channel = parse_.Channel();
    std::vector<SceneRecord> scenes;
    if (!channel || !channel->GetSceneList(scenes)) {
        return rules;
    }
    for (const QString& fun : owners_.rules) {
        RuleRef found;
        QString supportingScene;
        for (const SceneRecord& scene : scenes) {
            QStringList all;
            channel->GetAllSupportSmartFunName(scene.token, all);
            if (!all.contains(fun)) {
                continue;
            }
            if (supportingScene.isEmpty()) {
                supportingScene = scene.token;
            }
            QStringList tokens;
            channel->QueryRule(scene.token, fun, tokens);
            if (!tokens.isEmpty()) {
                found = {scene.token, fun, tokens.front()};
                break;
            }
        }
        if (found.token.isEmpty() && !supportingScene.isEmpty()) {
            // Switch the function on for the scene, then add a rule of it.
            QStringList enabled;
            channel->GetSceneSmartFuns(supportingScene, enabled);
            if (!enabled.contains(fun)) {
                const auto scene = std::find_if(scenes.begin(), scenes.end(), [&](const auto& s) {
                    return s.token == supportingScene;
                });
                QStringList refused;
                channel->ModifyScene(supportingScene, scene->name, enabled << fun, refused);
            }
            ParamRecord record;
            record.funName = fun;
            record.token = fun.section(u':', -1) + QStringLiteral(" 01");
            if (channel->AddRule(supportingScene, record)) {
                found = {supportingScene, fun, record.token};
            }
        }
        if (!found.token.isEmpty()) {
            rules.push_back(found);
        }
    }
    return rules;
}

ParamRows PanelDevice::BuildRulePanel(CSmartUiEngine& engine, const RuleRef& rule,
                                      RulePanelRecords& records) {
    ParamRows rows;
    parse_.SetSceneToken(rule.scene);
    records.rule = {};
    records.rule.funName = rule.fun;
    records.rule.token = rule.token;
    records.modules.clear();
    records.nonScenes.clear();
    parse_.BuildRulePanel(false, rule.scene, records.rule, rows);
    parse_.BuildRuleModulePanels(false, rule.fun, rows, records.modules);
    parse_.BuildNonScenePanel(false, rule.fun, rows, &records.nonScenes);
    engine.Clear();
    engine.ResetLayout();
    engine.BuildPanel(rows, true);
    return rows;
}

}  // namespace vexo::test
