#include "real_data_stream.h"

#include <chrono>
#include <cstring>

#include "curl_errors.h"

namespace vexonet {
namespace {

using Clock = std::chrono::steady_clock;

// Longest a stop request waits for the thread when no wake-up reaches it.
constexpr int kPollMs = 100;
// A refusal's body is read and dropped; more than this is not a refusal.
constexpr long kLargestRefusal = 64 * 1024;

}  // namespace

RealDataStream::RealDataStream(std::shared_ptr<DeviceLink> link, int32_t streamCode,
                               Timeouts timeouts, VEXONET_RealDataCallback callback, void* user)
    : link_(std::move(link)),
      code_(streamCode),
      timeouts_(timeouts),
      callback_(callback),
      user_(user),
      multi_(curl_multi_init()) {}

RealDataStream::~RealDataStream() {
    Stop();
    curl_multi_cleanup(multi_);
}

int RealDataStream::Start(int32_t handle) {
    if (multi_ == nullptr) {
        return VEXONET_ERR_NETWORK;
    }
    handle_ = handle;
    {
        std::lock_guard lock(mutex_);
        running_ = true;
    }
    // The thread keeps the stream alive, so a stop from inside the
    // callback can let it run to its end on its own.
    thread_ = std::thread([self = shared_from_this()] { self->Run(); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return startResult_.has_value(); });
    const int result = *startResult_;
    lock.unlock();
    if (result != VEXONET_OK) {
        thread_.join();
    }
    return result;
}

void RealDataStream::Stop() {
    stop_ = true;
    curl_multi_wakeup(multi_);
    if (!thread_.joinable()) {
        return;
    }
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
    } else {
        thread_.join();
    }
}

bool RealDataStream::Running(int& reason) const {
    std::lock_guard lock(mutex_);
    reason = reason_;
    return running_;
}

void RealDataStream::Answered(int result) {
    std::lock_guard lock(mutex_);
    if (!startResult_) {
        startResult_ = result;
        changed_.notify_all();
    }
}

void RealDataStream::Finish(int reason) {
    std::lock_guard lock(mutex_);
    if (!startResult_) {
        startResult_ = reason == VEXONET_OK ? VEXONET_ERR_NETWORK : reason;
    }
    running_ = false;
    reason_ = reason;
    changed_.notify_all();
}

void RealDataStream::Run() {
    std::string session;
    {
        std::lock_guard lock(link_->CallMutex());
        session = link_->Session();
    }
    Transfer transfer = Perform(session);
    if (transfer.error == VEXONET_OK && transfer.status == 401 && !stop_) {
        // The device forgot the session: one new login, as for commands.
        int login = VEXONET_OK;
        {
            std::lock_guard lock(link_->CallMutex());
            login = link_->RenewSession(session, timeouts_);
            session = link_->Session();
        }
        if (login != VEXONET_OK) {
            Finish(login);
            return;
        }
        transfer = Perform(session);
        if (transfer.error == VEXONET_OK && transfer.status == 401) {
            transfer.error = VEXONET_ERR_SESSION;
        }
    }
    if (transfer.error == VEXONET_OK && transfer.status != 200) {
        transfer.error = VEXONET_ERR_HTTP_STATUS;
    }
    Finish(transfer.error);
}

RealDataStream::Transfer RealDataStream::Perform(const std::string& session) {
    CURL* easy = curl_easy_init();
    if (easy == nullptr) {
        return {VEXONET_ERR_NETWORK, 0};
    }
    parser_ = StreamPacketParser();
    status_ = 0;
    refusalBytes_ = 0;
    current_ = easy;
    const std::string url = link_->BaseUrl() + "/vexo/v1/stream?code=" + std::to_string(code_);
    const std::string header = "X-Vexo-Session: " + session;
    curl_slist* headers = curl_slist_append(nullptr, header.c_str());
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &RealDataStream::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &RealDataStream::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, timeouts_.connectMs);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, 256L * 1024L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    // A device that stops sending for a whole exchange time-out is dead.
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, std::max(1L, timeouts_.exchangeMs / 1000));
    curl_multi_add_handle(multi_, easy);

    const Clock::time_point answerDeadline =
        Clock::now() + std::chrono::milliseconds(timeouts_.connectMs + timeouts_.exchangeMs);
    Transfer result;
    for (;;) {
        int active = 0;
        if (curl_multi_perform(multi_, &active) != CURLM_OK) {
            result.error = VEXONET_ERR_NETWORK;
            break;
        }
        if (active == 0) {
            int queued = 0;
            CURLMsg* message = curl_multi_info_read(multi_, &queued);
            const CURLcode code = message != nullptr && message->msg == CURLMSG_DONE
                                      ? message->data.result
                                      : CURLE_OK;
            if (parser_.Broken()) {
                result.error = VEXONET_ERR_TOO_LARGE;
            } else if (code != CURLE_OK) {
                result.error = ErrorOfCurl(code);
            } else if (status_ == 200) {
                // The device ended the body; a cut packet means it broke.
                result.error =
                    parser_.Pending() > 0 ? VEXONET_ERR_PROTOCOL : VEXONET_ERR_STREAM_ENDED;
            }
            break;
        }
        if (stop_) {
            break;  // a requested end is no failure
        }
        if (status_ == 0 && Clock::now() > answerDeadline) {
            result.error = VEXONET_ERR_TIMEOUT;
            break;
        }
        curl_multi_poll(multi_, nullptr, 0, kPollMs, nullptr);
    }
    result.status = status_;
    curl_multi_remove_handle(multi_, easy);
    curl_easy_cleanup(easy);
    curl_slist_free_all(headers);
    return result;
}

size_t RealDataStream::OnHeader(char* data, size_t size, size_t count, void* user) {
    auto* self = static_cast<RealDataStream*>(user);
    const size_t bytes = size * count;
    // The blank line ends the headers: the status is final now.
    if (bytes <= 2 && (bytes == 0 || data[0] == '\r' || data[0] == '\n')) {
        long status = 0;
        curl_easy_getinfo(self->current_, CURLINFO_RESPONSE_CODE, &status);
        self->status_ = status;
        if (status == 200) {
            self->Answered(VEXONET_OK);
        }
    }
    return bytes;
}

size_t RealDataStream::OnBody(char* data, size_t size, size_t count, void* user) {
    auto* self = static_cast<RealDataStream*>(user);
    const size_t bytes = size * count;
    if (self->stop_) {
        return 0;  // ends the transfer at once
    }
    if (self->status_ != 200) {
        self->refusalBytes_ += static_cast<long>(bytes);
        return self->refusalBytes_ > kLargestRefusal ? 0 : bytes;
    }
    const bool intact = self->parser_.Feed(
        reinterpret_cast<const uint8_t*>(data), bytes,
        [self](uint32_t type, const uint8_t* payload, uint32_t length) {
            // Only the types the protocol defines reach the caller.
            if (type <= 3 && !self->stop_) {
                self->callback_(self->handle_, static_cast<int32_t>(type), payload,
                                static_cast<int32_t>(length), 0, self->user_);
            }
        });
    return intact ? bytes : 0;
}

}  // namespace vexonet
