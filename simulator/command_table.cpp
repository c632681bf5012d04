#include "command_table.h"

#include "device_error.h"

namespace devsim {

Json::Value Acknowledge(const Json::Value& info) {
    Json::Value reply;
    reply["ack"] = "0";
    reply["info"] = info;
    return reply;
}

Json::Value Refuse(const std::string& errinfo, const std::string& detail) {
    Json::Value reply;
    reply["ack"] = "1";
    reply["errinfo"] = errinfo;
    if (!detail.empty()) {
        reply["errdetail"] = detail;
    }
    return reply;
}

void CommandTable::Add(const std::string& command, CommandHandler handler) {
    handlers_[command] = std::move(handler);
}

bool CommandTable::Has(const std::string& command) const {
    return handlers_.count(command) != 0;
}

std::vector<std::string> CommandTable::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, handler] : handlers_) {
        names.push_back(name);
    }
    return names;
}

Json::Value CommandTable::Run(const std::string& command, const Json::Value& info,
                              const CommandContext& context) const {
    const auto it = handlers_.find(command);
    if (it == handlers_.end()) {
        return Refuse(err::kUnsupported, command.substr(0, 80));
    }
    try {
        return it->second(info, context);
    } catch (const DeviceError& error) {
        return Refuse(error.what(), error.Detail());
    } catch (const std::exception& error) {
        // A value of a type no handler expected.
        return Refuse(err::kMalformed, error.what());
    }
}

}  // namespace devsim
