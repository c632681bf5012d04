#pragma once
// The library's logins, addressed by small non-negative ids.

#include <memory>
#include <mutex>
#include <vector>

#include "device_link.h"

namespace vexonet {

class LoginTable {
public:
    static constexpr int kMaxLogins = 4096;

    // Stores the link under the lowest free id; -1 when the table is full.
    int Add(std::unique_ptr<DeviceLink> link);
    // The link of an id, kept alive for the caller even if it is removed.
    std::shared_ptr<DeviceLink> Find(int id) const;
    bool Remove(int id);
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<DeviceLink>> slots_;
};

}  // namespace vexonet
