#pragma once
// Memory for the decoder's converted pictures, reused from one picture to
// the next. A 1280x720 picture is 3.6 MB; fresh memory for each one costs a
// page fault per 4 KiB on its first write, more CPU than the colour
// conversion that fills it. A picture's memory comes back when the last
// copy of its QImage is gone (the window may still paint the previous
// picture while the next one is converted).

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace vexoplay {

class PicturePool : public std::enable_shared_from_this<PicturePool> {
public:
    // Free buffers kept: the window's picture, the one being converted and
    // one spare cover the steady state.
    static constexpr size_t kMaxFree = 3;

    // A buffer of width x height 32-bit pixels (rows of width * 4 bytes),
    // null when memory ran out. Pass it to Wrap once it holds the picture.
    std::unique_ptr<uint8_t[]> Take(int width, int height);

    // An RGB32 image over the buffer; the buffer returns to the pool when
    // the last copy of the image is destroyed. Null image (and the buffer
    // freed) if Qt refuses it.
    QImage Wrap(std::unique_ptr<uint8_t[]> buffer, int width, int height);

    size_t FreeCount() const;

private:
    struct Lease;
    static void Return(void* lease);

    mutable std::mutex mutex_;  // guards the two below
    size_t bufferSize_ = 0;     // of the buffers in free_: the newest picture size
    std::vector<std::unique_ptr<uint8_t[]>> free_;
};

}  // namespace vexoplay
