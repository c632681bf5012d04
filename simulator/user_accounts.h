#pragma once
// The device's user accounts (name → password), from its configuration.

#include <map>
#include <optional>
#include <string>

namespace devsim {

class UserAccounts {
public:
    void Set(const std::string& user, const std::string& password) { users_[user] = password; }
    std::optional<std::string> PasswordOf(const std::string& user) const {
        const auto it = users_.find(user);
        return it == users_.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Empty() const { return users_.empty(); }
    const std::map<std::string, std::string>& All() const { return users_; }

private:
    std::map<std::string, std::string> users_;
};

}  // namespace devsim
