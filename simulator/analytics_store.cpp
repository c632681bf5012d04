#include "analytics_store.h"

#include <cstdio>
#include <filesystem>

#include "config_document.h"
#include "device_error.h"

namespace devsim {

AnalyticsStore::AnalyticsStore(const StateFolder& state, const Catalog& catalog)
    : state_(state), catalog_(catalog) {
    if (const auto stored = state_.Read(kFile)) {
        try {
            doc_ = RestoreDocument(catalog_, *stored);
            return;
        } catch (const DeviceError& error) {
            std::fprintf(stderr,
                         "vexo-devsim: stored configuration unusable (%s: %s); "
                         "starting from the factory configuration\n",
                         error.what(), error.Detail().c_str());
            std::error_code ignored;
            std::filesystem::copy_file(state_.Path() / kFile,
                                       state_.Path() / (std::string(kFile) + ".unusable"),
                                       std::filesystem::copy_options::overwrite_existing, ignored);
        }
    }
    doc_ = FactoryDocument(catalog_);
    state_.Write(kFile, doc_);
}

Json::Value AnalyticsStore::Read(const std::function<Json::Value(const Json::Value&)>& read) const {
    std::lock_guard lock(mutex_);
    return read(doc_);
}

Json::Value AnalyticsStore::Update(const std::function<Json::Value(Json::Value&)>& change) {
    std::lock_guard lock(mutex_);
    Json::Value work = doc_;
    Json::Value result = change(work);
    if (!state_.Write(kFile, work)) {
        throw DeviceError(err::kStore, kFile);
    }
    doc_ = std::move(work);
    ++revision_;
    return result;
}

}  // namespace devsim
