#pragma once
// A refusal of the device. The text is what the client sees as "errinfo";
// it is one of a fixed set of sentences, so that clients can translate it
// through the localisation file. The detail (which member, which value) is
// answered as "errdetail" beside it for people reading a trace.

#include <stdexcept>
#include <string>

namespace devsim {

class DeviceError : public std::runtime_error {
public:
    explicit DeviceError(const char* text, std::string detail = {})
        : std::runtime_error(text), detail_(std::move(detail)) {}
    const std::string& Detail() const { return detail_; }

private:
    std::string detail_;
};

// Every text the device answers as "errinfo". The localisation file carries
// an English and a Chinese entry for each.
namespace err {
inline constexpr const char* kMalformed = "Malformed request";
inline constexpr const char* kTooLarge = "Request too large";
inline constexpr const char* kUnsupported = "Unsupported command";
inline constexpr const char* kMissingMember = "Missing request member";
inline constexpr const char* kMemberType = "Request member has the wrong type";
inline constexpr const char* kNoScene = "Scene does not exist";
inline constexpr const char* kSceneNameEmpty = "Scene name can't be empty";
inline constexpr const char* kSceneNameLong = "Scene name is too long";
inline constexpr const char* kSceneNameIllegal = "Scene name includes an illegal character";
inline constexpr const char* kSceneNameRepeat = "Scene name can't be repeat";
inline constexpr const char* kSceneLimit = "Maximum number of scenes reached";
inline constexpr const char* kDefaultScene = "The default scene can't be deleted";
inline constexpr const char* kUnknownFunction = "Unknown analytics function";
inline constexpr const char* kFunctionOff = "Analytics function is not enabled in this scene";
inline constexpr const char* kNoRule = "Rule does not exist";
inline constexpr const char* kRuleExists = "Rule token already exists";
inline constexpr const char* kRuleToken = "Rule token is invalid";
inline constexpr const char* kRuleLimit = "Reach the max number of available rules";
inline constexpr const char* kUnknownModule = "Unknown module";
inline constexpr const char* kUnknownParam = "Unknown parameter";
inline constexpr const char* kParamType = "Parameter value has the wrong type";
inline constexpr const char* kParamRange = "Parameter value out of range";
inline constexpr const char* kReadOnly = "Parameter is read-only";
inline constexpr const char* kGeometry = "Invalid geometry";
inline constexpr const char* kCmdType = "Unknown command type";
inline constexpr const char* kUnknownAlarm = "Unknown normal alarm";
inline constexpr const char* kUnknownNonScene = "Unknown non-scene function";
inline constexpr const char* kUnknownTour = "Unknown scene tour type";
inline constexpr const char* kNoTourRow = "Scene tour row does not exist";
inline constexpr const char* kOverlap = "There is an overlap between two periods.";
inline constexpr const char* kEndBeforeStart = "The end time must be greater then start time";
inline constexpr const char* kUnknownAction = "Unknown linkage action";
inline constexpr const char* kSchedule = "Invalid arming schedule";
inline constexpr const char* kPtzLocked = "PTZ is locked by another user";
inline constexpr const char* kLockTime = "PTZ lock time out of range";
inline constexpr const char* kPtzRange = "PTZ position out of range";
inline constexpr const char* kSmartStatus = "Invalid smart status";
inline constexpr const char* kBatch = "Invalid batch configuration";
inline constexpr const char* kBatchGroup = "Unknown batch configuration group";
inline constexpr const char* kBatchJson = "Batch configuration is not valid JSON";
inline constexpr const char* kStore = "Cannot store the configuration";

inline constexpr const char* kAll[] = {
    kMalformed,      kTooLarge,        kUnsupported,     kMissingMember,    kMemberType,
    kNoScene,        kSceneNameEmpty,  kSceneNameLong,   kSceneNameIllegal, kSceneNameRepeat,
    kSceneLimit,     kDefaultScene,    kUnknownFunction, kFunctionOff,      kNoRule,
    kRuleExists,     kRuleToken,       kRuleLimit,       kUnknownModule,    kUnknownParam,
    kParamType,      kParamRange,      kReadOnly,        kGeometry,         kCmdType,
    kUnknownAlarm,   kUnknownNonScene, kUnknownTour,     kNoTourRow,        kOverlap,
    kEndBeforeStart, kUnknownAction,   kSchedule,        kPtzLocked,        kLockTime,
    kPtzRange,       kSmartStatus,     kBatch,           kBatchGroup,       kBatchJson,
    kStore};
}  // namespace err

}  // namespace devsim
