// Commands side by side: the reads of one operator action that do not wait
// for each other's answers (the function lists of every scene, a panel's
// module records, the ranges of its parameters) go out together over the
// login's kept-alive connections instead of one round trip after the other.
// Their answers then wait for the code that asks them in its usual order,
// so the pages keep their sequence of commands and their error handling.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include "audio_video_play.h"
#include "command_info.h"
#include "device_command_channel.h"
#include "vexonet.h"

namespace {

// At most this many commands of one login are in flight at once: as many as
// the network library keeps connections.
constexpr size_t kSideBySide = 4;

struct Ask {
    std::string request;
    DeviceCommandChannel::EarlyReply outcome;
};

// Sends every ask on up to kSideBySide threads and waits for all of them.
void SendSideBySide(int32_t loginId, std::vector<Ask>& asks) {
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < asks.size(); i = next++) {
            Ask& ask = asks[i];
            char* replyText = nullptr;
            int32_t replyLength = 0;
            VEXONET_OperateSmartFun(loginId, ask.request.c_str(), &replyText, &replyLength);
            if (replyText != nullptr) {
                // The buffer is this thread's: copied before the thread ends.
                ask.outcome.reply.assign(replyText, std::strlen(replyText));
                ask.outcome.answered = true;
            } else {
                ask.outcome.linkError = VEXONET_GetLastError();
            }
        }
    };
    std::vector<std::thread> threads;
    for (size_t t = 0; t < std::min(kSideBySide, asks.size()); ++t) {
        threads.emplace_back(work);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

Json::Value RangeInfo(const DeviceCommandChannel::RangeKey& key) {
    const auto& [name, funText, eventText] = key;
    return vexo::CommandInfo(
        {{"ParamName", name}, {"ParamFunction", funText}, {"ParamEvent", eventText}});
}

}  // namespace

void DeviceCommandChannel::SendAhead(const std::vector<AheadCommand>& commands,
                                     const std::vector<RangeKey>& ranges) {
    vexo::ExchangeGate* gate = vexo::ExchangeGate::OfThisThread();
    if (session_ == nullptr || cut_ || (gate != nullptr && !gate->MaySend())) {
        return;
    }
    std::vector<Ask> asks;
    std::vector<RangeKey> rangeKeys;
    const auto asked = [&asks](const std::string& request) {
        return std::any_of(asks.begin(), asks.end(),
                           [&request](const Ask& ask) { return ask.request == request; });
    };
    for (const AheadCommand& command : commands) {
        std::string request = BuildRequestText(command.command, command.params);
        if (!asked(request) && ahead_.count(request) == 0) {
            asks.push_back({std::move(request), {}});
        }
    }
    const size_t commandCount = asks.size();
    for (const RangeKey& key : ranges) {
        std::string request = BuildRequestText("CMD_GetParamRange", RangeInfo(key));
        if (ranges_.count(key) == 0 && !asked(request)) {
            asks.push_back({std::move(request), {}});
            rangeKeys.push_back(key);
        }
    }
    if (asks.size() < 2) {
        return;  // one alone gains nothing: it is sent at its turn as usual
    }
    const int32_t loginId = session_->LoginId();
    const auto sendAll = [loginId, &asks] { SendSideBySide(loginId, asks); };
    if (gate != nullptr) {
        gate->Run(sendAll);
    } else {
        sendAll();
    }
    for (size_t i = 0; i < commandCount; ++i) {
        ahead_.emplace(std::move(asks[i].request), std::move(asks[i].outcome));
    }
    // Only range answers are kept. A refusal is asked again by GetParamRange,
    // which then shows the device's text as for any refusal; the error text
    // of the channel is not touched here.
    for (size_t i = commandCount; i < asks.size(); ++i) {
        const RangeKey& key = rangeKeys[i - commandCount];
        const EarlyReply& outcome = asks[i].outcome;
        QString unusedErrorText;
        Json::Value info;
        const vexo::ExchangeFailure failure = outcome.answered
                                                  ? ReadReply(outcome.reply, unusedErrorText, info)
                                                  : vexo::FailureOfLinkError(outcome.linkError);
        if (gate != nullptr) {
            gate->Finished("CMD_GetParamRange", RangeInfo(key), failure);
        }
        if (failure == vexo::ExchangeFailure::None) {
            ranges_.emplace(key, std::move(info));
        }
    }
}

void DeviceCommandChannel::PrefetchRanges(const QString& funText, const QString& eventText,
                                          const QStringList& paramNames) {
    std::vector<RangeKey> keys;
    for (const QString& name : paramNames) {
        keys.emplace_back(name, funText, eventText);
    }
    SendAhead({}, keys);
}

bool DeviceCommandChannel::TakeEarlyReply(const std::string& request, EarlyReply& reply) {
    const auto it = ahead_.find(request);
    if (it == ahead_.end()) {
        return false;
    }
    reply = std::move(it->second);
    ahead_.erase(it);
    return true;
}

DeviceCommandChannel::AheadScope::AheadScope(DeviceCommandChannel* channel,
                                             const std::vector<AheadCommand>& commands,
                                             const std::vector<RangeKey>& ranges)
    : channel_(channel) {
    if (channel_ != nullptr) {
        channel_->SendAhead(commands, ranges);
    }
}

DeviceCommandChannel::AheadScope::~AheadScope() {
    if (channel_ != nullptr) {
        channel_->ForgetAhead();
    }
}
