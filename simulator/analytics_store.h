#pragma once
// The device's analytics configuration: one JSON document, kept in memory
// and in the state folder ("analytics.json"). Every change runs on a copy
// under the model's one lock; the copy replaces the live document only when
// the change went through completely and was stored on disk. A refused or
// failed change therefore leaves both the memory and the file untouched,
// and concurrent sessions see each change whole or not at all.

#include <json/value.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "catalog.h"
#include "state_folder.h"

namespace devsim {

class AnalyticsStore {
public:
    // Loads the stored configuration; a missing or unusable one is replaced
    // by the factory configuration (the unusable file is kept beside it).
    AnalyticsStore(const StateFolder& state, const Catalog& catalog);

    // Runs `read` on the live document.
    Json::Value Read(const std::function<Json::Value(const Json::Value&)>& read) const;
    // Runs `change` on a copy and keeps the copy when `change` returns;
    // a DeviceError thrown by `change` refuses the change.
    Json::Value Update(const std::function<Json::Value(Json::Value&)>& change);

    // Counts the changes kept, so that readers can tell when to read again.
    uint64_t Revision() const { return revision_.load(); }

    static constexpr const char* kFile = "analytics.json";

private:
    const StateFolder& state_;
    const Catalog& catalog_;
    mutable std::mutex mutex_;
    Json::Value doc_;
    std::atomic<uint64_t> revision_{0};
};

}  // namespace devsim
