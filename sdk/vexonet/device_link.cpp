#include "device_link.h"

#include <json/json.h>

#include <memory>

#include "curl_errors.h"
#include "vexonet.h"

namespace vexonet {
namespace {

struct AnswerSink {
    std::string* text;
    bool overflow = false;
};

size_t CollectAnswer(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<AnswerSink*>(user);
    const size_t bytes = size * count;
    if (sink->text->size() + bytes > kMaxAnswerBytes) {
        sink->overflow = true;
        return 0;  // makes libcurl abort the transfer
    }
    sink->text->append(data, bytes);
    return bytes;
}

struct HeaderList {
    curl_slist* list = nullptr;
    ~HeaderList() { curl_slist_free_all(list); }
    void Add(const std::string& header) { list = curl_slist_append(list, header.c_str()); }
};

}  // namespace

// One handle of the pool, given back when the exchange ends.
class DeviceLink::Connection {
public:
    Connection(DeviceLink& link, Clock::time_point deadline)
        : link_(link), handle_(link.Acquire(deadline)) {}
    ~Connection() {
        if (handle_ != nullptr) {
            link_.Release(handle_);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    CURL* Handle() const { return handle_; }

private:
    DeviceLink& link_;
    CURL* handle_;
};

DeviceLink::DeviceLink(std::string baseUrl, std::string user, std::string password)
    : baseUrl_(std::move(baseUrl)), user_(std::move(user)), password_(std::move(password)) {}

DeviceLink::~DeviceLink() {
    for (CURL* handle : idle_) {
        curl_easy_cleanup(handle);
    }
}

CURL* DeviceLink::Acquire(Clock::time_point deadline) {
    std::unique_lock lock(poolMutex_);
    for (;;) {
        if (!idle_.empty()) {
            CURL* handle = idle_.back();
            idle_.pop_back();
            return handle;
        }
        if (handles_ < kMaxConnections) {
            CURL* handle = curl_easy_init();
            if (handle != nullptr) {
                ++handles_;
            }
            return handle;
        }
        if (poolFreed_.wait_until(lock, deadline) == std::cv_status::timeout && idle_.empty()) {
            return nullptr;
        }
    }
}

void DeviceLink::Release(CURL* handle) {
    {
        std::lock_guard lock(poolMutex_);
        idle_.push_back(handle);
    }
    poolFreed_.notify_one();
}

DeviceLink::Outcome DeviceLink::Perform(CURL* handle, const std::string& path,
                                        const std::string& body, const std::string* session,
                                        long connectMs, Clock::time_point deadline,
                                        std::string& answer) {
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (handle == nullptr) {
        // No connection freed up in time (or none could be made).
        return {remaining <= 0 ? VEXONET_ERR_TIMEOUT : VEXONET_ERR_NETWORK, 0};
    }
    if (remaining <= 0) {
        return {VEXONET_ERR_TIMEOUT, 0};
    }
    // A reset keeps the handle's open connection, so the exchanges of one
    // handle travel on the same kept-alive TCP connection.
    curl_easy_reset(handle);
    const std::string url = baseUrl_ + path;
    HeaderList headers;
    headers.Add("Content-Type: application/json");
    headers.Add("Expect:");  // no 100-continue round trip for larger bodies
    if (session != nullptr && !session->empty()) {
        headers.Add("X-Vexo-Session: " + *session);
    }
    answer.clear();
    AnswerSink sink{&answer};

    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_POST, 1L);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &CollectAnswer);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(remaining));
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    if (session == nullptr) {
        curl_easy_setopt(handle, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_DIGEST));
        curl_easy_setopt(handle, CURLOPT_USERNAME, user_.c_str());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, password_.c_str());
    }

    const CURLcode code = curl_easy_perform(handle);
    // The handle must not keep pointers into this call's locals.
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, nullptr);
    if (sink.overflow) {
        return {VEXONET_ERR_TOO_LARGE, 0};
    }
    if (code != CURLE_OK) {
        return {ErrorOfCurl(code), 0};
    }
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    return {VEXONET_OK, status};
}

int DeviceLink::LoginUntil(CURL* handle, long connectMs, Clock::time_point deadline) {
    std::string answer;
    const Outcome outcome =
        Perform(handle, "/vexo/v1/login", std::string(), nullptr, connectMs, deadline, answer);
    if (outcome.error != VEXONET_OK) {
        return outcome.error;
    }
    if (outcome.status == 401) {
        return VEXONET_ERR_AUTH;
    }
    if (outcome.status != 200) {
        return VEXONET_ERR_HTTP_STATUS;
    }
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    bool parsed = false;
    try {
        parsed = reader->parse(answer.data(), answer.data() + answer.size(), &root, nullptr);
    } catch (const std::exception&) {
        parsed = false;  // nesting deeper than the reader's stack limit throws
    }
    if (!parsed || !root.isObject() || !root["session"].isString() ||
        root["session"].asString().empty()) {
        return VEXONET_ERR_PROTOCOL;
    }
    session_ = root["session"].asString();
    return VEXONET_OK;
}

int DeviceLink::LoginUntil(long connectMs, Clock::time_point deadline) {
    const Connection connection(*this, deadline);
    return LoginUntil(connection.Handle(), connectMs, deadline);
}

int DeviceLink::Login(const Timeouts& timeouts) {
    std::lock_guard lock(callMutex_);
    return LoginUntil(timeouts.connectMs,
                      Clock::now() + std::chrono::milliseconds(timeouts.exchangeMs));
}

int DeviceLink::RenewSession(const std::string& stale, const Timeouts& timeouts) {
    if (session_ != stale) {
        return VEXONET_OK;
    }
    return LoginUntil(timeouts.connectMs,
                      Clock::now() + std::chrono::milliseconds(timeouts.exchangeMs));
}

int DeviceLink::Exchange(const std::string& path, const std::string& body, const Timeouts& timeouts,
                         std::string& answer) {
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(timeouts.exchangeMs);
    std::string session;
    {
        std::lock_guard lock(callMutex_);
        session = session_;
    }
    const Connection connection(*this, deadline);
    Outcome outcome =
        Perform(connection.Handle(), path, body, &session, timeouts.connectMs, deadline, answer);
    if (outcome.error == VEXONET_OK && outcome.status == 401) {
        // The device forgot the session (restart or expiry): log in again
        // with the stored credentials, unless a call beside this one already
        // did, and repeat the request once.
        int login = VEXONET_OK;
        {
            std::lock_guard lock(callMutex_);
            if (session_ == session) {
                login = LoginUntil(connection.Handle(), timeouts.connectMs, deadline);
            }
            session = session_;
        }
        if (login != VEXONET_OK) {
            return login;
        }
        outcome = Perform(connection.Handle(), path, body, &session, timeouts.connectMs, deadline,
                          answer);
        if (outcome.error == VEXONET_OK && outcome.status == 401) {
            return VEXONET_ERR_SESSION;
        }
    }
    if (outcome.error != VEXONET_OK) {
        return outcome.error;
    }
    return outcome.status == 200 ? VEXONET_OK : VEXONET_ERR_HTTP_STATUS;
}

}  // namespace vexonet
