// The UI description and texts the simulated device ships are read
// completely: every parameter's uiType is known and every name the panels
// show has a text in both languages.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "com_str.h"
#include "narrow_text.h"
#include "smart_xml_parse.h"
#include "temp_files.h"
#include "xml_file.h"

namespace {

const QString kUi = QStringLiteral(VEXO_DEVICE_DATA_DIR "/korvane_ui.xml");
const QString kLang = QStringLiteral(VEXO_DEVICE_DATA_DIR "/korvane_lang.xml");

struct Owner {
    QString kind;
    QString name;
};

std::vector<Owner> OwnersOf(const QString& path) {
    std::vector<Owner> owners;
    const vexo::XmlFile file(vexo::ToNarrow(path));
    for (const char* kind : {"Module", "Rule", "NormalAlarm", "NonScene"}) {
        for (xmlNode* node :
             file.Select(std::string("/korvane_ui/") + kind + "s/" + kind + "[@Name]")) {
            owners.push_back({kind, *vexo::Attribute(node, "Name")});
        }
    }
    return owners;
}

class ShippedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        parse_.SetFilePaths(kUi, kLang);
        parse_.LoadLocalisation();
        owners_ = OwnersOf(kUi);
        ASSERT_GT(owners_.size(), 20u);
    }
    vexo::ParamList ParametersOf(const Owner& owner) const {
        vexo::ParamList params;
        if (owner.kind == "Module") {
            parse_.GetModuleParameters(owner.name, params);
        } else if (owner.kind == "Rule") {
            parse_.GetRuleParameters(owner.name, params);
        } else if (owner.kind == "NormalAlarm") {
            parse_.GetNormalAlarmParameters(owner.name, params);
        } else {
            parse_.GetNonSceneParameters(owner.name, params);
        }
        return params;
    }
    CSmartXmlParse parse_;
    std::vector<Owner> owners_;
};

TEST_F(ShippedFiles, EveryParameterHasAKnownUiTypeAndEveryTypeIsUsed) {
    std::set<int> used;
    size_t count = 0;
    for (const Owner& owner : owners_) {
        for (const vexo::ParamEntry& param : ParametersOf(owner)) {
            const int type = parse_.UiTypeOf(param.uiType);
            EXPECT_NE(type, vexo::UI_UNKNOWN)
                << owner.name.toStdString() << " " << param.name.toStdString();
            used.insert(type);
            ++count;
        }
    }
    EXPECT_GT(count, 80u);
    EXPECT_EQ(used.size(), 27u);
}

TEST_F(ShippedFiles, EveryNameThePanelsShowHasBothLanguages) {
    std::set<QString> identifiers;
    for (const Owner& owner : owners_) {
        identifiers.insert(owner.name);
        for (const vexo::ParamEntry& param : ParametersOf(owner)) {
            identifiers.insert(param.name);
        }
    }
    QStringList menu;
    parse_.GetMetaDataMenu(menu);
    identifiers.insert(menu.begin(), menu.end());
    const auto& english = parse_.Localisation().English();
    const auto& chinese = parse_.Localisation().Chinese();
    for (const QString& id : identifiers) {
        EXPECT_FALSE(english.count(id) == 0 || english.at(id).isEmpty()) << id.toStdString();
        EXPECT_FALSE(chinese.count(id) == 0 || chinese.at(id).isEmpty()) << id.toStdString();
    }
    // And the file itself has no identifier in one language only.
    std::set<QString> englishIds, chineseIds;
    for (const auto& entry : english) {
        englishIds.insert(entry.first);
    }
    for (const auto& entry : chinese) {
        chineseIds.insert(entry.first);
    }
    EXPECT_EQ(englishIds, chineseIds);
}

TEST_F(ShippedFiles, ChineseTextsArriveAsChinese) {
    vexo::TheComStr().SetLanguage("chinese");
    QString text;
    parse_.GetDisplayText("zelk:Intrusion_Event", text);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NE(text, "zelk:Intrusion_Event");
    EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff;
    })) << text.toStdString();
    QString id;
    parse_.GetIdentifierOfText(text, id);
    EXPECT_EQ(id, "zelk:Intrusion_Event");
    vexo::TheComStr().SetLanguage("english");
}

TEST_F(ShippedFiles, RequirementsNameThingsTheFileDescribes) {
    std::set<QString> modules, nonScenes;
    for (const Owner& owner : owners_) {
        if (owner.kind == "Module") {
            modules.insert(owner.name);
        } else if (owner.kind == "NonScene") {
            nonScenes.insert(owner.name);
        }
    }
    for (const Owner& owner : owners_) {
        if (owner.kind != "Rule") {
            continue;
        }
        QStringList requires_, nonScene;
        parse_.GetRuleRequires(owner.name, requires_);
        parse_.GetRuleRequireNonScene(owner.name, nonScene);
        for (const QString& name : requires_) {
            EXPECT_EQ(modules.count(name), 1u) << name.toStdString();
        }
        for (const QString& name : nonScene) {
            EXPECT_EQ(nonScenes.count(name), 1u) << name.toStdString();
        }
    }
    vexo::CapabilityMap caps;
    parse_.GetMultiSceneCapability("TourScene", caps);
    EXPECT_EQ(caps.count("TourScene"), 1u);
    EXPECT_TRUE(parse_.IsAddSceneSupported());
}

}  // namespace
