#pragma once
// A simulated device for unit tests: the device server's request handling,
// without sockets, on a state folder of its own that survives Restart().

#include <json/value.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device_server.h"

namespace devsim::test {

class SimDevice {
public:
    SimDevice();
    ~SimDevice();

    // The whole reply document of one request.
    Json::Value Send(const std::string& op, const Json::Value& info,
                     const std::string& session = "session-a");
    Json::Value SendText(const std::string& body, const std::string& session = "session-a");
    // The "info" of an acknowledged reply; a refusal fails the test.
    Json::Value Ok(const std::string& op, const Json::Value& info = Json::Value(""),
                   const std::string& session = "session-a");
    // The "errinfo" of a refused reply; an acknowledgement fails the test.
    std::string Refused(const std::string& op, const Json::Value& info,
                        const std::string& session = "session-a");

    // A new server on the same state folder, as after a power cycle.
    void Restart();
    DeviceServer& Server() { return *server_; }
    const std::string& StateFolder() const { return folder_; }

private:
    std::string folder_;
    std::unique_ptr<DeviceServer> server_;
};

// Sends `info` with `member` set to each case's JSON text (first) and
// expects the case's refusal (second).
using RefusalCases = std::vector<std::pair<const char*, const char*>>;
void ExpectRefusals(SimDevice& device, const std::string& op, Json::Value info, const char* member,
                    const RefusalCases& cases);

// Changes one of every kind of object the device keeps from its factory
// state (scene, rule, module, linkage, schedule, alarm, non-scene function,
// tour, current scene, analytics switch, PTZ position; a rule deleted).
void ChangeEverything(SimDevice& device);

// Parses JSON text written in a test.
Json::Value J(const std::string& text);

}  // namespace devsim::test
