#pragma once
// The analytics commands the simulated device understands: a table from
// command name ("CMD_...") to the handler that carries it out.

#include <json/value.h>

#include <functional>
#include <map>
#include <string>

namespace devsim {

struct CommandContext {
    std::string session;
    std::string user;
};

// A handler gets the request's "info" and answers the whole reply document.
using CommandHandler = std::function<Json::Value(const Json::Value& info, const CommandContext&)>;

// {"ack": "0", "info": info}
Json::Value Acknowledge(const Json::Value& info = Json::Value(""));
// {"ack": "1", "errinfo": text}
Json::Value Refuse(const std::string& errinfo);

class CommandTable {
public:
    void Add(const std::string& command, CommandHandler handler);
    // Runs the command; an unknown command is refused with a text naming it.
    Json::Value Run(const std::string& command, const Json::Value& info,
                    const CommandContext& context) const;
    bool Has(const std::string& command) const;

private:
    std::map<std::string, CommandHandler> handlers_;
};

}  // namespace devsim
