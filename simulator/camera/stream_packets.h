#pragma once
// Framing of the live stream body: every packet is an 8-byte header (type,
// then payload length, both big-endian uint32) followed by the payload.

#include <cstdint>
#include <string>

namespace devsim::camera {

enum PacketType : uint32_t { kStreamHeader = 0, kVideo = 1, kAudio = 2, kMetadata = 3 };

void AppendPacket(std::string& out, uint32_t type, const std::string& payload);

}  // namespace devsim::camera
