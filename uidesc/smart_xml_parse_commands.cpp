// The device context's commands: each passes the reference scene's token
// where the command is bound to a scene, and shows the device's error text
// after the refusals the operator must hear about. Without a channel every
// command fails with 0 and sends nothing.
#include "audio_video_play.h"
#include "com_str.h"
#include "device_error_display.h"
#include "smart_xml_parse.h"

namespace {

// Runs `command` on the channel; 0 when there is none.
template <class Command>
int OnChannel(DeviceCommandChannel* channel, Command command) {
    return channel ? command(*channel) : 0;
}

}  // namespace

int CSmartXmlParse::Login(CAudioVideoPlay* session, const QString& address, const QString& user,
                          const QString& password) {
    deviceAddress_ = address;
    return OnChannel(channel_.get(), [&](DeviceCommandChannel& c) {
        return c.ParamInit(session, address, user, password);
    });
}

bool CSmartXmlParse::ShowDeviceErrorText(const QString& errorText) const {
    return vexo::ShowDeviceErrorText(localisation_, vexo::TheComStr().Language(), errorText);
}

// ---- Scenes

int CSmartXmlParse::GetSceneList(std::vector<SceneRecord>& scenes) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetSceneList(scenes); });
}

int CSmartXmlParse::AddScene(const QString& sceneName) {
    QString token;
    const int result =
        OnChannel(channel_.get(), [&](auto& c) { return c.AddScene(sceneName, token); });
    if (result) {
        SetReferenceScene(sceneName, token);
    } else {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::DelScene(const QString& sceneToken) {
    const int result = OnChannel(channel_.get(), [&](auto& c) { return c.DelScene(sceneToken); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::SetCurScene(const QString& sceneToken) {
    const int result =
        OnChannel(channel_.get(), [&](auto& c) { return c.SetCurScene(sceneToken); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::ModifyScene(const QString& sceneToken, const QString& sceneName,
                                const QStringList& funNames, QStringList& refusedFunNames) {
    return OnChannel(channel_.get(), [&](auto& c) {
        return c.ModifyScene(sceneToken, sceneName, funNames, refusedFunNames);
    });
}

int CSmartXmlParse::GetAllSupportSmartFunName(QStringList& funNames) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetAllSupportSmartFunName(sceneToken_, funNames); });
}

int CSmartXmlParse::GetSceneSmartFuns(const QString& sceneToken, QStringList& funNames) const {
    return channel_ ? channel_->GetSceneSmartFuns(sceneToken, funNames) : 0;
}

int CSmartXmlParse::GetSceneModuleList(std::map<QString, QString>& modules) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetSceneModuleList(sceneToken_, modules); });
}

// ---- Rules and modules

int CSmartXmlParse::GetRuleParam(ParamRecord& record) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetRuleParam(sceneToken_, record); });
}

int CSmartXmlParse::ModifyRuleParam(const ParamRecord& record) {
    const int result =
        OnChannel(channel_.get(), [&](auto& c) { return c.ModifyRuleParam(sceneToken_, record); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::ResetRuleParam(ParamRecord& record) {
    const int result =
        OnChannel(channel_.get(), [&](auto& c) { return c.ResetRuleParam(sceneToken_, record); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::QueryRule(const QString& funName, QStringList& ruleTokens) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.QueryRule(sceneToken_, funName, ruleTokens); });
}

int CSmartXmlParse::AddRule(ParamRecord& record) {
    const int result =
        OnChannel(channel_.get(), [&](auto& c) { return c.AddRule(sceneToken_, record); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::DelRule(const QString& funName, const QString& ruleToken) {
    const int result = OnChannel(
        channel_.get(), [&](auto& c) { return c.DelRule(sceneToken_, funName, ruleToken); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::GetModuleParam(ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetModuleParam(sceneToken_, record); });
}

int CSmartXmlParse::ModifyModuleParam(const ParamRecord& record) {
    const int result = OnChannel(channel_.get(),
                                 [&](auto& c) { return c.ModifyModuleParam(sceneToken_, record); });
    if (!result) {
        ShowDeviceError();
    }
    return result;
}

int CSmartXmlParse::ResetModuleParam(ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.ResetModuleParam(sceneToken_, record); });
}

int CSmartXmlParse::GetParamRange(const QString& funText, const QString& eventText,
                                  ParamRange& range) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetParamRange(funText, eventText, range); });
}

// ---- Normal alarms, non-scene functions, triggers, schedules, tours

int CSmartXmlParse::GetAllNormalAlarmFunName(std::vector<NormalAlarmFun>& funs) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetAllNormalAlarmFunName(funs); });
}

int CSmartXmlParse::GetNormalAlarmData(ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetNormalAlarmData(sceneToken_, record); });
}

int CSmartXmlParse::ModifyNormalAlarmData(const ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.ModifyNormalAlarmData(sceneToken_, record); });
}

int CSmartXmlParse::GetNonSceneParam(ParamRecord& record) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetNonSceneParam(record); });
}

int CSmartXmlParse::ModifyNonSceneParam(const ParamRecord& record) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.ModifyNonSceneParam(record); });
}

int CSmartXmlParse::ResetNonSceneParam(ParamRecord& record) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.ResetNonSceneParam(record); });
}

int CSmartXmlParse::GetActionTrigger(ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetActionTrigger(sceneToken_, record); });
}

int CSmartXmlParse::SetActionTrigger(const ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.SetActionTrigger(sceneToken_, record); });
}

int CSmartXmlParse::GetGuardSchedules(ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.GetGuardSchedules(sceneToken_, record); });
}

int CSmartXmlParse::SetGuardSchedules(const ParamRecord& record) {
    return OnChannel(channel_.get(),
                     [&](auto& c) { return c.SetGuardSchedules(sceneToken_, record); });
}

int CSmartXmlParse::GetSceneTourData(TourRecord& tour) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetSceneTourData(tour); });
}

int CSmartXmlParse::SetSceneTourData(const TourRecord& tour) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.SetSceneTourData(tour); });
}

// ---- PTZ and the analytics switch

int CSmartXmlParse::PTZLock(const QString& lockTime) {
    const int result = OnChannel(channel_.get(), [&](auto& c) { return c.PTZLock(lockTime); });
    ptzLock_ = result ? PtzLockState::Held : PtzLockState::Refused;
    ptzLockRefusal_.clear();
    if (!result && channel_) {
        QString errorText;
        channel_->GetLastErrorText(errorText);
        ptzLockRefusal_ =
            vexo::TranslateDeviceError(localisation_, vexo::TheComStr().Language(), errorText);
    }
    return result;
}

int CSmartXmlParse::PTZUnLock() {
    ptzLock_ = PtzLockState::Free;
    ptzLockRefusal_.clear();
    return OnChannel(channel_.get(), [&](auto& c) { return c.PTZUnLock(); });
}

int CSmartXmlParse::GetPTZPosition(PtzPosition& position) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetPTZPosition(position); });
}

int CSmartXmlParse::MovePTZPosition(float pan, float tilt, float zoom) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.MovePTZPosition(pan, tilt, zoom); });
}

int CSmartXmlParse::SetSmartStatus(int status) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.SetSmartStatus(status); });
}

int CSmartXmlParse::GetSmartStatus(int& status) {
    return OnChannel(channel_.get(), [&](auto& c) { return c.GetSmartStatus(status); });
}

// ---- Batch configuration on a temporary session and channel

QString CSmartXmlParse::ReadBatchConfig(const QString& address, const QString& user,
                                        const QString& password) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    QString config;
    if (channel.ParamInit(&session, address, user, password)) {
        channel.GetBatchConfig(config);
    }
    return config;
}

CSmartXmlParse::BatchWrite CSmartXmlParse::WriteBatchConfig(const QString& address,
                                                            const QString& user,
                                                            const QString& password,
                                                            const QString& config,
                                                            QString& errorText) {
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    if (!channel.ParamInit(&session, address, user, password)) {
        return BatchWrite::LoginFailed;
    }
    if (channel.SetBatchConfig(config)) {
        return BatchWrite::Accepted;
    }
    channel.GetLastErrorText(errorText);
    return BatchWrite::Refused;
}
