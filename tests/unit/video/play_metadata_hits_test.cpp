// A port counts the hits of the rules of the functions its metadata option
// names, from the metadata packet that follows each video packet.

#include <gtest/gtest.h>

#include <string>

#include "play_fixture.h"
#include "vexoplay.h"

namespace {

class MetadataHits : public ::testing::Test, public PlayPortFixture {
protected:
    void Video() {
        static const uint8_t kUnit[] = {0, 0, 0, 1, 0x65, 0x88, 0x84, 0x00};
        ASSERT_EQ(VEXOPLAY_InputData(port, kUnit, sizeof kUnit), 1);
    }
    void Metadata(const std::string& text) {
        VEXOPLAY_InputData(port, reinterpret_cast<const uint8_t*>(text.data()),
                           static_cast<int32_t>(text.size()));
    }
    static std::string Event(const char* function, const char* rule, const char* state) {
        return std::string(R"({"capture_us": 1, "events": [{"function": ")") + function +
               R"(", "rule": ")" + rule + R"(", "state": ")" + state + R"("}]})";
    }
    int Hits(const char* function, const char* rule) {
        return VEXOPLAY_GetMetadataHits(port, function, rule);
    }
};

TEST_F(MetadataHits, CountsStartsOfChosenFunctionsUntilTheOptionIsSetAgain) {
    ASSERT_GE(port, 0);
    ASSERT_EQ(VEXOPLAY_SetMetadataOption(port, "zelk:Wire_Cross_Event"), 1);
    for (int i = 0; i < 3; ++i) {
        Video();
        Metadata(Event("zelk:Wire_Cross_Event", "Wire 01", "start"));
    }
    Video();
    Metadata(Event("zelk:Wire_Cross_Event", "Wire 01", "end"));
    Metadata(Event("zelk:Wire_Cross_Event", "Wire 01", "start"));  // no picture of its own
    Video();
    Metadata(Event("zelk:Intrusion_Event", "Gate", "start"));  // not chosen
    Video();
    Metadata("{\"events\": 5}");
    EXPECT_EQ(Hits("zelk:Wire_Cross_Event", "Wire 01"), 3);
    EXPECT_EQ(Hits("zelk:Wire_Cross_Event", "Wire 02"), 0);
    EXPECT_EQ(Hits("zelk:Intrusion_Event", "Gate"), 0);

    ASSERT_EQ(VEXOPLAY_SetMetadataOption(port, "zelk:Wire_Cross_Event"), 1);
    EXPECT_EQ(Hits("zelk:Wire_Cross_Event", "Wire 01"), 0);
    EXPECT_EQ(VEXOPLAY_GetMetadataHits(port + 100, "zelk:Wire_Cross_Event", "Wire 01"), -1);
    EXPECT_EQ(VEXOPLAY_GetMetadataHits(port, nullptr, "Wire 01"), -1);
}

}  // namespace
