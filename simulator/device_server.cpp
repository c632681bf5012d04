#include "device_server.h"

#include <json/reader.h>
#include <json/writer.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "connection_drop.h"
#include "data_folder.h"
#include "device_error.h"
#include "device_parts.h"
#include "live_analytics.h"
#include "stream_route.h"

namespace devsim {
namespace {

// A request above 16 MiB is refused with a reply of its own. The transport
// accepts somewhat more, so that such a request reaches the refusal rather
// than a bare HTTP error.
constexpr size_t kMaxRequestBytes = 16u * 1024u * 1024u;
constexpr size_t kMaxBodyBytes = 64u * 1024u * 1024u;
constexpr const char* kJson = "application/json";

std::string CompactJson(const Json::Value& value) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

bool ParseJsonText(const std::string& text, Json::Value& out) {
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["stackLimit"] = 200;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    try {
        return reader->parse(text.data(), text.data() + text.size(), &out, nullptr);
    } catch (const std::exception&) {
        return false;  // nesting deeper than the stack limit throws
    }
}

bool IsLoopback(const std::string& address) {
    return address == "127.0.0.1" || address == "::1" || address == "::ffff:127.0.0.1";
}

void AnswerJson(httplib::Response& res, int status, const Json::Value& body) {
    res.status = status;
    res.set_content(CompactJson(body), kJson);
}

Json::Value ErrorBody(const std::string& text) {
    Json::Value body;
    body["error"] = text;
    return body;
}

}  // namespace

DeviceServer::DeviceServer(ServerSettings settings)
    : settings_(std::move(settings)),
      state_(settings_.stateFolder),
      sessions_(settings_.sessionExpirySeconds),
      digest_("vexo", settings_.digest),
      model_(state_, DeviceIdentity{},
             settings_.dataFolder.empty() ? DefaultDataFolder()
                                          : std::filesystem::path(settings_.dataFolder)),
      liveRules_(model_.Store()),
      camera_(
          settings_.videoCodec,
          [this] {
              const PtzPosition at = model_.Ptz().Position();
              return camera::HeadPosition{at.pan, at.tilt, at.zoom};
          },
          [this](int width, int height) {
              return std::make_unique<analytics::LiveAnalytics>(
                  [this] { return liveRules_.Current(); }, width, height);
          }) {
    server_.new_task_queue = [] { return new httplib::ThreadPool(32); };
    server_.set_tcp_nodelay(true);
    server_.set_keep_alive_max_count(1000000);
    server_.set_keep_alive_timeout(30);
    server_.set_payload_max_length(kMaxBodyBytes);
    Routes();
}

int DeviceServer::Bind(const std::string& host, int port) {
    const int bound =
        port == 0 ? server_.bind_to_any_port(host) : (server_.bind_to_port(host, port) ? port : -1);
    const bool v6 = host.find(':') != std::string::npos;
    boundAddress_ = (v6 ? "[" + host + "]" : host) + ":" + std::to_string(bound);
    boundHost_ = host;
    boundPort_ = bound;
    return bound;
}

bool DeviceServer::Serve() {
    for (;;) {
        const bool served = server_.listen_after_bind();
        if (!WaitOutOffline()) {
            return served;
        }
    }
}

bool DeviceServer::WaitOutOffline() {
    std::optional<std::chrono::steady_clock::time_point> until;
    {
        std::lock_guard lock(offlineMutex_);
        until = offlineUntil_;
    }
    if (!until) {
        return false;  // a plain stop
    }
    // Short sleeps: a stop only sets a flag (it may come from a signal
    // handler).
    constexpr auto kSlice = std::chrono::milliseconds(20);
    while (!stopping_ && std::chrono::steady_clock::now() < *until) {
        std::this_thread::sleep_for(kSlice);
    }
    // The port was ours a moment ago; a few tries ride out a slow release.
    bool bound = false;
    for (int attempt = 0; attempt < 50 && !stopping_ && !bound; ++attempt) {
        bound = server_.bind_to_port(boundHost_, boundPort_);
        if (!bound) {
            std::this_thread::sleep_for(kSlice);
        }
    }
    std::lock_guard lock(offlineMutex_);
    offlineUntil_.reset();
    return bound && !stopping_;
}

void DeviceServer::Stop() {
    stopping_ = true;
    knobs_.ReleaseHeld();  // held requests would keep the server's workers
    server_.stop();
}

void DeviceServer::GoOffline(int ms, const httplib::Request& request) {
    {
        std::lock_guard lock(offlineMutex_);
        if (stopping_ || offlineUntil_) {
            return;
        }
        offlineUntil_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    }
    // The workers of held requests must end before the server can.
    knobs_.SetHangMs(0);
    // Stopping closes only the listening socket; kept-alive connections
    // would go on serving their next request.
    DropConnectionsExcept(boundPort_, request.remote_port);
    server_.stop();
}

bool DeviceServer::DroppedOffline(const httplib::Request& request) {
    {
        std::lock_guard lock(offlineMutex_);
        if (!offlineUntil_) {
            return false;
        }
    }
    DropConnection(request);
    return true;
}

void DeviceServer::ApplyLatency() const {
    if (const int ms = knobs_.LatencyMs(); ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

std::optional<CommandContext> DeviceServer::Authenticate(const httplib::Request& req,
                                                         httplib::Response& res) {
    const std::string token = req.get_header_value("X-Vexo-Session");
    const auto user = token.empty() ? std::nullopt : sessions_.Touch(token);
    if (!user) {
        AnswerJson(res, 401, ErrorBody("session"));
        return std::nullopt;
    }
    return CommandContext{token, *user, std::string(), std::string()};
}

std::string DeviceServer::HandleSmartBody(const std::string& body,
                                          const CommandContext& context) const {
    if (body.size() > kMaxRequestBytes) {
        return CompactJson(Refuse(err::kTooLarge, std::to_string(body.size()) + " bytes"));
    }
    Json::Value request;
    if (!ParseJsonText(body, request) || !request.isObject()) {
        return CompactJson(Refuse(err::kMalformed, "not a JSON object"));
    }
    if (!request["op"].isString()) {
        return CompactJson(Refuse(err::kMalformed, "no command name"));
    }
    const std::string command = request["op"].asString();
    try {
        return CompactJson(model_.Commands().Run(command, request["info"], context));
    } catch (const std::exception& error) {
        // A handler met a value of an unexpected type: refuse, never fail.
        return CompactJson(Refuse(err::kMalformed, error.what()));
    }
}

void DeviceServer::Routes() {
    server_.Post("/vexo/v1/login", [this](const httplib::Request& req, httplib::Response& res) {
        if (DroppedOffline(req)) {
            return;
        }
        knobs_.Journal("", req.path, req.body);
        if (!knobs_.WaitWhileHung()) {
            DropConnection(req);
            return;
        }
        ApplyLatency();
        const auto user = digest_.Verify(
            req.get_header_value("Authorization"), req.method,
            [this](const std::string& name) { return settings_.users.PasswordOf(name); });
        if (!user) {
            for (const std::string& challenge : digest_.Challenges()) {
                res.set_header("WWW-Authenticate", challenge);
            }
            AnswerJson(res, 401, ErrorBody("auth"));
            return;
        }
        Json::Value body;
        body["session"] = sessions_.Open(*user);
        body["expires"] = sessions_.ExpirySeconds();
        AnswerJson(res, 200, body);
    });

    server_.Post("/vexo/v1/smart", [this](const httplib::Request& req, httplib::Response& res) {
        if (DroppedOffline(req)) {
            return;
        }
        knobs_.Journal(req.get_header_value("X-Vexo-Session"), req.path, req.body);
        if (!knobs_.WaitWhileHung()) {
            DropConnection(req);
            return;
        }
        ApplyLatency();
        const auto context = Authenticate(req, res);
        if (!context) {
            return;
        }
        Json::Value request;
        const std::string command =
            ParseJsonText(req.body, request) && request.isObject() && request["op"].isString()
                ? request["op"].asString()
                : std::string();
        if (const auto script = knobs_.ScriptFor(command)) {
            res.set_content(*script, kJson);
            return;
        }
        switch (knobs_.FaultFor(command)) {
            case FaultKind::Malformed:
                res.set_content("{\"ack\": \"0\", \"info\": {\"trunc", kJson);
                return;
            case FaultKind::Empty:
                res.set_content("", kJson);
                return;
            case FaultKind::Drop:
                DropConnection(req);
                return;
            case FaultKind::Status500:
                AnswerJson(res, 500, ErrorBody("injected fault"));
                return;
            case FaultKind::None:
                break;
        }
        CommandContext full = *context;
        full.host = req.has_header("Host") ? req.get_header_value("Host") : boundAddress_;
        if (httpsFilesPort_ > 0) {
            // The host the client used, with the https port in place of ours.
            const size_t colon = full.host.rfind(':');
            const bool hasPort =
                colon != std::string::npos && full.host.find(']', colon) == std::string::npos;
            full.filesBase = "https://" + full.host.substr(0, hasPort ? colon : std::string::npos) +
                             ":" + std::to_string(httpsFilesPort_);
        }
        res.set_content(HandleSmartBody(req.body, full), kJson);
    });

    server_.Post("/vexo/v1/ptz", [this](const httplib::Request& req, httplib::Response& res) {
        if (DroppedOffline(req)) {
            return;
        }
        knobs_.Journal(req.get_header_value("X-Vexo-Session"), req.path, req.body);
        if (!knobs_.WaitWhileHung()) {
            DropConnection(req);
            return;
        }
        ApplyLatency();
        if (!Authenticate(req, res)) {
            return;
        }
        if (!model_.Lock().MayControl(req.get_header_value("X-Vexo-Session"))) {
            AnswerJson(res, 423, ErrorBody(err::kPtzLocked));
            return;
        }
        Json::Value request;
        if (!ParseJsonText(req.body, request) || !request.isObject()) {
            AnswerJson(res, 400, ErrorBody("malformed PTZ request"));
            return;
        }
        for (const char* member : {"channel", "command", "param1", "param2", "stop"}) {
            if (!request[member].isInt()) {
                AnswerJson(res, 400, ErrorBody(std::string("missing integer ") + member));
                return;
            }
        }
        const auto error = model_.Ptz().Control(
            request["channel"].asInt(), request["command"].asInt(), request["param1"].asInt(),
            request["param2"].asInt(), request["stop"].asInt() != 0);
        if (error) {
            AnswerJson(res, 400, ErrorBody(*error));
            return;
        }
        Json::Value ok;
        ok["ok"] = true;
        AnswerJson(res, 200, ok);
    });

    camera::AddStreamRoute(server_, camera_, [this](const auto& req, auto& res) {
        if (DroppedOffline(req)) {
            return false;
        }
        knobs_.Journal(req.get_header_value("X-Vexo-Session"), req.path,
                       req.get_param_value("code"));
        return Authenticate(req, res).has_value();
    });

    // The device's own files, without authentication. Only the published
    // names are served, so no path can reach outside the data folder.
    server_.Get(R"(/files/([^/]+))", [this](const httplib::Request& req, httplib::Response& res) {
        if (DroppedOffline(req)) {
            return;
        }
        if (!knobs_.WaitWhileHung()) {
            DropConnection(req);
            return;
        }
        const std::string name = req.matches[1];
        for (const char* file : kPublishedFiles) {
            if (name != file) {
                continue;
            }
            std::ifstream in(model_.DataFolder() / file, std::ios::binary);
            if (!in) {
                break;
            }
            std::stringstream text;
            text << in.rdbuf();
            const bool xml = name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0;
            res.set_content(text.str(), xml ? "application/xml" : kJson);
            return;
        }
        AnswerJson(res, 404, ErrorBody("no such file"));
    });

    server_.Post("/devsim/v1/control", [this](const httplib::Request& req, httplib::Response& res) {
        if (!IsLoopback(req.remote_addr)) {
            AnswerJson(res, 403, ErrorBody("control only from loopback"));
            return;
        }
        Json::Value control;
        if (!ParseJsonText(req.body, control) || !control.isObject()) {
            AnswerJson(res, 400, ErrorBody("control body must be a JSON object"));
            return;
        }
        const std::string error = knobs_.Apply(control);
        if (!error.empty()) {
            AnswerJson(res, 400, ErrorBody(error));
            return;
        }
        if (control.get("forget_sessions", false).asBool()) {
            sessions_.ForgetAll();
        }
        if (control["session_expiry"].isInt()) {
            sessions_.SetExpirySeconds(control["session_expiry"].asInt());
        }
        if (control["offline_ms"].isInt() && control["offline_ms"].asInt() > 0) {
            res.set_header("Connection", "close");
            GoOffline(control["offline_ms"].asInt(), req);
        }
        Json::Value ok;
        ok["ok"] = true;
        AnswerJson(res, 200, ok);
    });
}

}  // namespace devsim
