#pragma once
// The analytics commands the simulated device understands: a table from
// command name ("CMD_...") to the handler that carries it out.

#include <json/value.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace devsim {

struct CommandContext {
    std::string session;
    std::string user;
    // The address ("host:port") the client reached the device by, for the
    // addresses the device hands out.
    std::string host;
    // "scheme://host:port" the device's files are announced at; empty for
    // "http://" and `host`.
    std::string filesBase;
};

// A handler gets the request's "info" and answers the whole reply document.
using CommandHandler = std::function<Json::Value(const Json::Value& info, const CommandContext&)>;

// {"ack": "0", "info": info}
Json::Value Acknowledge(const Json::Value& info = Json::Value(""));
// {"ack": "1", "errinfo": text}, with "errdetail" when a detail is given.
Json::Value Refuse(const std::string& errinfo, const std::string& detail = {});

class CommandTable {
public:
    void Add(const std::string& command, CommandHandler handler);
    // Runs the command. An unknown command, and a handler that throws, are
    // answered as refusals: a request can never make the device fail.
    Json::Value Run(const std::string& command, const Json::Value& info,
                    const CommandContext& context) const;
    bool Has(const std::string& command) const;
    // Every command name, in name order.
    std::vector<std::string> Names() const;

private:
    std::map<std::string, CommandHandler> handlers_;
};

}  // namespace devsim
