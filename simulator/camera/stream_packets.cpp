#include "stream_packets.h"

namespace devsim::camera {

void AppendPacket(std::string& out, uint32_t type, const std::string& payload) {
    const auto length = static_cast<uint32_t>(payload.size());
    const uint32_t fields[2] = {type, length};
    for (const uint32_t field : fields) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.push_back(static_cast<char>((field >> shift) & 0xFF));
        }
    }
    out += payload;
}

}  // namespace devsim::camera
