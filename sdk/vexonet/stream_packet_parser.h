#pragma once
// Incremental reader of the live stream body: 8-byte packet headers (type,
// then payload length, both big-endian uint32) each followed by the
// payload. Bytes arrive in pieces of any size; every complete packet goes
// to the sink, straight from the piece when it lies wholly inside it and
// from an internal buffer otherwise.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexonet {

// A packet longer than this means the stream is broken, not that a huge
// picture is coming: nothing the device sends comes near it.
inline constexpr uint32_t kMaxStreamPacketBytes = 16u * 1024u * 1024u;

class StreamPacketParser {
public:
    // Feeds the next bytes of the body. `sink(type, payload, length)` is
    // called for each packet completed by them; a zero-length payload
    // still gets a valid pointer. Returns false once a header announced
    // more than kMaxStreamPacketBytes: the stream is broken for good, and
    // later feeds deliver nothing.
    template <typename Sink>
    bool Feed(const uint8_t* data, size_t size, Sink&& sink);

    bool Broken() const { return broken_; }
    // Bytes of an unfinished packet: non-zero when a body ends here, the
    // last packet was cut short.
    size_t Pending() const {
        return headerFill_ < kHeaderBytes ? headerFill_ : kHeaderBytes + payload_.size();
    }

private:
    static constexpr size_t kHeaderBytes = 8;
    // Returns false when the header just completed is over the limit.
    bool ReadHeader();

    uint8_t header_[kHeaderBytes] = {};
    size_t headerFill_ = 0;
    uint32_t type_ = 0;
    uint32_t length_ = 0;
    std::vector<uint8_t> payload_;
    bool broken_ = false;
};

template <typename Sink>
bool StreamPacketParser::Feed(const uint8_t* data, size_t size, Sink&& sink) {
    static constexpr uint8_t kEmpty = 0;
    if (broken_) {
        return false;
    }
    while (size > 0 || (headerFill_ == kHeaderBytes && payload_.size() == length_)) {
        if (headerFill_ < kHeaderBytes) {
            const size_t take = std::min(kHeaderBytes - headerFill_, size);
            for (size_t i = 0; i < take; ++i) {
                header_[headerFill_ + i] = data[i];
            }
            headerFill_ += take;
            data += take;
            size -= take;
            if (headerFill_ < kHeaderBytes) {
                break;
            }
            if (!ReadHeader()) {
                return false;
            }
            continue;
        }
        const size_t missing = length_ - payload_.size();
        if (missing == 0) {
            sink(type_, payload_.empty() ? &kEmpty : payload_.data(), length_);
        } else if (payload_.empty() && size >= missing) {
            sink(type_, data, length_);  // whole payload inside this piece
            data += missing;
            size -= missing;
        } else {
            const size_t take = std::min(missing, size);
            payload_.insert(payload_.end(), data, data + take);
            data += take;
            size -= take;
            if (payload_.size() < length_) {
                break;
            }
            sink(type_, payload_.data(), length_);
        }
        payload_.clear();
        headerFill_ = 0;
    }
    return true;
}

}  // namespace vexonet
