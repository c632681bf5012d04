#include "command_table.h"

namespace devsim {

Json::Value Acknowledge(const Json::Value& info) {
    Json::Value reply;
    reply["ack"] = "0";
    reply["info"] = info;
    return reply;
}

Json::Value Refuse(const std::string& errinfo) {
    Json::Value reply;
    reply["ack"] = "1";
    reply["errinfo"] = errinfo;
    return reply;
}

void CommandTable::Add(const std::string& command, CommandHandler handler) {
    handlers_[command] = std::move(handler);
}

bool CommandTable::Has(const std::string& command) const {
    return handlers_.count(command) != 0;
}

Json::Value CommandTable::Run(const std::string& command, const Json::Value& info,
                              const CommandContext& context) const {
    const auto it = handlers_.find(command);
    if (it == handlers_.end()) {
        return Refuse("Unsupported command: " + command);
    }
    return it->second(info, context);
}

}  // namespace devsim
