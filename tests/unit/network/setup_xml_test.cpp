// The credential reader of the setup XML, fed with the control's own
// template so that what the control writes is what the library reads.

#include <gtest/gtest.h>

#include "audio_video_play.h"
#include "narrow_text.h"
#include "setup_xml.h"

using vexonet::ReadSetupCredentials;

namespace {
std::string Template(const QString& user, const QString& password) {
    return vexo::ToNarrow(CAudioVideoPlay::BuildSetupXml(user, password));
}
}  // namespace

TEST(SetupXml, MarkupCharactersAndEmptyCredentialsSurvive) {
    for (const auto& [user, password] :
         std::vector<std::pair<QString, QString>>{{"op&<er", "a<b&c"},
                                                  {"op&<er", "<PassWord>"},
                                                  {"op&<er", "x</UserName>y"},
                                                  {"op&<er", "<Protocol><Name>vexonia</Name>"},
                                                  {"u", "%1%s&amp;"},
                                                  {"用户", "密码<&>"},
                                                  {"", ""}}) {
        const auto credentials = ReadSetupCredentials(Template(user, password));
        ASSERT_TRUE(credentials.has_value()) << password.toStdString();
        EXPECT_EQ(vexo::FromNarrow(credentials->user), user);
        EXPECT_EQ(vexo::FromNarrow(credentials->password), password);
        EXPECT_EQ(credentials->port, 90);
    }
}

TEST(SetupXml, PicksTheEntryNamedByPtzWhateverItsPosition) {
    const std::string xml =
        "<Setup><ProtocolList><Protocol><Name>mine</Name><UserName>a</UserName>"
        "<PassWord>b</PassWord><Port>1234</Port></Protocol><Protocol><Name>other</Name>"
        "<UserName>c</UserName><PassWord>d</PassWord><Port>80</Port></Protocol></ProtocolList>"
        "<Function><Ptz>mine</Ptz></Function></Setup>";
    const auto credentials = ReadSetupCredentials(xml);
    ASSERT_TRUE(credentials.has_value());
    EXPECT_EQ(credentials->user, "a");
    EXPECT_EQ(credentials->port, 1234);
}

TEST(SetupXml, RefusesSetupsWithoutAUsablePtzEntry) {
    EXPECT_FALSE(ReadSetupCredentials("").has_value());
    EXPECT_FALSE(ReadSetupCredentials("<Setup></Setup>").has_value());
    EXPECT_FALSE(ReadSetupCredentials("<Function><Ptz></Ptz></Function>").has_value());
    EXPECT_FALSE(
        ReadSetupCredentials("<Protocol><Name>a</Name><UserName>u</UserName><PassWord>p</PassWord>"
                             "</Protocol><Function><Ptz>b</Ptz></Function>")
            .has_value());
    // Truncated inside the password.
    const std::string full = Template("u", "p");
    EXPECT_FALSE(
        ReadSetupCredentials(full.substr(0, full.find("p</PassWord>\t\t<Port>90"))).has_value());
}

TEST(SetupXml, InvalidPortReadsAsNone) {
    for (const char* port : {"0", "65536", "9x", "", "-5"}) {
        const std::string xml = std::string(
                                    "<Protocol><Name>n</Name><UserName>u</UserName>"
                                    "<PassWord>p</PassWord><Port>") +
                                port + "</Port></Protocol><Function><Ptz>n</Ptz></Function>";
        const auto credentials = ReadSetupCredentials(xml);
        ASSERT_TRUE(credentials.has_value()) << port;
        EXPECT_EQ(credentials->port, 0) << port;
    }
}
