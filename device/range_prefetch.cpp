// Range reads side by side: a panel asks the device for the range of each of
// its parameters, and each answer is independent of the others, so they go
// out together over the login's kept-alive connections instead of one
// round trip after the other.

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

struct RangeAsk {
    std::tuple<QString, QString, QString> key;
    Json::Value info;
    std::string request;
    std::string reply;
    bool answered = false;
    int linkError = VEXONET_OK;
};

// Sends every ask on up to kSideBySide threads and waits for all of them.
void SendSideBySide(int32_t loginId, std::vector<RangeAsk>& asks) {
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < asks.size(); i = next++) {
            RangeAsk& ask = asks[i];
            char* replyText = nullptr;
            int32_t replyLength = 0;
            VEXONET_OperateSmartFun(loginId, ask.request.c_str(), &replyText, &replyLength);
            if (replyText != nullptr) {
                // The buffer is this thread's: copied before the thread ends.
                ask.reply.assign(replyText, std::strlen(replyText));
                ask.answered = true;
            } else {
                ask.linkError = VEXONET_GetLastError();
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

}  // namespace

void DeviceCommandChannel::PrefetchRanges(const QString& funText, const QString& eventText,
                                          const QStringList& paramNames) {
    vexo::ExchangeGate* gate = vexo::ExchangeGate::OfThisThread();
    if (session_ == nullptr || cut_ || (gate != nullptr && !gate->MaySend())) {
        return;
    }
    std::vector<RangeAsk> asks;
    for (const QString& name : paramNames) {
        auto key = std::make_tuple(name, funText, eventText);
        const bool asked = std::any_of(asks.begin(), asks.end(),
                                       [&key](const RangeAsk& ask) { return ask.key == key; });
        if (asked || ranges_.count(key) != 0) {
            continue;
        }
        RangeAsk ask;
        ask.info = vexo::CommandInfo(
            {{"ParamName", name}, {"ParamFunction", funText}, {"ParamEvent", eventText}});
        ask.request = BuildRequestText("CMD_GetParamRange", ask.info);
        ask.key = std::move(key);
        asks.push_back(std::move(ask));
    }
    if (asks.size() < 2) {
        return;  // one alone gains nothing: GetParamRange asks it as usual
    }
    const int32_t loginId = session_->LoginId();
    const auto sendAll = [loginId, &asks] { SendSideBySide(loginId, asks); };
    if (gate != nullptr) {
        gate->Run(sendAll);
    } else {
        sendAll();
    }
    // Only answers are kept. A refusal is asked again by GetParamRange, which
    // then shows the device's text as for any refusal; the error text of
    // the channel is not touched here.
    for (RangeAsk& ask : asks) {
        QString unusedErrorText;
        Json::Value info;
        const vexo::ExchangeFailure failure = ask.answered
                                                  ? ReadReply(ask.reply, unusedErrorText, info)
                                                  : vexo::FailureOfLinkError(ask.linkError);
        if (gate != nullptr) {
            gate->Finished("CMD_GetParamRange", ask.info, failure);
        }
        if (failure == vexo::ExchangeFailure::None) {
            ranges_.emplace(std::move(ask.key), std::move(info));
        }
    }
}
