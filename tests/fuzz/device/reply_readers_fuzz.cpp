// The readers of list, range, PTZ, status and info replies on any reply.

#include "fuzz_reply.h"
#include "json_read.h"
#include "reply_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Json::Value info;
    if (!vexo::fuzz::ReplyInfo(data, size, info)) {
        return 0;
    }
    std::vector<SceneRecord> scenes;
    ReadSceneList(info, scenes);
    for (const SceneRecord& scene : scenes) {
        vexo::fuzz::Require(scene.kind == kDefaultScene || scene.kind == kOrdinaryScene,
                            "scene kind is 1 or 3");
    }

    QStringList names;
    QStringList enabled;
    ReadSmartFunNames(info, &names, enabled);
    vexo::fuzz::Require(enabled.size() <= names.size(), "enabled functions are listed");

    QStringList texts;
    ReadTextList(info, "RuleToken", texts);
    if (const Json::Value* fail = vexo::json::Member(info, "Fail")) {
        ReadTextList(*fail, "SmartFunName", texts);
    }
    std::map<QString, QString> map;
    ReadModuleList(info, map);
    ReadConfigInfo(info, map);
    ParamRange range;
    ReadParamRange(info, range);
    std::vector<NormalAlarmFun> funs;
    ReadNormalAlarmFuns(info, funs);
    PtzPosition position;
    ReadPtzPosition(info, position);
    const int status = ReadSmartStatus(info);
    vexo::fuzz::Require(status == 0 || status == 1, "smart status is a flag");
    ReadBatchConfigText(info);
    return 0;
}
