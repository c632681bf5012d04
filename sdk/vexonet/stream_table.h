#pragma once
// The library's live streams, addressed by small non-negative handles.

#include <memory>
#include <mutex>
#include <vector>

#include "real_data_stream.h"

namespace vexonet {

class StreamTable {
public:
    static constexpr int kMaxStreams = 1024;

    // Stores the stream under the lowest free handle; -1 when full.
    int Add(std::shared_ptr<RealDataStream> stream);
    std::shared_ptr<RealDataStream> Find(int handle) const;
    // Removes a handle and gives its stream to the caller (nullptr if none).
    std::shared_ptr<RealDataStream> Take(int handle);
    // Removes every stream and gives them to the caller.
    std::vector<std::shared_ptr<RealDataStream>> TakeAll();

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<RealDataStream>> slots_;
};

}  // namespace vexonet
