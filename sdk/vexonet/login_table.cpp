#include "login_table.h"

namespace vexonet {

int LoginTable::Add(std::unique_ptr<DeviceLink> link) {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = std::move(link);
            return static_cast<int>(i);
        }
    }
    if (slots_.size() >= kMaxLogins) {
        return -1;
    }
    slots_.push_back(std::move(link));
    return static_cast<int>(slots_.size() - 1);
}

std::shared_ptr<DeviceLink> LoginTable::Find(int id) const {
    std::lock_guard lock(mutex_);
    if (id < 0 || static_cast<size_t>(id) >= slots_.size()) {
        return nullptr;
    }
    return slots_[static_cast<size_t>(id)];
}

bool LoginTable::Remove(int id) {
    std::lock_guard lock(mutex_);
    if (id < 0 || static_cast<size_t>(id) >= slots_.size() || !slots_[static_cast<size_t>(id)]) {
        return false;
    }
    slots_[static_cast<size_t>(id)].reset();
    return true;
}

void LoginTable::Clear() {
    std::lock_guard lock(mutex_);
    slots_.clear();
}

}  // namespace vexonet
