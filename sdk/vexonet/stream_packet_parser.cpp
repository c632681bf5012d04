#include "stream_packet_parser.h"

namespace vexonet {
namespace {

uint32_t BigEndian32(const uint8_t* bytes) {
    return (static_cast<uint32_t>(bytes[0]) << 24) | (static_cast<uint32_t>(bytes[1]) << 16) |
           (static_cast<uint32_t>(bytes[2]) << 8) | static_cast<uint32_t>(bytes[3]);
}

}  // namespace

bool StreamPacketParser::ReadHeader() {
    type_ = BigEndian32(header_);
    length_ = BigEndian32(header_ + 4);
    if (length_ > kMaxStreamPacketBytes) {
        broken_ = true;
        return false;
    }
    payload_.clear();
    return true;
}

}  // namespace vexonet
