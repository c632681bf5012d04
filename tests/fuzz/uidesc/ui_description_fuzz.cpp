// One input: a name on the first line, then the UI description file the
// device sent. Every reader runs on it with that name and with names the
// file is likely to hold.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "smart_xml_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/vexo-fuzz-ui-" + std::to_string(::getpid()) + ".xml";
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string name =
        newline == std::string::npos ? std::string() : input.substr(0, newline);
    const std::string file = newline == std::string::npos ? input : input.substr(newline + 1);
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    }
    CSmartXmlParse parse;
    parse.SetFilePaths(QString::fromStdString(path), QString());
    for (const QString& owner : {QString::fromUtf8(name.c_str()), QStringLiteral("r")}) {
        vexo::ParamList params;
        QStringList texts;
        vexo::UiLinkList links;
        vexo::CapabilityMap caps;
        parse.GetModuleParameters(owner, params);
        parse.GetRuleParameters(owner, params);
        parse.GetNormalAlarmParameters(owner, params);
        parse.GetNonSceneParameters(owner, params);
        parse.GetModulesOfType(owner, texts);
        parse.GetRuleRequires(owner, texts);
        parse.GetRuleRequireFuns(owner, texts);
        parse.GetRuleRequireNonScene(owner, texts);
        parse.GetNormalAlarmRequireFuns(owner, texts);
        for (const char* kind : {"Rule", "Module", "NonScene", "NormalAlarm"}) {
            parse.GetRequireUiLinks(kind, owner, links);
        }
        parse.GetMultiSceneCapability(owner, caps);
        for (const vexo::ParamEntry& param : params) {
            parse.UiTypeOf(param.uiType);
        }
    }
    QStringList menu;
    parse.GetMetaDataMenu(menu);
    vexo::CapabilityMap caps;
    parse.GetMultiSceneCapability("TourScene", caps);
    parse.IsAddSceneSupported();
    std::vector<std::pair<QString, QString>> conflicts;
    parse.GetFunctionConflicts(conflicts);
    return 0;
}
