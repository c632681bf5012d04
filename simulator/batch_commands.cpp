// The whole configuration in one batch, and where the device's own files
// can be fetched.
//
// "CMD_GetBatchConfig" answers the configuration document as one styled
// JSON text. Given back, whole, by "CMD_SetBatchConfig" (as a string) or
// "CMD_SetParamsBatchConfig" (parsed), it replaces the configuration.
// "CMD_SetParamsBatchConfig" also takes the control's export layout. Either
// way the batch is checked completely before anything changes.

#include <json/reader.h>
#include <json/writer.h>

#include <memory>

#include "config_document.h"
#include "device_parts.h"
#include "export_layout.h"
#include "request_fields.h"

namespace devsim {
namespace {

void ApplyBatch(const DeviceParts& parts, const Json::Value& config) {
    if (config.isObject() && config.isMember("format")) {
        const Json::Value restored = RestoreDocument(parts.catalog, config);
        parts.store.Update([&](Json::Value& doc) {
            doc = restored;
            return Json::Value();
        });
        return;
    }
    if (!LooksLikeExportLayout(config)) {
        if (!config.isObject()) {
            throw DeviceError(err::kBatch, "config must be an object");
        }
        for (const std::string& member : config.getMemberNames()) {
            throw DeviceError(err::kBatchGroup, member.substr(0, 60));
        }
        throw DeviceError(err::kBatch, "empty configuration");
    }
    parts.store.Update([&](Json::Value& doc) {
        ApplyExportLayout(parts.catalog, config, doc);
        return Json::Value();
    });
}

}  // namespace

std::string BatchText(const Json::Value& doc) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    return Json::writeString(builder, doc);
}

void RegisterBatchCommands(CommandTable& table, const DeviceParts& parts) {
    table.Add("CMD_GetBatchConfig", [parts](const Json::Value&, const CommandContext&) {
        Json::Value reply;
        reply["config"] =
            parts.store.Read([](const Json::Value& doc) { return Json::Value(BatchText(doc)); });
        return Acknowledge(reply);
    });

    table.Add("CMD_SetParamsBatchConfig", [parts](const Json::Value& info, const CommandContext&) {
        ApplyBatch(parts, RequiredMember(info, "config"));
        return Acknowledge();
    });

    table.Add("CMD_SetBatchConfig", [parts](const Json::Value& info, const CommandContext&) {
        const std::string text = RequiredText(info, "config");
        Json::CharReaderBuilder builder;
        builder["allowComments"] = true;
        builder["stackLimit"] = 200;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        Json::Value config;
        std::string error;
        if (!reader->parse(text.data(), text.data() + text.size(), &config, &error)) {
            throw DeviceError(err::kBatchJson, error.substr(0, 200));
        }
        ApplyBatch(parts, config);
        return Acknowledge();
    });

    table.Add("CMD_GetConfigInfo", [parts](const Json::Value&, const CommandContext& context) {
        const std::string host = context.host.empty() ? "127.0.0.1" : context.host;
        const std::string base = context.filesBase.empty() ? "http://" + host : context.filesBase;
        Json::Value reply;
        for (const char* file : kPublishedFiles) {
            reply[file] = base + "/files/" + file;
        }
        return Acknowledge(reply);
    });
}

}  // namespace devsim
