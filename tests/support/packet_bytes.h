#pragma once
// Live stream packets as they travel: an 8-byte header (type and payload
// length, big-endian) before each payload.

#include <cstdint>
#include <string>
#include <vector>

namespace vexo::test {

struct Packet {
    uint32_t type;
    std::string payload;
    bool operator==(const Packet&) const = default;
};

inline std::string PacketHeader(uint32_t type, uint32_t length) {
    std::string bytes;
    for (uint32_t field : {type, length}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes.push_back(static_cast<char>((field >> shift) & 0xFF));
        }
    }
    return bytes;
}

inline std::string Frame(const std::vector<Packet>& packets) {
    std::string bytes;
    for (const Packet& p : packets) {
        bytes += PacketHeader(p.type, static_cast<uint32_t>(p.payload.size())) + p.payload;
    }
    return bytes;
}

}  // namespace vexo::test
