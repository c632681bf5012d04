#include "stream_table.h"

namespace vexonet {

int StreamTable::Add(std::shared_ptr<RealDataStream> stream) {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = std::move(stream);
            return static_cast<int>(i);
        }
    }
    if (slots_.size() >= kMaxStreams) {
        return -1;
    }
    slots_.push_back(std::move(stream));
    return static_cast<int>(slots_.size() - 1);
}

std::shared_ptr<RealDataStream> StreamTable::Find(int handle) const {
    std::lock_guard lock(mutex_);
    if (handle < 0 || static_cast<size_t>(handle) >= slots_.size()) {
        return nullptr;
    }
    return slots_[static_cast<size_t>(handle)];
}

std::shared_ptr<RealDataStream> StreamTable::Take(int handle) {
    std::lock_guard lock(mutex_);
    if (handle < 0 || static_cast<size_t>(handle) >= slots_.size()) {
        return nullptr;
    }
    return std::move(slots_[static_cast<size_t>(handle)]);
}

std::vector<std::shared_ptr<RealDataStream>> StreamTable::TakeAll() {
    std::lock_guard lock(mutex_);
    std::vector<std::shared_ptr<RealDataStream>> all;
    for (auto& slot : slots_) {
        if (slot) {
            all.push_back(std::move(slot));
        }
    }
    slots_.clear();
    return all;
}

}  // namespace vexonet
