// One encoder per stream code: every viewer gets the very same bytes, each
// picture as a video packet followed by its metadata, starting at a key
// frame; the encoder runs only while somebody watches. The header and the
// packet order on the wire are the live stream's integration test.

#include <gtest/gtest.h>
#include <json/reader.h>

#include <thread>
#include <vector>

#include "packet_bytes.h"
#include "stream_channel.h"
#include "stream_packet_parser.h"

namespace {

using devsim::camera::HeadPosition;
using devsim::camera::StreamChannel;
using devsim::camera::StreamFormat;
using devsim::camera::VideoCodec;
using namespace std::chrono_literals;

using vexo::test::Packet;

std::vector<Packet> Split(const std::string& bytes) {
    std::vector<Packet> packets;
    vexonet::StreamPacketParser parser;
    parser.Feed(
        reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
        [&](uint32_t type, const uint8_t* data, uint32_t length) {
            packets.push_back({type, std::string(reinterpret_cast<const char*>(data), length)});
        });
    EXPECT_EQ(parser.Pending(), 0u);
    return packets;
}

// An H.264 IDR slice (NAL type 5) somewhere in an Annex-B access unit.
bool HasIdr(const std::string& unit) {
    for (size_t i = 0; i + 3 < unit.size(); ++i) {
        if (unit[i] == 0 && unit[i + 1] == 0 && unit[i + 2] == 1 && (unit[i + 3] & 0x1F) == 5) {
            return true;
        }
    }
    return false;
}

// Generous: the first picture waits for the encoder to start, which takes
// seconds in an unoptimised build on a busy machine.
std::shared_ptr<const std::string> TakeSome(devsim::camera::ViewerQueue& queue) {
    return queue.Take(10000ms);
}

}  // namespace

TEST(StreamChannelTest, ViewersShareOneEncodingThatStartsAtAKeyFrame) {
    StreamChannel channel(StreamFormat{704, 576, 25, VideoCodec::H264}, [] {
        return HeadPosition{0.25, 0.1, 0.2};
    });
    EXPECT_FALSE(channel.Encoding());
    const auto first = channel.Join();
    const auto second = channel.Join();
    EXPECT_TRUE(channel.Encoding());

    const auto fromSecond = TakeSome(*second);
    ASSERT_NE(fromSecond, nullptr);
    bool shared = false;
    for (int i = 0; i < 10 && !shared; ++i) {
        const auto fromFirst = TakeSome(*first);
        ASSERT_NE(fromFirst, nullptr);
        shared = fromFirst.get() == fromSecond.get();  // the same bytes, not a copy
    }
    EXPECT_TRUE(shared);

    const auto packets = Split(*fromSecond);
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].type, 1u);
    EXPECT_TRUE(HasIdr(packets[0].payload));
    EXPECT_EQ(packets[1].type, 3u);
    Json::Value meta;
    ASSERT_TRUE(Json::Reader().parse(packets[1].payload, meta));
    EXPECT_GT(meta["capture_us"].asInt64(), 1600000000LL * 1000000);
    EXPECT_DOUBLE_EQ(meta["pan"].asDouble(), 0.25);

    channel.Leave(first);
    EXPECT_TRUE(channel.Encoding());
    channel.Leave(second);
    EXPECT_FALSE(channel.Encoding());
    const uint64_t encoded = channel.PicturesEncoded();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(channel.PicturesEncoded(), encoded);  // nobody watches, nothing is encoded
    EXPECT_TRUE(first->Closed());
}

TEST(StreamChannelTest, ChannelRestartsForANewViewerAndMjpegFramesAreImages) {
    StreamChannel channel(StreamFormat{704, 576, 25, VideoCodec::Mjpeg},
                          [] { return HeadPosition{}; });
    for (int round = 0; round < 2; ++round) {
        const auto viewer = channel.Join();
        for (int i = 0; i < 3; ++i) {
            const auto unit = TakeSome(*viewer);
            ASSERT_NE(unit, nullptr) << "round " << round;
            const auto packets = Split(*unit);
            ASSERT_EQ(packets.size(), 2u);
            ASSERT_GE(packets[0].payload.size(), 4u);
            EXPECT_EQ(static_cast<uint8_t>(packets[0].payload[0]), 0xFF);  // JPEG SOI
            EXPECT_EQ(static_cast<uint8_t>(packets[0].payload[1]), 0xD8);
        }
        channel.Leave(viewer);
        EXPECT_FALSE(channel.Encoding());
    }
}
