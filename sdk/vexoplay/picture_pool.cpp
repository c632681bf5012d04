#include "picture_pool.h"

#include <new>

namespace vexoplay {

struct PicturePool::Lease {
    std::shared_ptr<PicturePool> pool;  // outlives the decoder if a picture does
    std::unique_ptr<uint8_t[]> buffer;
    size_t size;
};

std::unique_ptr<uint8_t[]> PicturePool::Take(int width, int height) {
    const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    {
        std::lock_guard lock(mutex_);
        if (size != bufferSize_) {
            // The window changed size: buffers of the old size are no use.
            free_.clear();
            bufferSize_ = size;
        }
        if (!free_.empty()) {
            std::unique_ptr<uint8_t[]> buffer = std::move(free_.back());
            free_.pop_back();
            return buffer;
        }
    }
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[size]);
}

QImage PicturePool::Wrap(std::unique_ptr<uint8_t[]> buffer, int width, int height) {
    if (buffer == nullptr) {
        return {};
    }
    const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    auto* lease = new Lease{shared_from_this(), std::move(buffer), size};
    QImage image(lease->buffer.get(), width, height, width * 4, QImage::Format_RGB32,
                 &PicturePool::Return, lease);
    if (image.isNull()) {
        delete lease;  // Qt did not take it, so it will not call Return
    }
    return image;
}

size_t PicturePool::FreeCount() const {
    std::lock_guard lock(mutex_);
    return free_.size();
}

void PicturePool::Return(void* info) {
    std::unique_ptr<Lease> lease(static_cast<Lease*>(info));
    PicturePool& pool = *lease->pool;
    std::lock_guard lock(pool.mutex_);
    if (lease->size == pool.bufferSize_ && pool.free_.size() < kMaxFree) {
        pool.free_.push_back(std::move(lease->buffer));
    }
}

}  // namespace vexoplay
