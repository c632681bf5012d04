#include "com_str.h"

#include <iterator>

namespace vexo {

namespace {

// Constant-initialised: the module sets the language from its load-time
// constructor, which may run before this file's dynamic initialisers.
constexpr QStringView kChinese = u"chinese";
constexpr QStringView kEnglish = u"english";

struct TextRow {
    QString ComTexts::*field;
    const char16_t* english;
    const char16_t* chinese;
};

// Several Chinese texts differ in meaning from the English ones, and some
// carry leading blanks: both columns are the texts the operator has always
// seen and are used exactly as they are.
const TextRow kTextRows[] = {
    {&ComTexts::help, u"Help", u"帮助"},
    {&ComTexts::scene, u"Scene", u"场景"},
    {&ComTexts::sceneNameEmpty, u"Scene name can't be empty", u"场景名称不能为空"},
    {&ComTexts::sceneNameRepeated, u"Scene name can't be repeat", u"场景名称不能重复"},
    {&ComTexts::sceneLimitReached, u"Reach the max number of available scenes",
     u"达到支持场景个数上限"},
    {&ComTexts::notSupported, u"Not support", u"不支持创建场景"},
    {&ComTexts::autoTrackingNoEdit, u"Auto tracking scene can't edit", u"自由追踪场景不可编辑"},
    {&ComTexts::saveSuccess, u"Save Success", u"保存成功"},
    {&ComTexts::saveFailed, u"Save Failed", u"保存失败"},
    {&ComTexts::tips, u"tips", u"提示"},
    {&ComTexts::error, u"error", u"错误"},
    {&ComTexts::ruleLimitReached, u"Reach the max number of available rules", u"达到规则个数上限"},
    {&ComTexts::saveAddedRuleFirst, u"Please save the added rule", u"请先保存添加的场景"},
    {&ComTexts::recoverSuccess, u"Recover successfully", u"恢复成功"},
    {&ComTexts::recoverFailed, u"Recover Failed", u"恢复失败"},
    {&ComTexts::sceneNameIllegal, u" Scenename include illegal character.",
     u"场景名称包含非法字符"},
    {&ComTexts::sceneSet, u"Scene Set", u"场景设置"},
    {&ComTexts::soundAbnormalCheck, u"Sound Abnormal Check", u"声音异常检测"},
    {&ComTexts::sceneTourSet, u"Scene Tour Set", u"场景巡视"},
    {&ComTexts::smartSwitch, u"Smart Switch", u"智能开关"},
    {&ComTexts::addScene, u"Add Scene", u"添加场景"},
    {&ComTexts::exportConfig, u"export", u"导出"},
    {&ComTexts::ok, u"OK", u"确认"},
    {&ComTexts::cancel, u"Cancel", u"取消"},
    {&ComTexts::discard, u"Discard", u"放弃"},
    {&ComTexts::saveChanges, u"Save changes?", u"保存更改吗？"},
    {&ComTexts::smartFunctionTip, u"The smart functions of each scene", u"各场景的智能功能"},
    {&ComTexts::normalArmingTip, u"Alarms that need no video analytics", u"无需视频分析的常规报警"},
    {&ComTexts::smartSwitchTip, u"Turns every smart function on or off", u"开启或关闭全部智能功能"},
    {&ComTexts::exportTip, u"Saves the smart configuration to a file", u"将智能配置保存到文件"},
    {&ComTexts::sceneViewTip, u"The scenes of the device", u"设备的场景"},
    {&ComTexts::soundViewTip, u"Abnormal sound detection", u"声音异常检测"},
    {&ComTexts::tourViewTip, u"Tours through the scenes", u"场景巡视"},
    {&ComTexts::addSceneTip, u"Adds a scene at the current view", u"以当前画面添加场景"},
    {&ComTexts::helpTip, u"Help", u"帮助"},
    {&ComTexts::setCurrentTip, u"Make it the current scene", u"设为当前场景"},
    {&ComTexts::sceneSettingsTip, u"Scene settings and PTZ", u"场景设置与云台"},
    {&ComTexts::deleteSceneTip, u"Delete the scene", u"删除场景"},
    {&ComTexts::scenePageTip, u"Scene page %1", u"场景第 %1 页"},
    {&ComTexts::returnTip, u"Back to the scenes", u"返回场景列表"},
    {&ComTexts::ptzDirections, u"Up|Up right|Right|Down right|Down|Down left|Left|Up left",
     u"上|右上|右|右下|下|左下|左|左上"},
    {&ComTexts::lensTips, u"Iris close|Iris open|Focus near|Focus far|Zoom out|Zoom in",
     u"光圈关|光圈开|聚焦近|聚焦远|变倍缩小|变倍放大"},
    {&ComTexts::goToPresetTip, u"Go to the preset", u"调用预置位"},
    {&ComTexts::setCurrentScene, u"Set it to be current scene", u"  是否变更为当前场景"},
    {&ComTexts::deleteCurrentScene, u"  Delete current scene", u"   是否删除当前场景"},
    {&ComTexts::deleteCurrentRule, u"  Delete current rule", u"   是否删除当前规则"},
    {&ComTexts::freeTraceScene, u"Free Trace Scene", u"自由跟踪场景"},
    {&ComTexts::autoGet, u"Auto Get", u"自动获取"},
    {&ComTexts::sceneSetTitle, u"Scene Set", u"场景设置"},
    {&ComTexts::autoTracking, u"Auto Tracking", u"智能跟踪"},
    {&ComTexts::wireMargin, u"wire margin", u"线宽"},
    {&ComTexts::pixel, u"pixel", u"像素"},
    {&ComTexts::returnBack, u"Return", u"返回"},
    {&ComTexts::sceneName, u"Scene Name", u"场景名称"},
    {&ComTexts::ptz, u"PTZ", u"PTZ"},
    {&ComTexts::sceneCalibration, u"Scene Calibration", u"场景标定"},
    {&ComTexts::aperture, u"Aperture", u"光圈"},
    {&ComTexts::focus, u"Focus", u"聚焦"},
    {&ComTexts::zoom, u"Zoom", u"缩放"},
    {&ComTexts::panSpeed, u"Pan Speed", u"水平速度"},
    {&ComTexts::tiltSpeed, u"Tilt Speed", u"垂直速度"},
    {&ComTexts::preset, u"Pre Set", u"预置位"},
    {&ComTexts::limitPosition, u"Limit Pos", u"限位点"},
    {&ComTexts::fast, u"Fast", u"快"},
    {&ComTexts::slow, u"Slow", u"慢"},
    {&ComTexts::followLimit, u"Follow Limit", u"限位跟踪"},
    {&ComTexts::resetAll, u"Reset All", u"重置所有"},
    {&ComTexts::setPosition, u"Set Positon", u"设置所选"},
    {&ComTexts::save, u"Save", u"保存"},
    {&ComTexts::recover, u"Recover", u"恢复默认"},
    {&ComTexts::recoverQuestion,
     u"Restore the device's default values? The current settings on the device are lost.",
     u"是否恢复设备的默认参数？设备上的当前设置将丢失。"},
    {&ComTexts::recoverReloadsTip, u"Shows again what the device holds; unsaved edits are dropped.",
     u"重新显示设备中保存的设置，未保存的修改将丢失。"},
    {&ComTexts::sceneFunction, u"Scene Function", u"场景功能"},
    {&ComTexts::sceneFunctionList, u"Scene Function List", u"场景功能列表"},
    {&ComTexts::intelligenceFunctionList, u"Intelligence Function List", u"智能功能列表"},
    {&ComTexts::functionConflict, u"%1 cannot run together with %2 in one scene.",
     u"%1与%2不能在同一场景中同时使用。"},
    {&ComTexts::currentScene, u"Current Scene", u"当前场景"},
    {&ComTexts::advanceParam, u"Advance Param", u"高级参数"},
    {&ComTexts::rule, u"Rule", u"规则"},
    {&ComTexts::add, u"Add", u"添加"},
    {&ComTexts::del, u"Del", u"删除"},
    {&ComTexts::paramSet, u"Param Set", u"参数设置"},
    {&ComTexts::armingInterval, u"Arming Interval", u"布防时间"},
    {&ComTexts::linkageMethod, u"Linkage Method", u"联动方式"},
    {&ComTexts::copyTo, u"Copy To", u"复制到"},
    {&ComTexts::all, u"All", u"全选"},
    {&ComTexts::allClear, u"All Clear", u"全部删除"},
    {&ComTexts::clear, u"Clear", u"删除"},
    {&ComTexts::batchSettings, u"Batch Settings", u"批量设置"},
    {&ComTexts::sceneTour, u"Scene Tour", u"常规场景巡视"},
    {&ComTexts::sceneRtcTour, u"Scene RTC Tour", u"定时场景巡视"},
    {&ComTexts::index, u"index", u"序号"},
    {&ComTexts::stayTime, u"Stay Time", u"停留时间"},
    {&ComTexts::clearInterval, u"Clear Interval", u"是否计时清零"},
    {&ComTexts::mode, u"Mode", u"执行模式"},
    {&ComTexts::schedule, u"Schedule", u"执行计划"},
    {&ComTexts::startTime, u"Start Time", u"起始时间"},
    {&ComTexts::endTime, u"End Time", u"终止时间"},
    {&ComTexts::everyDay, u"Every day", u"每天"},
    {&ComTexts::on, u"ON", u"开启"},
    {&ComTexts::off, u"OFF", u"关闭"},
    {&ComTexts::periodsOverlap, u"There is an overlap between two periods.",
     u"两个动作的起始和终止时间不能重叠"},
    {&ComTexts::endBeforeStart, u"The end time must be greater then start time",
     u"终止时间必须大于起止时间"},
    {&ComTexts::outOfRange, u"out of range", u"超出范围"},
    {&ComTexts::periodTimeFormat, u"Enter the times as HH:MM, from 00:00 to 24:00.",
     u"请按 HH:MM 输入时间，范围为 00:00 至 24:00。"},
    {&ComTexts::smartFunction, u"Smart Function", u"智能功能"},
    {&ComTexts::normalArming, u"Normal Arming", u"常规报警"},
    {&ComTexts::exchangeFailed, u"%1 failed: %2", u"%1失败：%2"},
    {&ComTexts::deviceNoAnswer, u"The device did not answer", u"设备没有应答"},
    {&ComTexts::deviceUnreachable, u"Cannot reach the device", u"无法连接设备"},
    {&ComTexts::deviceUnreadable, u"The device's answer could not be read", u"无法读取设备的应答"},
    {&ComTexts::purposeTalk, u"Talking to the device", u"与设备通信"},
    {&ComTexts::purposeReadScenes, u"Reading the scenes", u"读取场景"},
    {&ComTexts::purposeReadRule, u"Reading the rule", u"读取规则"},
    {&ComTexts::purposeReadSettings, u"Reading the settings", u"读取参数"},
    {&ComTexts::purposeReadRanges, u"Reading the parameter ranges", u"读取参数范围"},
    {&ComTexts::purposeReadSchedule, u"Reading the schedule", u"读取布防时间"},
    {&ComTexts::purposeReadLinkage, u"Reading the linkage", u"读取联动方式"},
    {&ComTexts::purposeReadTour, u"Reading the tour", u"读取巡航"},
    {&ComTexts::purposeReadPtz, u"Reading the PTZ position", u"读取云台位置"},
    {&ComTexts::purposeReadStatus, u"Reading the smart switch", u"读取智能开关"},
    {&ComTexts::purposeReadConfig, u"Reading the configuration", u"读取配置"},
    {&ComTexts::purposeSaveRule, u"Saving the rule", u"保存规则"},
    {&ComTexts::purposeSaveSettings, u"Saving the settings", u"保存参数"},
    {&ComTexts::purposeSaveAlarm, u"Saving the normal alarm", u"保存常规报警"},
    {&ComTexts::purposeRecover, u"Restoring the defaults", u"恢复默认参数"},
    {&ComTexts::purposeAddRule, u"Adding the rule", u"添加规则"},
    {&ComTexts::purposeDelRule, u"Deleting the rule", u"删除规则"},
    {&ComTexts::purposeAddScene, u"Adding the scene", u"添加场景"},
    {&ComTexts::purposeDelScene, u"Deleting the scene", u"删除场景"},
    {&ComTexts::purposeSetCurrentScene, u"Setting the current scene", u"设置当前场景"},
    {&ComTexts::purposeSaveScene, u"Saving the scene", u"保存场景"},
    {&ComTexts::purposeSaveSchedule, u"Saving the schedule", u"保存布防时间"},
    {&ComTexts::purposeSaveLinkage, u"Saving the linkage", u"保存联动方式"},
    {&ComTexts::purposeSaveTour, u"Saving the tour", u"保存巡航"},
    {&ComTexts::purposeLockPtz, u"Locking the PTZ", u"锁定云台"},
    {&ComTexts::purposeUnlockPtz, u"Unlocking the PTZ", u"解锁云台"},
    {&ComTexts::purposeMovePtz, u"Moving the PTZ", u"转动云台"},
    {&ComTexts::purposeSwitchSmart, u"Switching the smart functions", u"切换智能开关"},
    {&ComTexts::purposeWriteConfig, u"Writing the configuration", u"写入配置"},
    // The linkage group titles read the same in both languages.
    {&ComTexts::commonLinkage, u"常规联动", u"常规联动"},
    {&ComTexts::alarmOutputLinkage, u"联动报警输出", u"联动报警输出"},
    {&ComTexts::recordLinkage, u"录像联动", u"录像联动"},
    // Operator aids.
    {&ComTexts::smartOffQuestion,
     u"Turn the smart functions off? No rule detects anything until they are turned on again.",
     u"确定关闭智能功能吗？再次开启前，所有规则都不再检测。"},
    {&ComTexts::smartOffNotice,
     u"The smart functions are off. Click Smart Switch at the top right to turn them on.",
     u"智能功能已关闭。点击右上角的“智能开关”即可开启。"},
    {&ComTexts::ptzLockRefused, u"PTZ control is not available:", u"云台控制不可用："},
    {&ComTexts::valueRange, u"Range: %1 to %2", u"范围：%1 至 %2"},
    {&ComTexts::valueRefused, u"%1: %2", u"%1：%2"},
};

const char16_t* const kWeekdaysEnglish[] = {u"Monday", u"Tuesday",  u"Wednesday", u"Thursday",
                                            u"Friday", u"Saturday", u"Sunday"};
const char16_t* const kWeekdaysChinese[] = {u"星期一", u"星期二", u"星期三", u"星期四",
                                            u"星期五", u"星期六", u"星期日"};

// The analytics events in the order the function tables use; the empty entry
// keeps the positions of the names after it.
const char16_t* const kEventNames[] = {
    u"zelk:PTZ_Tracking_Settings",
    u"zelk:Intrusion_Event",
    u"zelk:Motion_Event",
    u"zelk:Advanced_Motion_Detection_Event",
    u"zelk:Fast_Moving_Event",
    u"zelk:Wire_Cross_Event",
    u"zelk:Abandoned_Object_Detection_Event",
    u"zelk:Remove_Object_Event",
    u"zelk:Face_Detection_Event",
    u"zelk:Crowd_Action_Event",
    u"zelk:Fight_Event",
    u"zelk:Loitering_Event",
    u"",
    u"zelk:People_Counting_Event",
    u"zelk:Density_Detection_Event",
    u"zelk:Queue_Event",
    u"zelk:Dwell_Time_Event",
    u"zelk:People_Detection_Event",
    u"zelk:Vehicle_Detect_Event",
    u"zelk:Image_Color_Reproduction_Error_Detection_Event",
    u"zelk:Global_Motion_Event",
    u"zelk:Video_Loss_Detection_Event",
    u"zelk:Defocus_Detection_Event",
    u"zelk:Detail_Event",
    u"zelk:Scene_High_Brightness_Error_Detection_Event",
    u"zelk:Scene_Low_Brightness_Error_Detection_Event",
    u"zelk:Abnormal_Sound_Event",
};

template <size_t N>
QStringList ListOf(const char16_t* const (&texts)[N]) {
    QStringList list;
    for (const char16_t* text : texts) {
        list.append(QString::fromUtf16(text));
    }
    return list;
}

}  // namespace

CComStr::CComStr() {
    SetLanguage(kChinese.toString());
}

void CComStr::SetLanguage(const QString& language) {
    m_language = language;
    const bool chinese = language == kChinese;
    const bool english = language == kEnglish;
    if (chinese || english) {
        for (const TextRow& row : kTextRows) {
            m_texts.*row.field = QString::fromUtf16(chinese ? row.chinese : row.english);
        }
    }
    m_eventNames = ListOf(kEventNames);

    m_weekdays.clear();
    m_linkageMethods.clear();
    m_alarmOutputs.clear();
    m_recordLinkages.clear();
    if (chinese || english) {
        m_weekdays = chinese ? ListOf(kWeekdaysChinese) : ListOf(kWeekdaysEnglish);
        m_linkageMethods = {QStringLiteral("邮件联动"), QStringLiteral("消息上传服务中心"),
                            QStringLiteral("上传FTP"), QStringLiteral("PTZ跟踪联动")};
        m_alarmOutputs = {QStringLiteral("I/O->1"), QStringLiteral("I/O->2")};
        m_recordLinkages = {QStringLiteral("SDK录像")};
    }
}

CComStr& TheComStr() {
    static CComStr instance;
    return instance;
}

}  // namespace vexo
