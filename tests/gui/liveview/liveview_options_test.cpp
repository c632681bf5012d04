// The command line: what a scripted run may ask for, and what is refused.
#include <gtest/gtest.h>

#include "liveview_options.h"

using namespace liveview;

namespace {

std::optional<LiveViewOptions> Parse(QStringList args, const QString& envPassword = {}) {
    args.prepend(QStringLiteral("vexo-liveview"));
    QString message;
    bool help = false;
    return ParseLiveViewOptions(args, envPassword, message, help);
}

}  // namespace

TEST(LiveViewOptions, PasswordComesFromTheEnvironmentUnlessGiven) {
    const auto fromEnv = Parse({"--device", "127.0.0.1:9"}, "secret");
    ASSERT_TRUE(fromEnv);
    EXPECT_EQ(fromEnv->password, "secret");
    EXPECT_EQ(fromEnv->user, "admin");
    const auto given = Parse({"--device", "127.0.0.1:9", "--password", "other"}, "secret");
    ASSERT_TRUE(given);
    EXPECT_EQ(given->password, "other");
}

TEST(LiveViewOptions, ScriptedPtzMoveNeedsADirectionADurationAndAScreenshot) {
    const auto ok = Parse({"--device", "h:1", "--ptz", "zoom-in:1500", "--screenshot", "x.png"});
    ASSERT_TRUE(ok);
    ASSERT_TRUE(ok->ptz);
    EXPECT_EQ(ok->ptz->command, 0) << "zoom in is PTZ command 0";
    EXPECT_EQ(ok->ptz->durationMs, 1500);
    EXPECT_EQ(Parse({"--device", "h:1", "--ptz", "right:100", "--screenshot", "x"})->ptz->command,
              9);

    for (const char* bad : {"right", "right:", "sideways:100", "right:-1", "right:1e3",
                            "right:100:5", ":100", "right:99999999999"}) {
        EXPECT_FALSE(Parse({"--device", "h:1", "--ptz", bad, "--screenshot", "x.png"})) << bad;
    }
    EXPECT_FALSE(Parse({"--device", "h:1", "--ptz", "left:100"})) << "a move without a shot";
}

TEST(LiveViewOptions, RefusesWhatItCannotShow) {
    EXPECT_FALSE(Parse({})) << "no device";
    EXPECT_FALSE(Parse({"--device", "h:1", "--stream", "third"}));
    EXPECT_FALSE(Parse({"--device", "h:1", "--language", "french"}));
    EXPECT_FALSE(Parse({"--device", "h:1", "--after-ms", "soon"}));
    EXPECT_FALSE(Parse({"--device", "h:1", "stray"}));
    const auto sub = Parse({"--device", "h:1", "--stream", "sub", "--language", "chinese"});
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->streamSelector, 0);
    EXPECT_EQ(sub->language, Language::Chinese);
}
