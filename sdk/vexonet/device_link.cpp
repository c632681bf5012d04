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

DeviceLink::DeviceLink(std::string baseUrl, std::string user, std::string password)
    : baseUrl_(std::move(baseUrl)),
      user_(std::move(user)),
      password_(std::move(password)),
      curl_(curl_easy_init()) {}

DeviceLink::~DeviceLink() {
    if (curl_ != nullptr) {
        curl_easy_cleanup(curl_);
    }
}

DeviceLink::Outcome DeviceLink::Perform(const std::string& path, const std::string& body,
                                        bool authenticate, long connectMs,
                                        Clock::time_point deadline, std::string& answer) {
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (curl_ == nullptr) {
        return {VEXONET_ERR_NETWORK, 0};
    }
    if (remaining <= 0) {
        return {VEXONET_ERR_TIMEOUT, 0};
    }
    // A reset keeps the handle's open connection, so every exchange of one
    // login travels on the same kept-alive TCP connection.
    curl_easy_reset(curl_);
    const std::string url = baseUrl_ + path;
    HeaderList headers;
    headers.Add("Content-Type: application/json");
    headers.Add("Expect:");  // no 100-continue round trip for larger bodies
    if (!authenticate && !session_.empty()) {
        headers.Add("X-Vexo-Session: " + session_);
    }
    answer.clear();
    AnswerSink sink{&answer};

    curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl_, CURLOPT_POST, 1L);
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers.list);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &CollectAnswer);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, static_cast<long>(remaining));
    curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl_, CURLOPT_FOLLOWLOCATION, 0L);
    if (authenticate) {
        curl_easy_setopt(curl_, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_DIGEST));
        curl_easy_setopt(curl_, CURLOPT_USERNAME, user_.c_str());
        curl_easy_setopt(curl_, CURLOPT_PASSWORD, password_.c_str());
    }

    const CURLcode code = curl_easy_perform(curl_);
    // The handle must not keep pointers into this call's locals.
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, nullptr);
    if (sink.overflow) {
        return {VEXONET_ERR_TOO_LARGE, 0};
    }
    if (code != CURLE_OK) {
        return {ErrorOfCurl(code), 0};
    }
    long status = 0;
    curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &status);
    return {VEXONET_OK, status};
}

int DeviceLink::LoginUntil(long connectMs, Clock::time_point deadline) {
    std::string answer;
    const Outcome outcome =
        Perform("/vexo/v1/login", std::string(), true, connectMs, deadline, answer);
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

int DeviceLink::Login(const Timeouts& timeouts) {
    return LoginUntil(timeouts.connectMs,
                      Clock::now() + std::chrono::milliseconds(timeouts.exchangeMs));
}

int DeviceLink::RenewSession(const std::string& stale, const Timeouts& timeouts) {
    if (session_ != stale) {
        return VEXONET_OK;
    }
    return Login(timeouts);
}

int DeviceLink::Exchange(const std::string& path, const std::string& body, const Timeouts& timeouts,
                         std::string& answer) {
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(timeouts.exchangeMs);
    Outcome outcome = Perform(path, body, false, timeouts.connectMs, deadline, answer);
    if (outcome.error == VEXONET_OK && outcome.status == 401) {
        // The device forgot the session (restart or expiry): log in again
        // with the stored credentials and repeat the request once.
        const int login = LoginUntil(timeouts.connectMs, deadline);
        if (login != VEXONET_OK) {
            return login;
        }
        outcome = Perform(path, body, false, timeouts.connectMs, deadline, answer);
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
