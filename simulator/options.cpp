#include "options.h"

#include <json/reader.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace devsim {
namespace {

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ParseInt(const std::string& text, int low, int high, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

// {"users": {"name": "password"}, "session_expiry": seconds}
bool LoadConfig(const std::string& path, Options& options, std::string& error) {
    const auto text = ReadFile(path);
    Json::Value config;
    Json::CharReaderBuilder builder;
    std::string parseError;
    std::istringstream stream(text.value_or(""));
    if (!text || !Json::parseFromStream(builder, stream, &config, &parseError) ||
        !config.isObject()) {
        error = "cannot read configuration " + path + " " + parseError;
        return false;
    }
    if (config["users"].isObject()) {
        for (const auto& name : config["users"].getMemberNames()) {
            if (!config["users"][name].isString()) {
                error = "password of user " + name + " must be a string";
                return false;
            }
            options.settings.users.Set(name, config["users"][name].asString());
        }
    }
    if (config["session_expiry"].isInt()) {
        options.settings.sessionExpirySeconds = config["session_expiry"].asInt();
    }
    return true;
}

}  // namespace

std::string UsageText() {
    return "usage: vexo-devsim [options]\n"
           "  --port N             listen port (0 picks a free one; default 0)\n"
           "  --bind ADDR          listen address (default 127.0.0.1)\n"
           "  --state DIR          state folder (default ./devsim-state)\n"
           "  --data DIR           the device's own files (default: data beside the\n"
           "                       executable, else the source tree's simulator/data)\n"
           "  --config FILE        JSON configuration: {\"users\": {name: password},\n"
           "                       \"session_expiry\": seconds}\n"
           "  --user NAME:PASSWORD add a user (repeatable)\n"
           "  --session-expiry S   seconds a session lives without requests\n"
           "  --digest ALG         md5, sha256 or both (default both)\n"
           "  --journal FILE       append every request as a JSON line\n"
           "  --latency-ms N       delay every answer\n"
           "  --hang-ms N          hold every answer N ms; -1: answer nothing until the\n"
           "                       hang is switched off, dropping what was held\n"
           "  --script CMD=FILE    answer CMD with the text of FILE\n"
           "  --fault CMD=KIND     malformed, empty, drop or status500 (CMD may be *)\n"
           "  --video-codec C      h264 (default) or mjpeg for the live streams\n"
           "  --https-port N       also serve the device's files over https on port N\n"
           "                       (0 picks a free one; self-signed certificate kept\n"
           "                       in the state folder)\n"
           "  --https-files        CMD_GetConfigInfo answers the https addresses\n";
}

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
    Options options;
    options.settings.stateFolder = "devsim-state";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string value = hasValue ? argv[i + 1] : std::string();
        auto needValue = [&]() {
            if (!hasValue) {
                error = "option " + arg + " needs a value";
                return false;
            }
            ++i;
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            error = UsageText();
            return std::nullopt;
        } else if (arg == "--port") {
            if (!needValue() || !ParseInt(value, 0, 65535, options.port)) {
                error = error.empty() ? "bad port " + value : error;
                return std::nullopt;
            }
        } else if (arg == "--bind") {
            if (!needValue())
                return std::nullopt;
            options.bind = value;
        } else if (arg == "--state") {
            if (!needValue())
                return std::nullopt;
            options.settings.stateFolder = value;
        } else if (arg == "--data") {
            if (!needValue())
                return std::nullopt;
            options.settings.dataFolder = value;
        } else if (arg == "--config") {
            if (!needValue() || !LoadConfig(value, options, error))
                return std::nullopt;
        } else if (arg == "--user") {
            if (!needValue())
                return std::nullopt;
            const size_t colon = value.find(':');
            if (colon == std::string::npos || colon == 0) {
                error = "--user needs NAME:PASSWORD";
                return std::nullopt;
            }
            options.settings.users.Set(value.substr(0, colon), value.substr(colon + 1));
        } else if (arg == "--session-expiry") {
            if (!needValue() ||
                !ParseInt(value, 1, 86400 * 365, options.settings.sessionExpirySeconds)) {
                error = error.empty() ? "bad session expiry " + value : error;
                return std::nullopt;
            }
        } else if (arg == "--digest") {
            if (!needValue())
                return std::nullopt;
            if (value == "md5") {
                options.settings.digest = {DigestAlgorithm::Md5};
            } else if (value == "sha256") {
                options.settings.digest = {DigestAlgorithm::Sha256};
            } else if (value == "both") {
                options.settings.digest = {DigestAlgorithm::Sha256, DigestAlgorithm::Md5};
            } else {
                error = "--digest takes md5, sha256 or both";
                return std::nullopt;
            }
        } else if (arg == "--video-codec") {
            if (!needValue())
                return std::nullopt;
            if (value != "h264" && value != "mjpeg") {
                error = "--video-codec takes h264 or mjpeg";
                return std::nullopt;
            }
            options.settings.videoCodec =
                value == "h264" ? camera::VideoCodec::H264 : camera::VideoCodec::Mjpeg;
        } else if (arg == "--journal") {
            if (!needValue())
                return std::nullopt;
            options.journal = value;
        } else if (arg == "--latency-ms") {
            if (!needValue() || !ParseInt(value, 0, 600000, options.latencyMs)) {
                error = error.empty() ? "bad latency " + value : error;
                return std::nullopt;
            }
        } else if (arg == "--hang-ms") {
            if (!needValue() || !ParseInt(value, -1, 3600000, options.hangMs)) {
                error = error.empty() ? "bad hang " + value : error;
                return std::nullopt;
            }
        } else if (arg == "--https-port") {
            if (!needValue() || !ParseInt(value, 0, 65535, options.httpsPort)) {
                error = error.empty() ? "bad https port " + value : error;
                return std::nullopt;
            }
        } else if (arg == "--https-files") {
            options.announceHttps = true;
        } else if (arg == "--script" || arg == "--fault") {
            if (!needValue())
                return std::nullopt;
            const size_t eq = value.find('=');
            if (eq == std::string::npos || eq == 0) {
                error = arg + " needs CMD=VALUE";
                return std::nullopt;
            }
            const std::string command = value.substr(0, eq);
            const std::string rest = value.substr(eq + 1);
            if (arg == "--script") {
                const auto text = ReadFile(rest);
                if (!text) {
                    error = "cannot read script file " + rest;
                    return std::nullopt;
                }
                options.scripts.emplace_back(command, *text);
            } else {
                const auto kind = ParseFaultKind(rest);
                if (!kind) {
                    error = "unknown fault kind " + rest;
                    return std::nullopt;
                }
                options.faults.emplace_back(command, *kind);
            }
        } else {
            error = "unknown option " + arg + "\n" + UsageText();
            return std::nullopt;
        }
    }
    if (options.settings.users.Empty()) {
        options.settings.users.Set("admin", "Admin_123");
    }
    return options;
}

}  // namespace devsim
