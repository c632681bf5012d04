#pragma once
// The device's persistent state: one JSON document per file in the state
// folder. Every write goes to a temporary file that is flushed to disk and
// then renamed over the old one, so a crash at any moment leaves either the
// old or the new document, never a mixture.

#include <json/value.h>

#include <filesystem>
#include <optional>
#include <string>

namespace devsim {

class StateFolder {
public:
    // Creates the folder when it does not exist.
    explicit StateFolder(std::filesystem::path folder);

    const std::filesystem::path& Path() const { return folder_; }

    // `name` is a plain file name. Returns false when the write failed.
    bool Write(const std::string& name, const Json::Value& document) const;
    std::optional<Json::Value> Read(const std::string& name) const;

private:
    std::filesystem::path folder_;
};

}  // namespace devsim
