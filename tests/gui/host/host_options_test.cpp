// The command line of vexo-host: what each option yields and which
// mistakes are refused with a message.
#include <gtest/gtest.h>

#include "host_options.h"

namespace {

std::optional<host::HostOptions> Parse(QStringList arguments, QString& message,
                                       const QString& environmentPassword = {}) {
    arguments.prepend(QStringLiteral("vexo-host"));
    bool help = false;
    return host::ParseHostOptions(arguments, environmentPassword, message, help);
}

TEST(HostOptions, ReadsEveryOptionAndTheScriptArguments) {
    QString message;
    const auto options =
        Parse({"--device", "10.0.0.2:80", "--user", "op", "--stream", "sub", "--size", "800x600",
               "--language", "chinese", "--script", "a.js", "--", "one", "--two"},
              message, QStringLiteral("from-env"));
    ASSERT_TRUE(options) << message.toStdString();
    EXPECT_EQ(options->device, "10.0.0.2:80");
    EXPECT_EQ(options->user, "op");
    EXPECT_EQ(options->password, "from-env");
    EXPECT_EQ(options->loginArg, 0);  // the sub stream
    EXPECT_EQ(options->size, QSize(800, 600));
    EXPECT_EQ(options->language, "chinese");
    EXPECT_EQ(options->scriptFile, "a.js");
    EXPECT_EQ(options->args, QStringList({"one", "--two"}));

    const auto main = Parse({"--device", "h:1", "--password", "given", "--stream", "main"}, message,
                            QStringLiteral("from-env"));
    ASSERT_TRUE(main);
    EXPECT_EQ(main->loginArg, 1);
    EXPECT_EQ(main->password, "given");
}

TEST(HostOptions, RefusesMistakesWithAMessage) {
    const QList<QStringList> wrong{
        {"--device", "h:1", "--stream", "third"},
        {"--device", "h:1", "--language", "french"},
        {"--device", "h:1", "--size", "800"},
        {"--device", "h:1", "--size", "99999x600"},
        {"--device"},
        {"--device", "h:1", "--bogus"},
        {},  // neither a device nor a script
    };
    for (const QStringList& arguments : wrong) {
        QString message;
        EXPECT_FALSE(Parse(arguments, message)) << arguments.join(' ').toStdString();
        EXPECT_TRUE(message.startsWith("vexo-host: ")) << message.toStdString();
    }
}

}  // namespace
