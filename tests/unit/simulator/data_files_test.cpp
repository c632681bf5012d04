// The device's own files against the device itself: every parameter the UI
// description shows has a range and a value on the device (and the other
// way round), every link and requirement names something that exists, and
// every identifier and error text has English and Chinese texts. (That every
// uiType is one the control knows is the control's shipped-files test.)

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "device_error.h"
#include "sim_device.h"

namespace devsim::test {
namespace {

const std::string kData = std::string(VEXO_SOURCE_DIR) + "/simulator/data/";

// The text libxml2 handed over, freed.
std::string Take(xmlChar* value) {
    std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}
std::string Attribute(xmlNode* node, const char* name) {
    return Take(xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)));
}
std::string Text(xmlNode* node) {
    return Take(xmlNodeGetContent(node));
}

std::vector<xmlNode*> Children(xmlNode* node, const char* name = nullptr) {
    std::vector<xmlNode*> out;
    for (xmlNode* child = node != nullptr ? node->children : nullptr; child != nullptr;
         child = child->next) {
        if (child->type == XML_ELEMENT_NODE &&
            (name == nullptr || std::string(reinterpret_cast<const char*>(child->name)) == name)) {
            out.push_back(child);
        }
    }
    return out;
}

xmlNode* Child(xmlNode* node, const char* name) {
    const auto children = Children(node, name);
    return children.empty() ? nullptr : children.front();
}

struct Owner {
    std::string kind;  // "Rule", "Module", "NonScene", "NormalAlarm"
    std::string name;
    xmlNode* node;
};

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ui_ = xmlReadFile((kData + "korvane_ui.xml").c_str(), "UTF-8", 0);
        lang_ = xmlReadFile((kData + "korvane_lang.xml").c_str(), "UTF-8", 0);
        ASSERT_NE(ui_, nullptr);
        ASSERT_NE(lang_, nullptr);
        root_ = xmlDocGetRootElement(ui_);
        ASSERT_EQ(std::string(reinterpret_cast<const char*>(root_->name)), "korvane_ui");
        const struct {
            const char* group;
            const char* element;
            const char* kind;
        } groups[] = {{"Rules", "Rule", "Rule"},
                      {"Modules", "Module", "Module"},
                      {"NonScenes", "NonScene", "NonScene"},
                      {"NormalAlarms", "NormalAlarm", "NormalAlarm"}};
        for (const auto& group : groups) {
            for (xmlNode* node : Children(Child(root_, group.group), group.element)) {
                owners_.push_back({group.kind, Attribute(node, "Name"), node});
            }
        }
        xmlNode* langRoot = xmlDocGetRootElement(lang_);
        ASSERT_EQ(std::string(reinterpret_cast<const char*>(langRoot->name)), "korvane_local");
        for (xmlNode* table : Children(langRoot, "localized-strings")) {
            for (xmlNode* entry : Children(table)) {
                texts_[Attribute(table, "lang-iso3")][Attribute(entry, "Name")] =
                    Attribute(entry, "Value");
            }
        }
    }
    void TearDown() override {
        xmlFreeDoc(ui_);
        xmlFreeDoc(lang_);
    }

    Json::Value Range(const Owner& owner, const std::string& param) {
        Json::Value info;
        info["ParamName"] = param;
        info["ParamFunction"] = owner.kind;
        info["ParamEvent"] = owner.name;
        return device_.Send("CMD_GetParamRange", info);
    }

    void ExpectTranslated(const std::string& identifier) {
        for (const char* language : {"english", "chinese"}) {
            EXPECT_FALSE(texts_[language][identifier].empty())
                << identifier << " has no " << language << " text";
        }
    }

    SimDevice device_;
    xmlDoc* ui_ = nullptr;
    xmlDoc* lang_ = nullptr;
    xmlNode* root_ = nullptr;
    std::vector<Owner> owners_;
    std::map<std::string, std::map<std::string, std::string>> texts_;
};

TEST_F(DataFiles, EveryDeviceParameterIsShownAndEveryFunctionIsDescribed) {
    // The record the device answers for each owner holds exactly the
    // parameters the UI description lists for it.
    auto shown = [&](const Owner& owner) {
        std::set<std::string> names;
        for (xmlNode* param : Children(Child(owner.node, "Parameters"))) {
            names.insert(Attribute(param, "Name"));
        }
        return names;
    };
    // The member names of a record, its token left out.
    auto stored = [](const Json::Value& record) {
        const std::vector<std::string> names = record.getMemberNames();
        std::set<std::string> members(names.begin(), names.end());
        members.erase("Token");
        return members;
    };
    std::set<std::string> rules;
    for (const Owner& owner : owners_) {
        Json::Value info;
        Json::Value reply;
        if (owner.kind == "Module") {
            info["SceneToken"] = "Scene_001";
            info["ModuleName"] = owner.name;
            reply = device_.Ok("CMD_GetRuleModuleParam", info);
        } else if (owner.kind == "NonScene") {
            info["NonSceneName"] = owner.name;
            reply = device_.Ok("CMD_GetNonSceneParam", info);
        } else if (owner.kind == "NormalAlarm") {
            for (const Json::Value& alarm : device_.Ok("CMD_GetAllNormalAlarmFunName")) {
                if (alarm["NormalAlarmType"].asString() == owner.name) {
                    reply = device_.Ok("CMD_GetNormalAlarmData", alarm);
                }
            }
        } else {
            rules.insert(owner.name);
            continue;  // rules are checked through a new rule below
        }
        EXPECT_EQ(shown(owner), stored(reply)) << owner.kind << " " << owner.name;
    }
    EXPECT_EQ(rules, stored(device_.Ok("CMD_GetAllSupportSmartFunName",
                                       J(R"({"SceneToken":"Scene_001"})"))));
    EXPECT_GE(rules.size(), 14u);
    // A new rule of each function carries the parameters its panel shows.
    for (const Owner& owner : owners_) {
        if (owner.kind != "Rule") {
            continue;
        }
        device_.Ok("CMD_ModifyScene", J(R"({"SceneName":"Check","SceneToken":"Scene_003",
            "SceneConfigSmartFun":[{"SmartFunName":")" +
                                        owner.name + "\"}]}"));
        const Json::Value rule = J(R"({"SceneToken":"Scene_003","RuleToken":"Check 01",
            "SmartFunName":")" + owner.name +
                                   "\"}");
        device_.Send("CMD_AddRule", rule);
        EXPECT_EQ(shown(owner), stored(device_.Ok("CMD_GetRuleModuleParam", rule))) << owner.name;
    }
}

TEST_F(DataFiles, RequirementsAndLinksNameThingsThatExist) {
    std::map<std::string, std::set<std::string>> params;  // "kind name" -> parameters
    std::set<std::string> modules, nonScenes;
    for (const Owner& owner : owners_) {
        for (xmlNode* param : Children(Child(owner.node, "Parameters"))) {
            params[owner.kind + " " + owner.name].insert(Attribute(param, "Name"));
        }
        (owner.kind == "Module" ? modules : nonScenes).insert(owner.name);
    }
    bool schedules = false, triggers = false, nonSceneUsed = false, moduleUsed = false;
    for (const Owner& owner : owners_) {
        for (xmlNode* item : Children(Child(owner.node, "Requires"))) {
            EXPECT_EQ(modules.count(Text(item)), 1u) << owner.name << " requires " << Text(item);
            moduleUsed = true;
        }
        for (xmlNode* item : Children(Child(owner.node, "RequireNonScene"))) {
            EXPECT_EQ(nonScenes.count(Text(item)), 1u) << owner.name;
            nonSceneUsed = true;
        }
        for (xmlNode* item : Children(Child(owner.node, "RequireFuns"))) {
            const std::string fun = Text(item);
            EXPECT_TRUE(fun == "zelk:GuardSchedules" || fun == "zelk:ActionTrigger") << fun;
            schedules = schedules || fun == "zelk:GuardSchedules";
            triggers = triggers || fun == "zelk:ActionTrigger";
        }
        for (xmlNode* link : Children(Child(owner.node, "RequireUILink"))) {
            const auto& own = params[owner.kind + " " + owner.name];
            EXPECT_EQ(own.count(Attribute(link, "Name")), 1u) << owner.name;
            EXPECT_EQ(own.count(Attribute(link, "LinkName")), 1u) << owner.name;
            EXPECT_FALSE(Attribute(link, "LinkValue").empty());
        }
    }
    EXPECT_TRUE(schedules && triggers && nonSceneUsed && moduleUsed);
    EXPECT_FALSE(Children(Child(Child(root_, "MeteDataMenu"), "Parameters")).empty());
}

TEST_F(DataFiles, EveryParameterHasARangeAndEveryTextATranslation) {
    int params = 0;
    for (const Owner& owner : owners_) {
        ExpectTranslated(owner.name);
        for (xmlNode* param : Children(Child(owner.node, "Parameters"))) {
            const std::string name = Attribute(param, "Name");
            ExpectTranslated(name);
            const Json::Value reply = Range(owner, name);
            EXPECT_EQ(reply["ack"].asString(), "0")
                << owner.name << " " << name << ": " << reply["errinfo"].asString();
            ++params;
            const Json::Value& range = reply["info"];
            for (const std::string& key : range["rangeMap"].getMemberNames()) {
                if (key.rfind("item", 0) == 0) {
                    ExpectTranslated(range["rangeMap"][key].asString());
                }
            }
        }
        for (xmlNode* item : Children(Child(owner.node, "RequireFuns"))) {
            ExpectTranslated(Text(item));
        }
    }
    for (xmlNode* item : Children(Child(Child(root_, "MeteDataMenu"), "Parameters"))) {
        ExpectTranslated(Text(item));
    }
    const Json::Value trigger =
        device_.Ok("CMD_GetActionTrigger",
                   J(R"({"NormalAlarmType":"zelk:Motion_Event","NormalAlarmToken":"Motion 01"})"));
    for (const std::string& group : trigger["data"].getMemberNames()) {
        ExpectTranslated(group);
        for (const std::string& action : trigger["data"][group]["simp"].getMemberNames()) {
            ExpectTranslated(action);
        }
    }
    for (const char* error : err::kAll) {
        ExpectTranslated(error);
        EXPECT_EQ(texts_["english"][error], error);
    }
    EXPECT_GT(params, 80);
}

}  // namespace
}  // namespace devsim::test
