#pragma once
// The one object that exchanges analytics commands with the device: it turns
// a command name and its parameter value into the request text, hands it to
// the network library, decides success from the reply's "ack", keeps the
// device's last error text and returns the reply's "info".
//
// The command operations below are members too; each builds its command's
// "info", runs SendCommand and reads the reply. They return 1 when the device
// acknowledged the command and 0 otherwise; a failed command leaves every
// output as it was, and outputs that are lists are appended to. Follow-up
// reads (after a reset, an add or a scene change) never change the result.
//
// Not thread-safe: each thread that sends commands uses a channel of its own.
// On a thread with an exchange gate (exchange_gate.h) the library call
// itself runs wherever the gate puts it; the channel is only touched here.

#include <json/value.h>

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "command_records.h"
#include "exchange_gate.h"
#include "param_record.h"

class CAudioVideoPlay;

class DeviceCommandChannel {
public:
    DeviceCommandChannel() = default;
    DeviceCommandChannel(const DeviceCommandChannel&) = delete;
    DeviceCommandChannel& operator=(const DeviceCommandChannel&) = delete;

    // One exchange. Returns 1 when the device acknowledged the command, 0 on
    // any failure. A command sent before ParamInit bound a video session, or
    // after Cut, fails with 0 and sends nothing.
    int SendCommand(const std::string& command, Json::Value params, Json::Value& reply);

    // A command whose turn comes later in the current operator action.
    struct AheadCommand {
        std::string command;
        Json::Value params;
    };
    // A range by parameter name, function and event.
    using RangeKey = std::tuple<QString, QString, QString>;
    // How a command sent ahead ended: its reply text, or the link's error.
    struct EarlyReply {
        std::string reply;
        bool answered = false;
        int linkError = 0;
    };

    // Sends `commands` side by side, together with every range of `ranges`
    // not kept yet (at most four in flight). Each command's reply waits until
    // SendCommand sends the very same request, which then takes it instead of
    // a round trip and reports it as its own, a failure included; so the
    // callers keep their order of commands and their error handling. Only
    // commands the action is certain to send belong here, and nothing whose
    // answer an earlier command of the list could change. Range answers are
    // kept as GetParamRange keeps them; a failed range is asked again there.
    void SendAhead(const std::vector<AheadCommand>& commands,
                   const std::vector<RangeKey>& ranges = {});
    // Drops the replies sent ahead and not taken: they belong to one action.
    void ForgetAhead() { ahead_.clear(); }
    // SendAhead for the length of a scope (an operator action's reads).
    class AheadScope {
    public:
        AheadScope(DeviceCommandChannel* channel, const std::vector<AheadCommand>& commands,
                   const std::vector<RangeKey>& ranges = {});
        ~AheadScope();
        AheadScope(const AheadScope&) = delete;
        AheadScope& operator=(const AheadScope&) = delete;

    private:
        DeviceCommandChannel* channel_;
    };
    // Asks the device, side by side, for every range of `paramNames` (of one
    // function and event) not kept yet, and keeps the answers; GetParamRange
    // then takes them without a round trip. What failed is asked again
    // there, one by one, and reported as usual.
    void PrefetchRanges(const QString& funText, const QString& eventText,
                        const QStringList& paramNames);

    // The reads and the lock that pages send ahead, built as their command
    // operations below build them.
    static AheadCommand FunctionListRead(const QString& sceneToken);
    static AheadCommand ModuleListRead(const QString& sceneToken);
    static AheadCommand RuleRead(const QString& sceneToken, const QString& funName,
                                 const QString& ruleToken);
    static AheadCommand ModuleRead(const QString& sceneToken, const QString& moduleName);
    static AheadCommand NonSceneRead(const QString& nonSceneName);
    static AheadCommand PtzLockCommand(const QString& lockTime);
    static AheadCommand NormalAlarmListRead();
    static AheadCommand SmartStatusRead();
    // Forgets the range answers kept so far: the next GetParamRange asks the
    // device again (after a Refresh, when the device may have restarted).
    void ForgetRanges() { ranges_.clear(); }

    // Copies the last "errinfo" text the device sent; always returns 1.
    int GetLastErrorText(QString& text) const;
    // How the last SendCommand ended (None after a success).
    vexo::ExchangeFailure LastFailure() const { return lastFailure_; }
    // From now on nothing is sent: the channel's owner is going away while
    // an action that uses it is still running.
    void Cut() { cut_ = true; }

    // Binds the channel to the video session, logs the session into the
    // device and sends "CMD_ParamInit" (its reply is not read). Returns 0 only
    // when the login fails.
    int ParamInit(CAudioVideoPlay* session, const QString& address, const QString& user,
                  const QString& password);

    // The request text of a command, as it travels to the device.
    static std::string BuildRequestText(const std::string& command, const Json::Value& params);

    // Reads one reply text: returns the exchange's result and takes over
    // "errinfo" and "info" as the channel does. Public so that the reply
    // handling can be exercised without a device.
    static int ApplyReply(std::string_view replyText, QString& lastErrorText, Json::Value& reply);
    // The same, telling a refusal (None or Refused) from a text that is no
    // reply at all (Unreadable).
    static vexo::ExchangeFailure ReadReply(std::string_view replyText, QString& lastErrorText,
                                           Json::Value& reply);

    // Scenes.
    int GetSceneList(std::vector<SceneRecord>& scenes);
    int AddScene(const QString& sceneName, QString& sceneToken);
    int DelScene(const QString& sceneToken);
    int SetCurScene(const QString& sceneToken);
    int ModifyScene(const QString& sceneToken, const QString& sceneName,
                    const QStringList& funNames, QStringList& refusedFunNames);
    int GetAllSupportSmartFunName(const QString& sceneToken, QStringList& funNames);
    // The functions last reported enabled for the scene; sends nothing.
    // Returns 0 with an empty list when they are not known: the scene was
    // never asked about, or the read after its last change failed.
    int GetSceneSmartFuns(const QString& sceneToken, QStringList& funNames) const;
    int GetSceneModuleList(const QString& sceneToken, std::map<QString, QString>& modules);

    // Rules and modules of an analytics function on a scene.
    int GetRuleParam(const QString& sceneToken, ParamRecord& record);
    int ModifyRuleParam(const QString& sceneToken, ParamRecord record);
    int ResetRuleParam(const QString& sceneToken, ParamRecord& record);
    int QueryRule(const QString& sceneToken, const QString& funName, QStringList& ruleTokens);
    int AddRule(const QString& sceneToken, ParamRecord& record);
    int DelRule(const QString& sceneToken, const QString& funName, const QString& ruleToken);
    int GetModuleParam(const QString& sceneToken, ParamRecord& record);
    int ModifyModuleParam(const QString& sceneToken, ParamRecord record);
    int ResetModuleParam(const QString& sceneToken, ParamRecord& record);
    int GetParamRange(const QString& funText, const QString& eventText, ParamRange& range);

    // Normal alarms and non-scene functions. The normal alarm commands take a
    // scene token for symmetry with the rule commands but never send it.
    int GetAllNormalAlarmFunName(std::vector<NormalAlarmFun>& funs);
    int GetNormalAlarmData(const QString& sceneToken, ParamRecord& record);
    int ModifyNormalAlarmData(const QString& sceneToken, const ParamRecord& record);
    int GetNonSceneParam(ParamRecord& record);
    int ModifyNonSceneParam(ParamRecord record);
    int ResetNonSceneParam(ParamRecord& record);

    // Action triggers and guard schedules of a rule, or of a normal alarm
    // when the scene token is "zelk:NormalAlarm".
    int GetActionTrigger(const QString& sceneToken, ParamRecord& record);
    int SetActionTrigger(const QString& sceneToken, ParamRecord record);
    int GetGuardSchedules(const QString& sceneToken, ParamRecord& record);
    int SetGuardSchedules(const QString& sceneToken, ParamRecord record);

    // Scene tours, by "SceneTourType".
    int GetSceneTourData(TourRecord& tour);
    int SetSceneTourData(TourRecord tour);

    // PTZ head and the analytics on/off switch.
    int PTZLock(const QString& lockTime);
    int PTZUnLock();
    int GetPTZPosition(PtzPosition& position);
    int MovePTZPosition(float pan, float tilt, float zoom);
    int SetSmartStatus(int status);
    int GetSmartStatus(int& status);

    // The whole analytics configuration as one text.
    int GetBatchConfig(QString& configText);
    // A text that parses as JSON goes out as an object with
    // "CMD_SetParamsBatchConfig", any other as a string with
    // "CMD_SetBatchConfig".
    int SetBatchConfig(const QString& configText);
    // The addresses of the device's files, by name.
    int GetConfigInfo(std::map<QString, QString>& config);

    // Groups of records for the batch text, by group key and record name
    // (first map) or by group key, function name and record name (second).
    using RecordsByName = std::map<QString, ParamRecord>;
    using RecordGroups = std::map<std::string, RecordsByName>;
    using FunctionRecordGroups = std::map<std::string, std::map<QString, RecordsByName>>;
    // Builds the batch configuration text from the control's own records;
    // sends nothing and returns 1. A group key present in both maps holds the
    // second map's content.
    static int BuildBatchConfigText(QString& text, const RecordGroups& first,
                                    const FunctionRecordGroups& second);

private:
    // Sends "CMD_GetAllSupportSmartFunName" and replaces the scene's entry in
    // the scene function cache; `funNames`, when given, receives every name.
    int QuerySceneFunctions(const QString& sceneToken, QStringList* funNames);

    // One library call for `request`, where the exchange gate puts it.
    static void Exchange(const std::string& request, int32_t loginId, vexo::ExchangeGate* gate,
                         std::string& replyCopy, bool& answered, int& linkError);
    // The reply sent ahead for `request`, taken out of the waiting ones.
    bool TakeEarlyReply(const std::string& request, EarlyReply& reply);

    QString lastErrorText_;
    vexo::ExchangeFailure lastFailure_ = vexo::ExchangeFailure::None;
    bool cut_ = false;
    CAudioVideoPlay* session_ = nullptr;
    // Per scene token, the analytics functions the device reported enabled.
    std::map<QString, QStringList> sceneFunctions_;
    // The device's range answers of this login ("info" of "CMD_GetParamRange")
    // by parameter, function and event: a device's ranges do not change while
    // it runs, so each is asked once per login and Refresh.
    std::map<RangeKey, Json::Value> ranges_;
    // Replies of commands sent ahead, by request text, until taken.
    std::map<std::string, EarlyReply> ahead_;
};
