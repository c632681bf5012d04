#pragma once
// CSmartXmlParse: the device context's knowledge of the device's own files.
// After log-in it downloads the UI description and the localisation file
// the device publishes, then answers every question about parameters by
// reading the UI description again (the file is small and the questions
// come from user actions, so nothing is cached), and every question about
// display texts from the localisation tables it keeps in memory.
//
// Readers never change the object; list and map outputs are appended to.
// Not thread-safe: the login worker fetches while the UI thread waits.

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "description_records.h"
#include "device_command_channel.h"
#include "file_download.h"
#include "localisation.h"
#include "param_rows.h"
#include "row_geometry_text.h"
#include "ui_type.h"

class CAudioVideoPlay;

class CSmartXmlParse {
public:
    CSmartXmlParse();
    ~CSmartXmlParse();
    CSmartXmlParse(const CSmartXmlParse&) = delete;
    CSmartXmlParse& operator=(const CSmartXmlParse&) = delete;

    // Takes over the command channel and (re)loads the localisation tables.
    void AttachChannel(std::unique_ptr<DeviceCommandChannel> channel);
    DeviceCommandChannel* Channel() const { return channel_.get(); }

    // Asks the device for its files ("CMD_GetConfigInfo"), downloads each
    // into the description folder and takes the two known ones as the
    // current files; then reloads the localisation tables. A file that does
    // not download keeps the previous path. Always true.
    bool FetchDescriptionFiles();

    // The folder the device's files go to: the logged-in device's folder in
    // the user's cache (see module_directory.h) unless one was set here.
    void SetModuleDirectory(const std::string& directory) { moduleDirectory_ = directory; }
    std::string DescriptionFolder() const;
    void SetDownloadLimits(const vexo::DownloadLimits& limits) { downloadLimits_ = limits; }

    const QString& UiDescriptionPath() const { return uiPath_; }
    const QString& LocalisationPath() const { return langPath_; }
    // For a host that already holds the files, and for tests.
    void SetFilePaths(const QString& uiPath, const QString& langPath) {
        uiPath_ = uiPath;
        langPath_ = langPath;
    }

    const QString& SceneToken() const { return sceneToken_; }
    void SetSceneToken(const QString& token) { sceneToken_ = token; }

    // UI description readers. A reader given an empty name returns at once.
    void GetModuleParameters(const QString& moduleName, vexo::ParamList& params) const;
    void GetModulesOfType(const QString& moduleType, QStringList& moduleNames) const;
    void GetRuleParameters(const QString& ruleName, vexo::ParamList& params) const;
    void GetRuleRequires(const QString& ruleName, QStringList& moduleNames) const;
    void GetRuleRequireFuns(const QString& ruleName, QStringList& funNames) const;
    void GetNormalAlarmRequireFuns(const QString& alarmName, QStringList& funNames) const;
    void GetRuleRequireNonScene(const QString& ruleName, QStringList& nonSceneNames) const;
    void GetNormalAlarmParameters(const QString& alarmName, vexo::ParamList& params) const;
    void GetNonSceneParameters(const QString& nonSceneName, vexo::ParamList& params) const;
    // `ownerKind` is "Rule", "Module", "NonScene" or "NormalAlarm"; any
    // other kind yields nothing.
    void GetRequireUiLinks(const QString& ownerKind, const QString& ownerName,
                           vexo::UiLinkList& links) const;
    void GetMetaDataMenu(QStringList& entries) const;
    void GetMultiSceneCapability(const QString& capabilityName,
                                 vexo::CapabilityMap& capabilities) const;
    bool IsAddSceneSupported() const;
    // The pairs of analytics functions that one scene cannot run together
    // ("/korvane_ui/Capbility/FunctionConflicts", two items per conflict).
    void GetFunctionConflicts(std::vector<std::pair<QString, QString>>& conflicts) const;

    vexo::UiType UiTypeOf(const QString& uiTypeText) const { return uiTypes_.Lookup(uiTypeText); }

    // Localisation, in the control's current language.
    void LoadLocalisation();
    void GetDisplayText(const QString& identifier, QString& text) const;
    void GetIdentifierOfText(const QString& text, QString& identifier) const;
    const vexo::LocalisationTables& Localisation() const { return localisation_; }

    // After a refused command: shows the channel's last error text,
    // translated into the current language, under the title "error". An
    // empty text shows nothing. True when a text was handed to the display.
    bool ShowDeviceError() const;
    // While set, ShowDeviceError puts `subject` (the value the device most
    // likely refused, with its range) before the device's text.
    void SetErrorSubject(const QString& subject) { errorSubject_ = subject; }

    // ---- Commands on the channel: reference scene, scene-bound wrappers,
    // ---- batch read and write (smart_xml_parse_commands.cpp).

    // The reference scene: the scene the pages work on. Its token travels
    // with every scene-bound command below; "zelk:NormalAlarm" makes the
    // schedule and trigger commands address a normal alarm instead.
    const QString& SceneName() const { return sceneName_; }
    void SetReferenceScene(const QString& name, const QString& token) {
        sceneName_ = name;
        sceneToken_ = token;
    }

    // Logs `session` into the device and binds the channel to it
    // ("CMD_ParamInit"). 0 without a channel or when the login fails.
    int Login(CAudioVideoPlay* session, const QString& address, const QString& user,
              const QString& password);

    // Scenes. A refused AddScene, DelScene or SetCurScene shows the
    // device's error text; an accepted AddScene makes the new scene the
    // reference scene.
    int GetSceneList(std::vector<SceneRecord>& scenes);
    int AddScene(const QString& sceneName);
    int DelScene(const QString& sceneToken);
    int SetCurScene(const QString& sceneToken);
    int ModifyScene(const QString& sceneToken, const QString& sceneName,
                    const QStringList& funNames, QStringList& refusedFunNames);
    // The analytics functions of the reference scene.
    int GetAllSupportSmartFunName(QStringList& funNames);
    int GetSceneSmartFuns(const QString& sceneToken, QStringList& funNames) const;
    int GetSceneModuleList(std::map<QString, QString>& modules);

    // Rules and modules on the reference scene. Refused changes (add,
    // modify, reset, delete of a rule; modify of a module) show the
    // device's error text.
    int GetRuleParam(ParamRecord& record);
    int ModifyRuleParam(const ParamRecord& record);
    int ResetRuleParam(ParamRecord& record);
    int QueryRule(const QString& funName, QStringList& ruleTokens);
    int AddRule(ParamRecord& record);
    int DelRule(const QString& funName, const QString& ruleToken);
    int GetModuleParam(ParamRecord& record);
    int ModifyModuleParam(const ParamRecord& record);
    int ResetModuleParam(ParamRecord& record);
    int GetParamRange(const QString& funText, const QString& eventText, ParamRange& range);

    // Normal alarms, non-scene functions, triggers and schedules (owner
    // chosen by the reference scene token), tours.
    int GetAllNormalAlarmFunName(std::vector<NormalAlarmFun>& funs);
    int GetNormalAlarmData(ParamRecord& record);
    int ModifyNormalAlarmData(const ParamRecord& record);
    int GetNonSceneParam(ParamRecord& record);
    int ModifyNonSceneParam(const ParamRecord& record);
    int ResetNonSceneParam(ParamRecord& record);
    int GetActionTrigger(ParamRecord& record);
    int SetActionTrigger(const ParamRecord& record);
    int GetGuardSchedules(ParamRecord& record);
    int SetGuardSchedules(const ParamRecord& record);
    int GetSceneTourData(TourRecord& tour);
    int SetSceneTourData(const TourRecord& tour);

    // PTZ head and the analytics switch.
    int PTZLock(const QString& lockTime);
    int PTZUnLock();
    // The PTZ lock as the last lock or release left it, so that the pages
    // can tell whether they may move the dome and release it when they go.
    enum class PtzLockState { Free, Held, Refused };
    PtzLockState PtzLockNow() const { return ptzLock_; }
    // The device's reason for the last refusal, in the current language.
    const QString& PtzLockRefusal() const { return ptzLockRefusal_; }
    int GetPTZPosition(PtzPosition& position);
    int MovePTZPosition(float pan, float tilt, float zoom);
    int SetSmartStatus(int status);
    int GetSmartStatus(int& status);

    // The batch configuration, each on a temporary session and channel of
    // its own (the device context's channel is not touched, so these may
    // run on a worker thread). The read gives an empty text when the login
    // or the command fails.
    static QString ReadBatchConfig(const QString& address, const QString& user,
                                   const QString& password);
    enum class BatchWrite { Accepted, Refused, LoginFailed };
    // `errorText` receives the device's error text of a refusal.
    static BatchWrite WriteBatchConfig(const QString& address, const QString& user,
                                       const QString& password, const QString& config,
                                       QString& errorText);
    // Shows `errorText` as a device error (translated, under "error").
    bool ShowDeviceErrorText(const QString& errorText) const;

    // ---- Parameter rows and panels (smart_xml_parse_panels.cpp).

    // One row per parameter (param_rows.h): labels and list texts from the
    // localisation tables, values from `record`, and one "CMD_GetParamRange"
    // per parameter (function `ownerKind`, event the record's name).
    void BuildParamRows(const QString& ownerKind, const vexo::ParamList& params,
                        const vexo::UiLinkList& links, const ParamRecord& record,
                        vexo::ParamRows& rows) const;
    // The panel builders read the owner's record from the device, or with
    // `reset` first ask the device to restore its defaults and read it back;
    // a refused reset shows the device's error text and the rows are built
    // from the record as it was. Rows are appended. Each returns 1 when every
    // record it needed was read (or reset and read), else 0.
    int BuildRulePanel(bool reset, const QString& sceneToken, ParamRecord& rule,
                       vexo::ParamRows& rows);
    // The modules the rule requires, in order; each record is stored in
    // `modules` under its module name.
    int BuildRuleModulePanels(bool reset, const QString& ruleName, vexo::ParamRows& rows,
                              std::map<QString, ParamRecord>& modules);
    int BuildModulePanel(bool reset, const QString& moduleName, vexo::ParamRows& rows,
                         ParamRecord* module = nullptr);
    // `alarm` names the normal alarm (type and token) and receives its data.
    int BuildNormalAlarmPanel(bool reset, ParamRecord& alarm, vexo::ParamRows& rows);
    // The non-scene functions the rule requires; their records go into
    // `records` when given.
    int BuildNonScenePanel(bool reset, const QString& ruleName, vexo::ParamRows& rows,
                           std::map<QString, ParamRecord>* records = nullptr);
    // Saving a panel: each collected object value is written into the
    // record's object value of that name, read by the parameter's uiType
    // (row_geometry_text.h). Names not in `params` are ignored.
    void StoreObjectValues(const vexo::ParamList& params,
                           const std::map<QString, vexo::ObjectValueText>& collected,
                           ParamRecord& record) const;

private:
    vexo::UiTypeTable uiTypes_;
    QString uiPath_;
    QString langPath_;
    QString sceneName_;
    QString sceneToken_ = QStringLiteral("0");
    std::unique_ptr<DeviceCommandChannel> channel_;
    vexo::LocalisationTables localisation_;
    PtzLockState ptzLock_ = PtzLockState::Free;
    QString errorSubject_;
    QString ptzLockRefusal_;
    std::string moduleDirectory_;
    QString deviceAddress_;  // of the last Login, naming its cache folder
    vexo::DownloadLimits downloadLimits_;
};
