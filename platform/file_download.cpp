#include "file_download.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>

namespace vexo {
namespace {

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Splits the address and returns its scheme in lower case; empty when the
// address does not parse.
std::string SchemeOf(const std::string& address) {
    std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> url(curl_url(), &curl_url_cleanup);
    if (!url || curl_url_set(url.get(), CURLUPART_URL, address.c_str(), CURLU_NON_SUPPORT_SCHEME) !=
                    CURLUE_OK) {
        return {};
    }
    char* scheme = nullptr;
    if (curl_url_get(url.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK || !scheme) {
        return {};
    }
    std::string text(scheme);
    curl_free(scheme);
    return text;
}

// The destination is opened only once a 200 answer starts its body, so a
// refused request never touches the path. O_NOFOLLOW keeps a link planted
// at the path from redirecting the write elsewhere.
struct Sink {
    CURL* curl = nullptr;
    const std::string* path = nullptr;
    std::int64_t maxBytes = 0;
    std::int64_t bytes = 0;
    int fd = -1;
    bool created = false;
    bool tooLarge = false;
    bool refused = false;
    int fileErrno = 0;

    bool Open() {
        fd = ::open(path->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            fileErrno = errno;
            return false;
        }
        created = true;
        return true;
    }
    void Close() {
        if (fd >= 0) {
            ::close(fd);
        }
        fd = -1;
    }
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
    Sink& sink = *static_cast<Sink*>(user);
    const size_t length = size * count;
    long status = 0;
    curl_easy_getinfo(sink.curl, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        sink.refused = true;  // no need to read the body of a refusal
        return 0;
    }
    // Counted here because libcurl enforces its own limit only when the
    // size is announced.
    sink.bytes += static_cast<std::int64_t>(length);
    if (sink.bytes > sink.maxBytes) {
        sink.tooLarge = true;
        return 0;
    }
    if (sink.fd < 0 && !sink.Open()) {
        return 0;
    }
    size_t done = 0;
    while (done < length) {
        const ssize_t written = ::write(sink.fd, data + done, length - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            sink.fileErrno = errno;
            return 0;
        }
        done += static_cast<size_t>(written);
    }
    return length;
}

struct Attempt {
    CURLcode code = CURLE_OK;
    bool connected = false;
    long status = 0;
    char error[CURL_ERROR_SIZE] = {};
};

Attempt RunOnce(const std::string& address, const std::string& scheme, const DownloadLimits& limits,
                Sink& sink) {
    Attempt attempt;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
        attempt.code = CURLE_FAILED_INIT;
        return attempt;
    }
    CURL* c = curl.get();
    sink.curl = c;
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    // Only the address's own scheme, for the request and for redirects.
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, scheme.c_str());
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, scheme.c_str());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, static_cast<long>(limits.maxRedirects));
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, attempt.error);
    curl_slist* headers = nullptr;
    if (scheme == "https") {
        // Fresh from the device, never from or into a cache; devices carry
        // self-signed certificates, so neither the chain, the host name nor
        // revocation is checked.
        headers = curl_slist_append(headers, "Cache-Control: no-cache");
        headers = curl_slist_append(headers, "Pragma: no-cache");
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 0L);
        curl_easy_setopt(c, CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_NO_REVOKE));
    }
    attempt.code = curl_easy_perform(c);
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &attempt.status);
    curl_off_t connectTime = 0;
    curl_easy_getinfo(c, CURLINFO_CONNECT_TIME_T, &connectTime);
    attempt.connected = connectTime > 0 || attempt.status != 0;
    curl_slist_free_all(headers);
    return attempt;
}

DownloadResult Fail(DownloadError error, long status, std::string message) {
    return DownloadResult{error, status, std::move(message)};
}

}  // namespace

DownloadResult DownloadFile(const std::string& address, const std::string& path,
                            const DownloadLimits& limits) {
    const std::string scheme = SchemeOf(address);
    if (scheme != "http" && scheme != "https") {
        return Fail(DownloadError::UnsupportedScheme, 0, "not an http or https address");
    }
    InitCurlOnce();
    Sink sink;
    sink.path = &path;
    sink.maxBytes = limits.maxBytes;
    Attempt attempt;
    for (int round = 0; round <= limits.connectRetries; ++round) {
        attempt = RunOnce(address, scheme, limits, sink);
        const bool connectFailed = attempt.code == CURLE_COULDNT_CONNECT ||
                                   (attempt.code == CURLE_OPERATION_TIMEDOUT && !attempt.connected);
        if (!connectFailed) {
            break;
        }
    }
    sink.Close();

    DownloadResult result;
    result.status = attempt.status;
    if (sink.tooLarge || attempt.code == CURLE_FILESIZE_EXCEEDED) {
        result = Fail(DownloadError::TooLarge, attempt.status, "larger than the limit");
    } else if (sink.refused || (attempt.code == CURLE_OK && attempt.status != 200)) {
        result = Fail(DownloadError::Status, attempt.status, "answered with another status");
    } else if (sink.fileErrno != 0) {
        result = Fail(DownloadError::File, attempt.status, std::strerror(sink.fileErrno));
    } else if (attempt.code == CURLE_COULDNT_CONNECT ||
               (attempt.code == CURLE_OPERATION_TIMEDOUT && !attempt.connected)) {
        result = Fail(DownloadError::Connect, 0, attempt.error);
    } else if (attempt.code != CURLE_OK) {
        // A body cut short is not the device's file: keep nothing of it.
        result = Fail(DownloadError::Transfer, attempt.status,
                      attempt.error[0] ? attempt.error : curl_easy_strerror(attempt.code));
    } else if (sink.bytes == 0 && !sink.Open()) {
        // An empty body still creates the file.
        result = Fail(DownloadError::File, attempt.status, std::strerror(sink.fileErrno));
    }
    sink.Close();
    if (!result.Ok() && sink.created) {
        ::unlink(path.c_str());
    }
    return result;
}

}  // namespace vexo
