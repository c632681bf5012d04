// The stream packet parser: packets arrive cut at any byte, several per
// piece, empty or at the size limit; a length over the limit breaks the
// stream for good.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "packet_bytes.h"
#include "stream_packet_parser.h"

namespace {

using vexo::test::Frame;
using vexo::test::Packet;
using vexo::test::PacketHeader;
using vexonet::kMaxStreamPacketBytes;
using vexonet::StreamPacketParser;

bool FeedIn(StreamPacketParser& parser, const std::string& bytes, size_t pieceSize,
            std::vector<Packet>& out) {
    for (size_t at = 0; at < bytes.size(); at += pieceSize) {
        const size_t n = std::min(pieceSize, bytes.size() - at);
        const bool ok = parser.Feed(
            reinterpret_cast<const uint8_t*>(bytes.data() + at), n,
            [&](uint32_t type, const uint8_t* data, uint32_t length) {
                ASSERT_NE(data, nullptr);
                out.push_back({type, std::string(reinterpret_cast<const char*>(data), length)});
            });
        if (!ok) {
            return false;
        }
    }
    return true;
}

const std::vector<Packet> kSample = {{0, R"({"codec": "h264"})"},     {1, std::string(300, '\x01')},
                                     {3, R"({"capture_us": 1})"},     {7, ""},
                                     {1, std::string("\0\0\0\1", 4)}, {2, "a"}};

}  // namespace

TEST(StreamPacketParserTest, SamePacketsWhateverTheCutting) {
    const std::string bytes = Frame(kSample);
    for (size_t piece :
         {size_t{1}, size_t{3}, size_t{7}, size_t{8}, size_t{9}, size_t{64}, bytes.size()}) {
        StreamPacketParser parser;
        std::vector<Packet> out;
        ASSERT_TRUE(FeedIn(parser, bytes, piece, out)) << piece;
        EXPECT_EQ(out, kSample) << "piece size " << piece;
        EXPECT_EQ(parser.Pending(), 0u);
    }
}

TEST(StreamPacketParserTest, CutPacketIsPendingAndCompletesLater) {
    const std::string bytes = Frame(kSample);
    StreamPacketParser parser;
    std::vector<Packet> out;
    const size_t cut = 8 + kSample[0].payload.size() + 8 + 100;  // inside the video payload
    ASSERT_TRUE(FeedIn(parser, bytes.substr(0, cut), cut, out));
    EXPECT_EQ(out.size(), 1u);
    EXPECT_EQ(parser.Pending(), 108u);
    ASSERT_TRUE(FeedIn(parser, bytes.substr(cut), 5, out));
    EXPECT_EQ(out, kSample);

    StreamPacketParser halfHeader;
    std::vector<Packet> none;
    ASSERT_TRUE(FeedIn(halfHeader, PacketHeader(1, 4).substr(0, 5), 5, none));
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(halfHeader.Pending(), 5u);
}

TEST(StreamPacketParserTest, LengthOverLimitBreaksTheStreamForGood) {
    StreamPacketParser atLimit;
    std::vector<Packet> out;
    // A header at the limit is accepted and waits for its payload.
    EXPECT_TRUE(FeedIn(atLimit, PacketHeader(1, kMaxStreamPacketBytes), 8, out));
    EXPECT_FALSE(atLimit.Broken());

    StreamPacketParser parser;
    const std::string bytes = Frame({{0, "{}"}}) + PacketHeader(1, kMaxStreamPacketBytes + 1) +
                              Frame({{1, "never delivered"}});
    EXPECT_FALSE(FeedIn(parser, bytes, 3, out));
    EXPECT_TRUE(parser.Broken());
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, 0u);
    EXPECT_FALSE(FeedIn(parser, Frame({{1, "x"}}), 9, out));
    EXPECT_EQ(out.size(), 1u);

    StreamPacketParser huge;
    EXPECT_FALSE(FeedIn(huge, PacketHeader(1, 0xFFFFFFFFu), 8, out));
}

TEST(StreamPacketParserTest, FullSizePacketArrivesWhole) {
    std::string payload(kMaxStreamPacketBytes, '\0');
    payload.front() = 'A';
    payload.back() = 'Z';
    StreamPacketParser parser;
    std::vector<Packet> out;
    ASSERT_TRUE(FeedIn(parser, Frame({{1, payload}}), 64 * 1024, out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload.size(), payload.size());
    EXPECT_EQ(out[0].payload.back(), 'Z');
}
