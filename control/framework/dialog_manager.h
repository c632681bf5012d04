#pragma once
// CDialogManager: the one object behind the control window. It owns the
// device context (files, localisation, command channel, reference scene),
// the device data every page shares (scenes, functions, function tables,
// parameter caches), the loading dialog, its own video session used for the
// login, and the five page windows. Pages reach each other only through it.
//
// Threads: the loading operations (Login, LoadUiFiles, LoadNormalAlarmNames,
// BuildFunctionIdTable, Refresh) run on the login worker while the UI thread
// waits in the loading dialog; ShowPage does nothing then because the pages
// do not exist yet. The parameter caches are locked for the auto-refresh
// worker; everything else belongs to the UI thread.

#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "audio_video_play.h"
#include "com_str.h"
#include "command_records.h"
#include "device_command_channel.h"
#include "dlg_load.h"
#include "managed_page.h"
#include "param_record.h"
#include "smart_fun_id_data.h"
#include "smart_xml_parse.h"

class CCommonHeader;
class QWidget;

class CDialogManager {
public:
    // Pages are created through `factory` (not owned; it must outlive the
    // manager). Without a factory the manager loads data but has no pages.
    explicit CDialogManager(IPageFactory* factory = nullptr);
    virtual ~CDialogManager();
    CDialogManager(const CDialogManager&) = delete;
    CDialogManager& operator=(const CDialogManager&) = delete;

    // ---- Credentials and login
    void SetDeviceLoginInfo(const QString& address, const QString& user, const QString& password,
                            int loginArg);
    const QString& DeviceAddress() const { return address_; }
    const QString& UserName() const { return user_; }
    const QString& Password() const { return password_; }
    int LoginArg() const { return loginArg_; }

    // Gives the device context a fresh command channel (and with it the
    // localisation tables).
    void AttachDeviceContext();
    // "CMD_ParamInit" through the device context with the own session.
    bool Login();
    int LoadUiFiles();
    void LoadNormalAlarmNames();
    void BuildFunctionIdTable();
    // Reads the smart status; with the analytics on, reloads scenes and
    // functions, rebuilds the index page and shows it. Returns the status.
    int Refresh();
    void LoadScenes();
    void LoadSceneFunctions();
    void BuildFunctionIdTriples();
    void BuildSceneFunctionLists();

    // ---- Pages
    void CreatePages(QWidget* parent, const QRect& rect);
    // Builds the next page (or the header) not built yet; false once all
    // are. A page takes tens of milliseconds to build: the control builds
    // one per event-loop turn while the loading dialog shows 100 %, so the
    // window never freezes for all of them at once.
    bool CreateNextPage(QWidget* parent, const QRect& rect);
    bool HasPages() const;
    // Deletes the header and the pages (the destructor does it as well).
    void DestroyPages();
    // For a manager to be deleted once the operator action in progress has
    // ended: its pages and header leave the control (hidden, without a
    // parent, timers stopped) and its channel sends nothing more, so the
    // handler still running on it finishes harmlessly.
    void Retire();
    // Page 0 index, 1 scene settings (holds the PTZ lock), 2 smart
    // configuration, 3 normal arming. Nothing before all pages exist.
    void ShowPage(int page);
    // The lock ShowPage(1) takes, for sending it ahead with the scene's reads.
    static DeviceCommandChannel::AheadCommand SceneSettingsLock();
    // Asks the page shown whether it may be left (unsaved edits: save,
    // discard or stay); true without pages.
    bool ConfirmLeaveShownPage();
    // Moves the header and the pages into `rect` and keeps it for later
    // page switches.
    void LayoutPages(const QRect& rect);
    IManagedPage* Page(PageKind kind) const;
    CCommonHeader* Header() const { return header_.get(); }
    int CurrentPage() const { return currentPage_; }
    const QRect& LayoutRect() const { return layoutRect_; }
    // The normal arming page reads its data again.
    void ReloadNormalArming();
    // Hands the credentials and stream selector to the panes of the smart
    // configuration and scene settings pages, in that order.
    void HandDeviceInfoToPanes();
    // The export button: lets the pages store their edits, then saves the
    // caches' batch text to the file the operator chooses. Nothing is
    // reported, whether the file was written or not (batch_export.h).
    void ExportBatchConfig();

    // ---- Texts
    QString GetLocalText1(const QString& key) const;
    QString GetLocalText2(const QString& key) const;

    // ---- Batch configuration on temporary objects
    void GetBatchConfig(const QString& address, const QString& user, const QString& password,
                        QString& config) const;
    int SetBatchConfig(const QString& address, const QString& user, const QString& password,
                       const QString& config) const;

    // ---- Parameter caches (shared with the auto-refresh worker)
    using RecordMap = std::map<QString, ParamRecord>;
    using NestedRecordMap = std::map<QString, RecordMap>;
    enum class FlatCache { First, Second };
    enum class NestedCache { Third, Fourth, Fifth, Sixth, Seventh, Eighth };
    // Caches 4/5 and 7/8 are chosen by a flag.
    static NestedCache FourthOrFifth(bool flag) {
        return flag ? NestedCache::Fifth : NestedCache::Fourth;
    }
    static NestedCache SeventhOrEighth(bool flag) {
        return flag ? NestedCache::Eighth : NestedCache::Seventh;
    }
    void PutRecord(FlatCache cache, const QString& key, const ParamRecord& record);
    bool GetRecord(FlatCache cache, const QString& key, ParamRecord& record) const;
    void PutRecord(NestedCache cache, const QString& key, const QString& subKey,
                   const ParamRecord& record);
    bool GetRecord(NestedCache cache, const QString& key, const QString& subKey,
                   ParamRecord& record) const;
    // Copies, for the batch export.
    RecordMap Records(FlatCache cache) const;
    NestedRecordMap Records(NestedCache cache) const;

    // ---- Shared data
    CSmartXmlParse& DeviceContext() { return context_; }
    CAudioVideoPlay& Session() { return session_; }
    CDlgLoad& LoadDialog() { return loadDialog_; }
    int SmartStatus() const { return smartStatus_; }
    int CurrentScene() const { return currentScene_; }
    const std::vector<SceneRecord>& Scenes() const { return scenes_; }
    // The index page adds, deletes and selects scenes in the shared list,
    // and says which scene is the current one.
    std::vector<SceneRecord>& EditScenes() { return scenes_; }
    void SetCurrentScene(int index) { currentScene_ = index; }
    // Gives the scene with `token` its saved name (the scene settings page
    // after a save); the record's other fields stay the manager's. False
    // when no scene has that token.
    bool RenameScene(const QString& token, const QString& name);
    const QStringList& SmartFunctionNames() const { return smartFunctionNames_; }
    const std::vector<NormalAlarmFun>& NormalAlarmFunctions() const { return normalAlarmFuns_; }
    const QStringList& NormalAlarmNames() const { return normalAlarmNames_; }
    const std::map<QString, QStringList>& SceneFunctions() const { return sceneFunctions_; }
    const QMap<QString, QString>& FunctionNameByDisplayName() const { return nameByDisplay_; }
    const QMap<QString, QString>& FirstTextByDisplayName() const { return firstTextByDisplay_; }
    const vexo::FunctionIdTable& FunctionIds() const { return functionIds_; }
    const vexo::FunctionIdTable& FunctionIdTriples() const { return functionIdTriples_; }
    const QString& ArmingSceneToken() const { return armingSceneToken_; }

private:
    QString LocalText(const QString& key) const;
    RecordMap& FlatMap(FlatCache cache);
    const RecordMap& FlatMap(FlatCache cache) const;
    NestedRecordMap& NestedMap(NestedCache cache);
    const NestedRecordMap& NestedMap(NestedCache cache) const;

    IPageFactory* factory_;
    QStringList smartFunctionNames_;
    std::vector<NormalAlarmFun> normalAlarmFuns_;
    QStringList normalAlarmNames_;
    std::map<QString, QStringList> sceneFunctions_;
    QMap<QString, QString> nameByDisplay_;
    QMap<QString, QString> firstTextByDisplay_;
    CSmartXmlParse context_;
    mutable std::mutex cacheMutex_;
    std::array<RecordMap, 2> flatCaches_;
    std::array<NestedRecordMap, 6> nestedCaches_;
    std::array<std::unique_ptr<IManagedPage>, 4> pages_;
    std::unique_ptr<CCommonHeader> header_;
    int pagesBuilt_ = 0;  // steps of CreateNextPage done
    CDlgLoad loadDialog_;
    QRect layoutRect_;
    int currentScene_ = -1;
    std::vector<SceneRecord> scenes_;
    vexo::FunctionIdTable functionIds_;
    vexo::FunctionIdTable functionIdTriples_;
    QString address_;
    QString user_;
    QString password_;
    int loginArg_ = 1;
    int currentPage_ = 0;
    // The metadata viewer of the live video speaks the UI language the
    // manager was created under (a language change replaces the manager).
    CAudioVideoPlay session_{vexo::TheComStr().Language()};
    int smartStatus_ = 1;
    QString armingSceneToken_;
    bool armingShown_ = false;  // page 3 is the page shown
};
