// Time and size of the batch configuration of a large device: 10 scenes,
// 5 analytics functions each, 8 rules per function (400 rules with their
// linkage and arming data). Reading is "CMD_GetBatchConfig"; writing is
// "CMD_SetParamsBatchConfig" with the device's own text (checked whole,
// then stored with an atomic file write) and with the control's export
// layout for the selected scene.

#include <benchmark/benchmark.h>
#include <json/writer.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "device_server.h"
#include "json_text.h"

namespace {

const char* kFunctions[] = {"zelk:Intrusion_Event", "zelk:Wire_Cross_Event", "zelk:Loitering_Event",
                            "zelk:Abandoned_Object_Detection_Event", "zelk:Fast_Moving_Event"};

std::string Compact(const Json::Value& value) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

class LargeDevice {
public:
    LargeDevice() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vexo-devsim-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : "vexo-devsim-bench";
        devsim::ServerSettings settings;
        settings.stateFolder = folder_ + "/state";
        settings.dataFolder = std::string(VEXO_SOURCE_DIR) + "/simulator/data";
        settings.users.Set("admin", "Admin_123");
        server_ = std::make_unique<devsim::DeviceServer>(settings);

        // Grow the factory configuration to the large device and load it.
        Json::Value doc =
            vexo::test::ParseJson(Info("CMD_GetBatchConfig", "")["config"].asString());
        Json::Value scenes(Json::arrayValue);
        for (int s = 0; s < 10; ++s) {
            Json::Value scene = doc["scenes"][0];
            char token[16];
            std::snprintf(token, sizeof token, "Scene_%03d", s + 1);
            scene["token"] = token;
            scene["name"] = "Scene " + std::to_string(s + 1);
            scene["functions"] = Json::Value(Json::arrayValue);
            scene["rules"] = Json::Value(Json::objectValue);
            for (const char* function : kFunctions) {
                scene["functions"].append(function);
                const std::string shortName = std::string(function).substr(5);
                for (int r = 1; r <= 8; ++r) {
                    Json::Value rule;
                    rule["token"] = shortName + " 0" + std::to_string(r);
                    scene["rules"][function].append(rule);
                }
            }
            scenes.append(scene);
        }
        doc["scenes"] = scenes;
        doc["defaultScene"] = "Scene_001";
        doc["selectedScene"] = "Scene_001";
        for (const std::string& type : doc["tours"].getMemberNames()) {
            for (const std::string& row : doc["tours"][type].getMemberNames()) {
                if (doc["tours"][type][row].isObject()) {
                    doc["tours"][type][row]["simp"]["AnalyticsConfigurationToken"] = "";
                }
            }
        }
        Json::Value info;
        info["config"] = doc;
        if (Send("CMD_SetParamsBatchConfig", info)["ack"].asString() != "0") {
            std::fprintf(stderr, "cannot load the large configuration\n");
            std::abort();
        }
        text_ = Info("CMD_GetBatchConfig", "")["config"].asString();
    }
    ~LargeDevice() {
        server_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    static devsim::CommandContext Context() {
        devsim::CommandContext context;
        context.session = "bench";
        context.user = "admin";
        context.host = "127.0.0.1";
        return context;
    }
    Json::Value Send(const std::string& op, const Json::Value& info) {
        Json::Value request;
        request["op"] = op;
        request["info"] = info;
        return vexo::test::ParseJson(server_->HandleSmartBody(Compact(request), Context()));
    }
    Json::Value Info(const std::string& op, const Json::Value& info) {
        return Send(op, info)["info"];
    }
    std::string Body(const std::string& op, const Json::Value& info) {
        Json::Value request;
        request["op"] = op;
        request["info"] = info;
        return Compact(request);
    }
    std::string Handle(const std::string& body) {
        return server_->HandleSmartBody(body, Context());
    }
    const std::string& Text() const { return text_; }

private:
    std::string folder_;
    std::unique_ptr<devsim::DeviceServer> server_;
    std::string text_;
};

LargeDevice& Device() {
    static LargeDevice device;
    return device;
}

// Runs one set command again and again; a refusal ends the benchmark with
// the device's reply.
void MeasureAcknowledged(benchmark::State& state, LargeDevice& device, const std::string& body) {
    for (auto _ : state) {
        const std::string reply = device.Handle(body);
        if (reply.find("\"ack\":\"0\"") == std::string::npos) {
            state.SkipWithError(reply.c_str());
            break;
        }
    }
    state.counters["request_bytes"] = static_cast<double>(body.size());
}

void BM_GetBatchConfig(benchmark::State& state) {
    LargeDevice& device = Device();
    const std::string body = device.Body("CMD_GetBatchConfig", "");
    size_t replyBytes = 0;
    for (auto _ : state) {
        const std::string reply = device.Handle(body);
        replyBytes = reply.size();
        benchmark::DoNotOptimize(reply.data());
    }
    state.counters["config_bytes"] = static_cast<double>(device.Text().size());
    state.counters["reply_bytes"] = static_cast<double>(replyBytes);
    state.counters["rules"] = 400;
}
BENCHMARK(BM_GetBatchConfig)->Unit(benchmark::kMillisecond);

void BM_SetParamsBatchConfig_DeviceText(benchmark::State& state) {
    LargeDevice& device = Device();
    Json::Value info;
    info["config"] = vexo::test::ParseJson(device.Text());
    const std::string body = device.Body("CMD_SetParamsBatchConfig", info);
    MeasureAcknowledged(state, device, body);
}
BENCHMARK(BM_SetParamsBatchConfig_DeviceText)->Unit(benchmark::kMillisecond);

void BM_SetBatchConfig_String(benchmark::State& state) {
    LargeDevice& device = Device();
    Json::Value info;
    info["config"] = device.Text();
    const std::string body = device.Body("CMD_SetBatchConfig", info);
    MeasureAcknowledged(state, device, body);
}
BENCHMARK(BM_SetBatchConfig_String)->Unit(benchmark::kMillisecond);

// The export layout of the selected scene: 40 rules with parameters,
// linkage and arming, plus modules and non-scene functions.
void BM_SetParamsBatchConfig_ExportLayout(benchmark::State& state) {
    LargeDevice& device = Device();
    const Json::Value doc = vexo::test::ParseJson(device.Text());
    const Json::Value& scene = doc["scenes"][0];
    Json::Value layout;
    for (const std::string& module : scene["modules"].getMemberNames()) {
        layout["Modules"][module] = scene["modules"][module];
    }
    for (const std::string& name : doc["nonScenes"].getMemberNames()) {
        layout["NonScenes"][name] = doc["nonScenes"][name];
    }
    for (const std::string& function : scene["rules"].getMemberNames()) {
        for (const Json::Value& rule : scene["rules"][function]) {
            const std::string token = rule["token"].asString();
            Json::Value params = rule["params"];
            params["Token"] = token;
            layout["Rules"][function][token] = params;
            Json::Value link = rule["trigger"]["simp"];
            for (const std::string& group : rule["trigger"]["data"].getMemberNames()) {
                link[group] = rule["trigger"]["data"][group];
            }
            link["Token"] = token;
            layout["SmartLinkMethod"][function][token] = link;
            Json::Value arming = rule["schedule"];
            arming["Token"] = token;
            layout["SmartArmingInterval"][function][token] = arming;
        }
    }
    Json::Value info;
    info["config"] = layout;
    const std::string body = device.Body("CMD_SetParamsBatchConfig", info);
    MeasureAcknowledged(state, device, body);
}
BENCHMARK(BM_SetParamsBatchConfig_ExportLayout)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
