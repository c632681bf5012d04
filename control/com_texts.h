#pragma once
// The control's built-in texts, one field each, in the current language.
// Texts that name the device's analytics (functions, rules, parameters) are
// not here: they come from the device's localisation file.

#include <QString>

namespace vexo {

struct ComTexts {
    // Messages and titles shared by the pages.
    QString help;                // "Help"
    QString scene;               // "Scene"
    QString sceneNameEmpty;      // "Scene name can't be empty"
    QString sceneNameRepeated;   // "Scene name can't be repeat"
    QString sceneLimitReached;   // "Reach the max number of available scenes"
    QString notSupported;        // "Not support"
    QString autoTrackingNoEdit;  // "Auto tracking scene can't edit"
    QString saveSuccess;         // "Save Success"
    QString saveFailed;          // "Save Failed"
    QString tips;                // "tips": title of information messages
    QString error;               // "error": title of the device's error texts
    QString ruleLimitReached;    // "Reach the max number of available rules"
    QString saveAddedRuleFirst;  // "Please save the added rule"
    QString recoverSuccess;      // "Recover successfully"
    QString recoverFailed;       // "Recover Failed"
    QString recoverQuestion;     // asked before Recover resets the device
    QString recoverReloadsTip;   // tool tip of a Recover that only reloads
    QString sceneNameIllegal;    // " Scenename include illegal character."
    // Index page and header.
    QString sceneSet;            // "Scene Set"
    QString soundAbnormalCheck;  // "Sound Abnormal Check"
    QString sceneTourSet;        // "Scene Tour Set"
    QString smartSwitch;         // "Smart Switch"
    QString addScene;            // "Add Scene"
    QString exportConfig;        // "export"
    QString ok;                  // "OK"
    QString cancel;              // "Cancel"
    QString discard;             // "Discard": the unsaved edits' question
    QString saveChanges;         // "Save changes?"
    // Tool tips (and accessible names of the buttons that show no text) of
    // the header, the index page and the pages' return buttons.
    QString smartFunctionTip;
    QString normalArmingTip;
    QString smartSwitchTip;
    QString exportTip;
    QString sceneViewTip;
    QString soundViewTip;
    QString tourViewTip;
    QString addSceneTip;
    QString helpTip;
    QString setCurrentTip;
    QString sceneSettingsTip;
    QString deleteSceneTip;
    QString scenePageTip;  // "%1" the page number
    QString returnTip;
    QString ptzDirections;  // the pad's eight directions from up clockwise, "|" between
    QString lensTips;       // iris -, +, focus -, +, zoom -, + ("|" between)
    QString goToPresetTip;
    QString setCurrentScene;     // "Set it to be current scene"
    QString deleteCurrentScene;  // "  Delete current scene"
    QString deleteCurrentRule;   // "  Delete current rule"
    QString freeTraceScene;      // "Free Trace Scene"
    // Scene settings and PTZ.
    QString autoGet;                   // "Auto Get"
    QString sceneSetTitle;             // "Scene Set" (title of the scene settings page)
    QString autoTracking;              // "Auto Tracking"
    QString wireMargin;                // "wire margin"
    QString pixel;                     // "pixel"
    QString returnBack;                // "Return"
    QString sceneName;                 // "Scene Name"
    QString ptz;                       // "PTZ"
    QString sceneCalibration;          // "Scene Calibration"
    QString aperture;                  // "Aperture"
    QString focus;                     // "Focus"
    QString zoom;                      // "Zoom"
    QString panSpeed;                  // "Pan Speed"
    QString tiltSpeed;                 // "Tilt Speed"
    QString preset;                    // "Pre Set"
    QString limitPosition;             // "Limit Pos"
    QString fast;                      // "Fast"
    QString slow;                      // "Slow"
    QString followLimit;               // "Follow Limit"
    QString resetAll;                  // "Reset All"
    QString setPosition;               // "Set Positon"
    QString save;                      // "Save"
    QString recover;                   // "Recover"
    QString sceneFunction;             // "Scene Function"
    QString sceneFunctionList;         // "Scene Function List"
    QString intelligenceFunctionList;  // "Intelligence Function List"
    QString functionConflict;          // "%1 cannot run together with %2 in one scene."
    // Smart configuration, schedules and linkage.
    QString currentScene;    // "Current Scene"
    QString advanceParam;    // "Advance Param"
    QString rule;            // "Rule"
    QString add;             // "Add"
    QString del;             // "Del"
    QString paramSet;        // "Param Set"
    QString armingInterval;  // "Arming Interval"
    QString linkageMethod;   // "Linkage Method"
    QString copyTo;          // "Copy To"
    QString all;             // "All"
    QString allClear;        // "All Clear"
    QString clear;           // "Clear"
    QString batchSettings;   // "Batch Settings"
    // Scene tours.
    QString sceneTour;       // "Scene Tour"
    QString sceneRtcTour;    // "Scene RTC Tour"
    QString index;           // "index"
    QString stayTime;        // "Stay Time"
    QString clearInterval;   // "Clear Interval"
    QString mode;            // "Mode"
    QString schedule;        // "Schedule"
    QString startTime;       // "Start Time"
    QString endTime;         // "End Time"
    QString everyDay;        // "Every day"
    QString on;              // "ON"
    QString off;             // "OFF"
    QString periodsOverlap;  // "There is an overlap between two periods."
    QString endBeforeStart;  // "The end time must be greater then start time"
    QString outOfRange;      // "out of range"
    // A schedule period's times typed by the operator.
    QString periodTimeFormat;  // "Enter the times as HH:MM, from 00:00 to 24:00."
    // Page groups.
    QString smartFunction;  // "Smart Function"
    QString normalArming;   // "Normal Arming"
    // A failed exchange without the device's own text: exchangeFailed
    // joins what the command was for and what happened.
    QString exchangeFailed;     // "%1 failed: %2"
    QString deviceNoAnswer;     // "The device did not answer"
    QString deviceUnreachable;  // "Cannot reach the device"
    QString deviceUnreadable;   // "The device's answer could not be read"
    // What a command is for, by command (exchange_messages.cpp).
    QString purposeTalk;             // "Talking to the device"
    QString purposeReadScenes;       // "Reading the scenes"
    QString purposeReadRule;         // "Reading the rule"
    QString purposeReadSettings;     // "Reading the settings"
    QString purposeReadRanges;       // "Reading the parameter ranges"
    QString purposeReadSchedule;     // "Reading the schedule"
    QString purposeReadLinkage;      // "Reading the linkage"
    QString purposeReadTour;         // "Reading the tour"
    QString purposeReadPtz;          // "Reading the PTZ position"
    QString purposeReadStatus;       // "Reading the smart switch"
    QString purposeReadConfig;       // "Reading the configuration"
    QString purposeSaveRule;         // "Saving the rule"
    QString purposeSaveSettings;     // "Saving the settings"
    QString purposeSaveAlarm;        // "Saving the normal alarm"
    QString purposeRecover;          // "Restoring the defaults"
    QString purposeAddRule;          // "Adding the rule"
    QString purposeDelRule;          // "Deleting the rule"
    QString purposeAddScene;         // "Adding the scene"
    QString purposeDelScene;         // "Deleting the scene"
    QString purposeSetCurrentScene;  // "Setting the current scene"
    QString purposeSaveScene;        // "Saving the scene"
    QString purposeSaveSchedule;     // "Saving the schedule"
    QString purposeSaveLinkage;      // "Saving the linkage"
    QString purposeSaveTour;         // "Saving the tour"
    QString purposeLockPtz;          // "Locking the PTZ"
    QString purposeUnlockPtz;        // "Unlocking the PTZ"
    QString purposeMovePtz;          // "Moving the PTZ"
    QString purposeSwitchSmart;      // "Switching the smart functions"
    QString purposeWriteConfig;      // "Writing the configuration"
    // Titles of the linkage groups (the same in both languages).
    QString commonLinkage;       // "常规联动"
    QString alarmOutputLinkage;  // "联动报警输出"
    QString recordLinkage;       // "录像联动"
    // Operator aids: the analytics switch's question and notice, the PTZ
    // lock's refusal, value ranges of edits and the wire's end labels.
    QString smartOffQuestion;  // asked before the switch turns the analytics off
    QString smartOffNotice;    // shown in place of the analytics pages while off
    QString ptzLockRefused;    // above the device's reason
    QString valueRange;        // "%1" and "%2" are the lowest and highest value
    QString valueRefused;      // "%1" the parameter, "%2" the device's text
};

}  // namespace vexo
