// Fuzz target of the live stream's packet parser: any bytes, cut into
// pieces of sizes the input chooses, must give whole packets of at most
// the length limit, a broken state, or bytes held pending; never a crash,
// an overread or unbounded memory.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "stream_packet_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte picks the piece size, so the same stream is also
    // tried cut at every possible point.
    const size_t piece = static_cast<size_t>(data[0]) + 1;
    data += 1;
    size -= 1;
    vexonet::StreamPacketParser parser;
    size_t delivered = 0;
    for (size_t at = 0; at < size; at += piece) {
        const size_t n = size - at < piece ? size - at : piece;
        const bool ok =
            parser.Feed(data + at, n, [&](uint32_t, const uint8_t* payload, uint32_t length) {
                if (payload == nullptr || length > vexonet::kMaxStreamPacketBytes) {
                    std::abort();
                }
                volatile uint8_t touch = length > 0 ? payload[length - 1] : 0;
                (void)touch;
                delivered += 8 + length;
            });
        if (!ok) {
            if (!parser.Broken()) {
                std::abort();
            }
            return 0;
        }
    }
    // Every input byte is in a delivered packet or pending.
    if (delivered + parser.Pending() != size) {
        std::abort();
    }
    return 0;
}
