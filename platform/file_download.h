#pragma once
// Download of one of the device's files into a local path, over http or
// https only. The device is not trusted: the transfer is bounded in size and
// time, redirects never change the scheme, and a failed transfer leaves no
// partial file behind.

#include <cstdint>
#include <string>

namespace vexo {

struct DownloadLimits {
    long connectTimeoutMs = 2000;
    int connectRetries = 1;                    // further attempts after a failed connect
    std::int64_t maxBytes = 16 * 1024 * 1024;  // larger bodies are abandoned
    // A device that stops sending is given up on after this many seconds
    // below one byte per second, and any transfer after the total time, so
    // that a stalled device cannot hold the log-in for ever.
    long stallSeconds = 20;
    long totalTimeoutMs = 120000;
    int maxRedirects = 5;
};

enum class DownloadError {
    None,
    UnsupportedScheme,  // not http or https: nothing was requested
    Connect,            // no connection after the retries
    Status,             // the final answer was not 200
    TooLarge,
    File,  // the destination could not be created or written
    Transfer,
};

struct DownloadResult {
    DownloadError error = DownloadError::None;
    long status = 0;      // the final HTTP status, 0 when none arrived
    std::string message;  // why it failed, for diagnostics
    bool Ok() const { return error == DownloadError::None; }
};

// GETs `address` into `path`. On success the file exists (created or
// replaced, empty for an empty body); on failure no file of that path is
// left by this call. https requests ask every cache to step aside and accept
// certificates of unknown authority, another host name, past their validity
// or of the wrong usage, as devices commonly present self-signed ones.
DownloadResult DownloadFile(const std::string& address, const std::string& path,
                            const DownloadLimits& limits = {});

}  // namespace vexo
