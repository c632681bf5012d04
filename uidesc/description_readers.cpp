// The read-only questions about the UI description. Every call parses the
// current file again, selects with one XPath expression and walks what it
// matched; a missing file, a parse failure or another root yields nothing.

#include <cstring>
#include <string>

#include "narrow_text.h"
#include "smart_xml_parse.h"
#include "xml_file.h"

using vexo::Attribute;
using vexo::CapabilityMap;
using vexo::ParamList;
using vexo::TextContent;
using vexo::UiLinkList;
using vexo::XmlFile;

namespace {

// The name goes between the pattern's quotes unchanged: names are
// identifiers without quote characters.
std::string Pattern(const char* before, const QString& name, const char* after) {
    return before + vexo::ToNarrow(name) + after;
}

template <class Visit>
void Query(const QString& path, const std::string& xpath, Visit visit) {
    const XmlFile file(vexo::ToNarrow(path));
    if (!file.RootNamed("korvane_ui")) {
        return;
    }
    for (xmlNode* node : file.Select(xpath)) {
        visit(node);
    }
}

bool IsElement(const xmlNode* node, const char* name = nullptr) {
    return node->type == XML_ELEMENT_NODE &&
           (!name || std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0);
}

void ReadParameters(const QString& path, const std::string& xpath, ParamList& params) {
    Query(path, xpath, [&](xmlNode* parameters) {
        for (xmlNode* child = parameters->children; child; child = child->next) {
            const auto name = Attribute(child, "Name");
            const auto uiType = Attribute(child, "uiType");
            if (name && uiType) {
                params.push_back({*name, *uiType});
            }
        }
    });
}

void ReadChildTexts(const QString& path, const std::string& xpath, QStringList& texts) {
    Query(path, xpath, [&](xmlNode* list) {
        for (xmlNode* child = list->children; child; child = child->next) {
            if (IsElement(child)) {
                texts.append(TextContent(child));
            }
        }
    });
}

// "Rule" and "Rules" and so on: the owner's element and its list's.
const char* OwnerListOf(const QString& kind) {
    if (kind == QLatin1String("Rule")) {
        return "Rules";
    }
    if (kind == QLatin1String("Module")) {
        return "Modules";
    }
    if (kind == QLatin1String("NonScene")) {
        return "NonScenes";
    }
    if (kind == QLatin1String("NormalAlarm")) {
        return "NormalAlarms";
    }
    return nullptr;
}

}  // namespace

void CSmartXmlParse::GetModuleParameters(const QString& moduleName, ParamList& params) const {
    if (moduleName.isEmpty()) {
        return;
    }
    ReadParameters(uiPath_,
                   Pattern("/korvane_ui/Modules/Module[@Name='", moduleName, "']/Parameters"),
                   params);
}

void CSmartXmlParse::GetModulesOfType(const QString& moduleType, QStringList& moduleNames) const {
    if (moduleType.isEmpty()) {
        return;
    }
    Query(uiPath_, "/korvane_ui/Modules/Module", [&](xmlNode* module) {
        const auto name = Attribute(module, "Name");
        xmlNode* typeNode = module->children;
        while (typeNode && !IsElement(typeNode, "ModuleType")) {
            typeNode = typeNode->next;
        }
        if (name && typeNode && typeNode->children &&
            TextContent(typeNode->children) == moduleType) {
            moduleNames.append(*name);
        }
    });
}

void CSmartXmlParse::GetRuleParameters(const QString& ruleName, ParamList& params) const {
    if (ruleName.isEmpty()) {
        return;
    }
    ReadParameters(uiPath_, Pattern("/korvane_ui/Rules/Rule[@Name='", ruleName, "']/Parameters"),
                   params);
}

void CSmartXmlParse::GetRuleRequires(const QString& ruleName, QStringList& moduleNames) const {
    if (ruleName.isEmpty()) {
        return;
    }
    ReadChildTexts(uiPath_, Pattern("/korvane_ui/Rules/Rule[@Name='", ruleName, "']/Requires"),
                   moduleNames);
}

void CSmartXmlParse::GetRuleRequireFuns(const QString& ruleName, QStringList& funNames) const {
    if (ruleName.isEmpty()) {
        return;
    }
    ReadChildTexts(uiPath_, Pattern("/korvane_ui/Rules/Rule[@Name='", ruleName, "']/RequireFuns"),
                   funNames);
}

void CSmartXmlParse::GetNormalAlarmRequireFuns(const QString& alarmName,
                                               QStringList& funNames) const {
    if (alarmName.isEmpty()) {
        return;
    }
    ReadChildTexts(
        uiPath_,
        Pattern("/korvane_ui/NormalAlarms/NormalAlarm[@Name='", alarmName, "']/RequireFuns"),
        funNames);
}

void CSmartXmlParse::GetRuleRequireNonScene(const QString& ruleName,
                                            QStringList& nonSceneNames) const {
    if (ruleName.isEmpty()) {
        return;
    }
    ReadChildTexts(uiPath_,
                   Pattern("/korvane_ui/Rules/Rule[@Name='", ruleName, "']/RequireNonScene"),
                   nonSceneNames);
}

void CSmartXmlParse::GetNormalAlarmParameters(const QString& alarmName, ParamList& params) const {
    if (alarmName.isEmpty()) {
        return;
    }
    ReadParameters(
        uiPath_,
        Pattern("/korvane_ui/NormalAlarms/NormalAlarm[@Name='", alarmName, "']/Parameters"),
        params);
}

void CSmartXmlParse::GetNonSceneParameters(const QString& nonSceneName, ParamList& params) const {
    if (nonSceneName.isEmpty()) {
        return;
    }
    ReadParameters(uiPath_,
                   Pattern("/korvane_ui/NonScenes/NonScene[@Name='", nonSceneName, "']/Parameters"),
                   params);
}

void CSmartXmlParse::GetRequireUiLinks(const QString& ownerKind, const QString& ownerName,
                                       UiLinkList& links) const {
    const char* list = OwnerListOf(ownerKind);
    if (ownerName.isEmpty() || !list) {
        return;
    }
    const std::string pattern = std::string("/korvane_ui/") + list + "/" +
                                vexo::ToNarrow(ownerKind) + "[@Name='" + vexo::ToNarrow(ownerName) +
                                "']/RequireUILink";
    Query(uiPath_, pattern, [&](xmlNode* linkList) {
        for (xmlNode* child = linkList->children; child; child = child->next) {
            const auto name = Attribute(child, "Name");
            const auto linkName = Attribute(child, "LinkName");
            if (name && linkName) {
                links.push_back({*name, {*linkName, Attribute(child, "LinkValue").value_or("")}});
            }
        }
    });
}

void CSmartXmlParse::GetMetaDataMenu(QStringList& entries) const {
    Query(uiPath_, "/korvane_ui/MeteDataMenu/Parameters", [&](xmlNode* parameters) {
        for (xmlNode* child = parameters->children; child; child = child->next) {
            xmlNode* first = child->children;
            if (first && (first->type == XML_TEXT_NODE || first->type == XML_CDATA_SECTION_NODE) &&
                first->content && first->content[0] != '\0') {
                entries.append(TextContent(first));
            }
        }
    });
}

void CSmartXmlParse::GetMultiSceneCapability(const QString& capabilityName,
                                             CapabilityMap& capabilities) const {
    if (capabilityName.isEmpty()) {
        return;
    }
    Query(uiPath_, Pattern("/korvane_ui/Capbility/MultiScene/", capabilityName, ""),
          [&](xmlNode* matched) {
              for (xmlNode* element = matched; element; element = element->next) {
                  if (IsElement(element) && element->children) {
                      capabilities[vexo::FromNarrow(reinterpret_cast<const char*>(element->name))] =
                          TextContent(element->children);
                  }
              }
          });
}

bool CSmartXmlParse::IsAddSceneSupported() const {
    bool supported = false;
    Query(uiPath_, "/korvane_ui/Capbility/AddScene", [&](xmlNode* addScene) {
        for (xmlNode* child = addScene->children; child && !supported; child = child->next) {
            const QString text = TextContent(child);
            supported = text == QLatin1String("On") || text == QLatin1String("on");
        }
    });
    return supported;
}

void CSmartXmlParse::GetFunctionConflicts(
    std::vector<std::pair<QString, QString>>& conflicts) const {
    Query(uiPath_, "/korvane_ui/Capbility/FunctionConflicts/Conflict", [&](xmlNode* conflict) {
        QStringList items;
        for (xmlNode* child = conflict->children; child; child = child->next) {
            if (IsElement(child, "Item") && child->children) {
                items.append(TextContent(child->children));
            }
        }
        // A conflict names exactly two functions; anything else is ignored.
        if (items.size() == 2 && !items[0].isEmpty() && !items[1].isEmpty()) {
            conflicts.emplace_back(items[0], items[1]);
        }
    });
}
