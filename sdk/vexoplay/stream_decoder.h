#pragma once
// The decoder of one port: a thread that takes the stream's video packets
// from a bounded queue and decodes them with libavcodec. Every decoded
// picture goes to the sink as it left the decoder (the colour conversion is
// the painter's, see picture_painter.h); the sink keeps only the newest one.
// Each packet carries a sequence number of the caller's through the decoder
// (as its pts), so that a picture can be matched with what the stream said
// about its packet.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "decoded_picture.h"

namespace vexoplay {

struct StreamHeader;

struct DecoderCounters {
    uint32_t packetsIn = 0;       // accepted by Input
    uint32_t packetsDropped = 0;  // refused by the decoder or dropped from a full queue
    uint32_t framesDecoded = 0;
};

class StreamDecoder {
public:
    // sequence: the number the picture's packet was queued with, 0 if the
    // decoder lost track of it.
    using Sink =
        std::function<void(std::shared_ptr<const DecodedPicture> picture, int64_t sequence)>;

    // Packets above this size are refused (the stream's own limit is 16 MiB).
    static constexpr int32_t kMaxPacket = 16 * 1024 * 1024;
    // Packets waiting for the decoder; a decoder that falls behind further
    // loses the oldest ones (the picture then recovers at the next key frame).
    static constexpr size_t kMaxQueued = 64;
    // Pictures smaller than this in either side are not shown.
    static constexpr int kMinSide = 32;

    StreamDecoder(const StreamHeader& header, Sink sink);
    ~StreamDecoder();
    StreamDecoder(const StreamDecoder&) = delete;
    StreamDecoder& operator=(const StreamDecoder&) = delete;

    // False when the codec could not be opened; Input then refuses packets.
    bool Ready() const { return ready_; }

    // Copies one packet (an H.264 access unit in Annex-B form or one JPEG)
    // into the queue, tagged with a sequence number (> 0). False for an
    // empty or oversized packet, or when the decoder is not ready or already
    // stopped.
    bool Input(const uint8_t* data, int32_t length, int64_t sequence);

    // Ends the thread; packets still queued are dropped. Idempotent.
    void Stop();

    // Blocks until the queue is empty and the decoder is idle (tests, tools).
    // False on time-out.
    bool WaitIdle(int timeoutMs);

    DecoderCounters Counters() const;

private:
    struct Codec;
    struct Queued {
        std::vector<uint8_t> data;
        int64_t sequence = 0;
    };
    void Run();
    void Decode(const Queued& packet);
    void Deliver();

    Sink sink_;
    std::unique_ptr<Codec> codec_;
    bool ready_ = false;

    mutable std::mutex mutex_;  // guards queue_, stopping_, busy_, counters_
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Queued> queue_;
    bool stopping_ = false;
    bool busy_ = false;
    DecoderCounters counters_;

    std::thread thread_;
};

}  // namespace vexoplay
