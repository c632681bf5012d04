// The UI description readers on files built for each question.

#include <gtest/gtest.h>

#include "smart_xml_parse.h"
#include "temp_files.h"

using vexo::CapabilityMap;
using vexo::ParamEntry;
using vexo::ParamList;
using vexo::UiLinkList;

namespace {

const char* const kDescription = R"(<?xml version="1.0" encoding="UTF-8"?>
<korvane_ui>
  <Modules>
    <Module Name="m:Filter">
      <ModuleType>function_settings</ModuleType>
      <Parameters>
        <Param Name="FilterEnable" uiType="UI_Static_And_PushBtn"/>
        <Param Name="MinSize" uiType="UI_Static_And_RectBmpBtn"/>
      </Parameters>
      <RequireUILink>
        <Link Name="MinSize" LinkName="FilterEnable" LinkValue="true"/>
        <Link Name="NoValue" LinkName="FilterEnable"/>
        <Link Name="NoLinkName" LinkValue="x"/>
      </RequireUILink>
    </Module>
    <Module Name="m:Calibration">
      <Comment>first is not the type</Comment>
      <ModuleType>standard_labels</ModuleType>
    </Module>
    <Module Name="m:Untyped"><Parameters/></Module>
    <Module Name="m:CaseDiffers"><ModuleType>Function_Settings</ModuleType></Module>
  </Modules>
  <Rules>
    <Rule Name="r:Intrusion">
      <Parameters>
        <Param Name="Enable" uiType="UI_Static_And_PushBtn"/>
        <Param Name="NoType"/>
        <Param uiType="UI_LINE"/>
        <Param Name="Region" uiType="UI_Static_And_PenBmpBtn_RectBmpBtn"/>
      </Parameters>
      <Requires>
        <Item>m:Filter</Item>
        <Item>m:Calibration</Item>
      </Requires>
      <RequireNonScene><N>n:Metadata</N></RequireNonScene>
      <RequireUILink><L Name="Region" LinkName="Enable" LinkValue="true"/></RequireUILink>
    </Rule>
    <Rule Name="r:Intrusion">
      <Parameters><Param Name="Second" uiType="UI_Static_And_Edit"/></Parameters>
      <Requires><Item>m:Other</Item></Requires>
    </Rule>
  </Rules>
  <NormalAlarms>
    <NormalAlarm Name="a:Input">
      <Parameters><P Name="Delay" uiType="UI_Static_And_Edit_Spin"/></Parameters>
      <RequireUILink><L Name="Delay" LinkName="Mode" LinkValue="On"/></RequireUILink>
    </NormalAlarm>
  </NormalAlarms>
  <NonScenes>
    <NonScene Name="n:Metadata">
      <Parameters><P Name="Report" uiType="UI_Static_And_ComboBox"/></Parameters>
      <RequireUILink><L Name="Report" LinkName="Send" LinkValue="1"/></RequireUILink>
    </NonScene>
  </NonScenes>
  <MeteDataMenu>
    <Parameters>
      <P>Target</P>
      <P/>
      <P><Nested>not text</Nested></P>
      <P>Event</P>
    </Parameters>
  </MeteDataMenu>
  <Capbility>
    <MultiScene>
      <Before>Early</Before>
      <TourScene>On</TourScene>
      <AddScene>Off</AddScene>
      <Empty/>
    </MultiScene>
    <AddScene>on</AddScene>
  </Capbility>
</korvane_ui>
)";

class Readers : public ::testing::Test {
protected:
    void SetUp() override { Use(kDescription); }
    void Use(const std::string& content) {
        parse_.SetFilePaths(folder_.Write("korvane_ui.xml", content), QString());
    }
    // The owner's links as "Name<LinkName=LinkValue".
    QStringList Links(const char* kind, const char* owner) {
        UiLinkList links;
        parse_.GetRequireUiLinks(kind, owner, links);
        QStringList texts;
        for (const auto& link : links) {
            texts << link.name + '<' + link.condition.linkName + '=' + link.condition.linkValue;
        }
        return texts;
    }
    TempFolder folder_;
    CSmartXmlParse parse_;
};

TEST_F(Readers, ParametersSkipChildrenWithoutBothAttributesAndJoinSameNamedRules) {
    ParamList params;
    parse_.GetRuleParameters("r:Intrusion", params);
    const ParamList expected = {{"Enable", "UI_Static_And_PushBtn"},
                                {"Region", "UI_Static_And_PenBmpBtn_RectBmpBtn"},
                                {"Second", "UI_Static_And_Edit"}};
    EXPECT_EQ(params, expected);

    QStringList requires_;
    parse_.GetRuleRequires("r:Intrusion", requires_);
    EXPECT_EQ(requires_, QStringList({"m:Filter", "m:Calibration", "m:Other"}));
}

TEST_F(Readers, OutputsAreAppendedToAndOnlyExactNamesMatch) {
    ParamList params = {{"Kept", "UI_NULL"}};
    parse_.GetModuleParameters("m:Filter", params);
    ASSERT_EQ(params.size(), 3u);
    EXPECT_EQ(params[0].name, "Kept");
    EXPECT_EQ(params[2], (ParamEntry{"MinSize", "UI_Static_And_RectBmpBtn"}));

    ParamList none;
    QStringList texts;
    UiLinkList links;
    CapabilityMap caps;
    for (const char* name : {"", "r:intrusion", "r:Intrusion "}) {
        parse_.GetRuleParameters(name, none);
        parse_.GetRuleRequires(name, texts);
        parse_.GetRequireUiLinks("Rule", name, links);
    }
    parse_.GetModuleParameters("r:Intrusion", none);
    parse_.GetModuleParameters("", none);
    parse_.GetModulesOfType("", texts);
    parse_.GetMultiSceneCapability("", caps);
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(texts.isEmpty());
    EXPECT_TRUE(links.empty());
    EXPECT_TRUE(caps.empty());
}

// The required functions of rules and alarms, read from the simulator's
// indented description, decide the editor tabs in smart_recover_tabs.js and
// normal_parameters.js.
TEST_F(Readers, ListsAndLinksOfEachOwnerKind) {
    QStringList nonScenes;
    parse_.GetRuleRequireNonScene("r:Intrusion", nonScenes);
    EXPECT_EQ(nonScenes, QStringList({"n:Metadata"}));
    ParamList alarmParams;
    parse_.GetNormalAlarmParameters("a:Input", alarmParams);
    EXPECT_EQ(alarmParams, (ParamList{{"Delay", "UI_Static_And_Edit_Spin"}}));

    // The link without a LinkName is skipped.
    EXPECT_EQ(Links("Module", "m:Filter"),
              QStringList({"MinSize<FilterEnable=true", "NoValue<FilterEnable="}));
    EXPECT_EQ(Links("Rule", "r:Intrusion"), QStringList({"Region<Enable=true"}));
    EXPECT_EQ(Links("NormalAlarm", "a:Input"), QStringList({"Delay<Mode=On"}));
    EXPECT_EQ(Links("NonScene", "n:Metadata"), QStringList({"Report<Send=1"}));
    EXPECT_TRUE(Links("Rules", "r:Intrusion").isEmpty());
}

TEST_F(Readers, ModulesOfTypeLookAtTheFirstModuleTypeCaseSensitively) {
    QStringList function, labels, none;
    parse_.GetModulesOfType("function_settings", function);
    parse_.GetModulesOfType("standard_labels", labels);
    parse_.GetModulesOfType("Function_settings", none);
    EXPECT_EQ(function, QStringList({"m:Filter"}));
    EXPECT_EQ(labels, QStringList({"m:Calibration"}));
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(Readers, MetadataMenuTakesChildrenWhoseFirstChildIsText) {
    QStringList menu;
    parse_.GetMetaDataMenu(menu);
    EXPECT_EQ(menu, QStringList({"Target", "Event"}));
}

TEST_F(Readers, MultiSceneTakesTheMatchAndTheSiblingsAfterIt) {
    CapabilityMap tour;
    parse_.GetMultiSceneCapability("TourScene", tour);
    EXPECT_EQ(tour, (CapabilityMap{{"TourScene", "On"}, {"AddScene", "Off"}}));
    CapabilityMap add;
    parse_.GetMultiSceneCapability("AddScene", add);
    EXPECT_EQ(add, (CapabilityMap{{"AddScene", "Off"}}));
    CapabilityMap missing;
    parse_.GetMultiSceneCapability("Missing", missing);
    EXPECT_TRUE(missing.empty());
}

TEST_F(Readers, AddSceneIsOnOnlyForOnAndLowerCaseOn) {
    EXPECT_TRUE(parse_.IsAddSceneSupported());  // "on" in the shared file
    for (const auto& [text, expected] : std::vector<std::pair<std::string, bool>>{{"On", true},
                                                                                  {"on", true},
                                                                                  {"ON", false},
                                                                                  {"true", false},
                                                                                  {" On", false},
                                                                                  {"", false}}) {
        Use("<korvane_ui><Capbility><AddScene>" + text + "</AddScene></Capbility></korvane_ui>");
        EXPECT_EQ(parse_.IsAddSceneSupported(), expected) << text;
    }
}

TEST_F(Readers, EveryQueryReadsTheCurrentFileAgain) {
    QStringList menu;
    parse_.GetMetaDataMenu(menu);
    Use("<korvane_ui><MeteDataMenu><Parameters><P>Fresh</P></Parameters></MeteDataMenu>"
        "</korvane_ui>");
    parse_.GetMetaDataMenu(menu);
    EXPECT_EQ(menu, QStringList({"Target", "Event", "Fresh"}));
}

TEST_F(Readers, MissingBrokenOrForeignFilesYieldNothing) {
    const std::vector<std::string> files = {
        "", "not xml at all", "<korvane_local><Rules/></korvane_local>",
        "<Korvane_ui><Capbility><AddScene>On</AddScene></Capbility></Korvane_ui>"};
    for (const std::string& content : files) {
        Use(content);
        ParamList params;
        parse_.GetRuleParameters("r:Intrusion", params);
        EXPECT_TRUE(params.empty()) << content;
        EXPECT_FALSE(parse_.IsAddSceneSupported()) << content;
    }
    parse_.SetFilePaths(QString::fromStdString(folder_.Path() + "/absent.xml"), {});
    QStringList menu;
    parse_.GetMetaDataMenu(menu);
    EXPECT_TRUE(menu.isEmpty());
    CSmartXmlParse fresh;  // no file yet
    EXPECT_FALSE(fresh.IsAddSceneSupported());
}

TEST_F(Readers, RecoveryReadsWhatComesBeforeABreak) {
    Use("<korvane_ui><Rules><Rule Name=\"r\"><Parameters>"
        "<P Name=\"A\" uiType=\"UI_LINE\"/><P Name=\"B\" uiType=\"UI_WIRE\">"
        "</Parameters></Rule>");
    ParamList params;
    parse_.GetRuleParameters("r", params);
    ASSERT_FALSE(params.empty());
    EXPECT_EQ(params[0], (ParamEntry{"A", "UI_LINE"}));
}

TEST_F(Readers, HostileNamesNeverReachBeyondElements) {
    ParamList params;
    for (const char* name :
         {"'", "r:Intrusion']|//*|x['", "']/namespace::*|//x['", "\"", "..", "*"}) {
        parse_.GetRuleParameters(name, params);
        CapabilityMap caps;
        parse_.GetMultiSceneCapability(name, caps);
    }
    // The injection above may select other Parameters elements of the same
    // file, never crash; the namespace axis selects nothing readable.
    CapabilityMap caps;
    parse_.GetMultiSceneCapability("namespace::*", caps);
    EXPECT_TRUE(caps.empty());
}

// A description from a hostile device: an external entity is never read,
// an entity bomb is never expanded.
TEST_F(Readers, EntitiesAreNeitherFetchedNorExpanded) {
    const QString secret = folder_.Write("secret.txt", "TOP-SECRET");
    Use("<?xml version=\"1.0\"?><!DOCTYPE korvane_ui [<!ENTITY s SYSTEM \"file://" +
        secret.toStdString() +
        "\">]><korvane_ui><MeteDataMenu><Parameters><P>a&s;b</P>"
        "</Parameters></MeteDataMenu><Capbility><AddScene>On</AddScene></Capbility></korvane_ui>");
    QStringList menu;
    parse_.GetMetaDataMenu(menu);
    ASSERT_EQ(menu.size(), 1);
    EXPECT_FALSE(menu[0].contains("TOP-SECRET"));
    EXPECT_TRUE(parse_.IsAddSceneSupported());

    std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE korvane_ui [<!ENTITY e0 \"lol\">";
    for (int i = 1; i < 12; ++i) {
        bomb += "<!ENTITY e" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j) {
            bomb += "&e" + std::to_string(i - 1) + ";";
        }
        bomb += "\">";
    }
    const QString path = folder_.Write(
        "bomb.xml", bomb +
                        "]><korvane_ui><Rules><Rule Name=\"r\">"
                        "<Requires><I>&e11;</I></Requires></Rule></Rules></korvane_ui>");
    parse_.SetFilePaths(path, path);
    QStringList texts;
    parse_.GetRuleRequires("r", texts);
    parse_.LoadLocalisation();
    qsizetype total = 0;
    for (const QString& text : texts) {
        total += text.size();
    }
    EXPECT_LT(total, 1024 * 1024);  // 10^11 characters if it were expanded
}

}  // namespace
