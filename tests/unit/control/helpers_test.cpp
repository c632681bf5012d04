// Message helpers (through a recording display) and shortened texts.
#include <gtest/gtest.h>

#include "popup_forms.h"
#include "recording_message_display.h"
#include "ui_helpers.h"

using namespace vexo;

namespace {

struct HelpersTest : ::testing::Test {
    test::RecordingMessageDisplay display;
    HelpersTest() { SetMessageDisplay(&display); }
    ~HelpersTest() override { SetMessageDisplay(nullptr); }
};

}  // namespace

TEST_F(HelpersTest, ShowMessageShowsTextUnderCaptionAndNothingForAnEmptyText) {
    EXPECT_EQ(ShowMessage(QString(), QStringLiteral("tips")), 0);
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(ShowMessage(QStringLiteral("Save Success"), QStringLiteral("tips")), 1);
    ASSERT_EQ(display.shown.size(), 1u);
    EXPECT_EQ(display.shown[0].title, QStringLiteral("tips"));
    EXPECT_EQ(display.shown[0].text, QStringLiteral("Save Success"));
    display.answer = 0;
    EXPECT_EQ(ShowMessage(QStringLiteral("x"), QStringLiteral("error")), 0);
}

TEST_F(HelpersTest, ConfirmPassesPlaceAndFormAndValueOnlyOnOk) {
    EXPECT_EQ(Confirm(100, 200, kPopupDeleteScene), 1);
    EXPECT_EQ(display.where, QPoint(100, 200));
    EXPECT_EQ(display.form, kPopupDeleteScene);

    int hour = -1;
    display.value = 13;
    EXPECT_EQ(ConfirmWithValue(5, 6, kPopupHourChooser, hour), 1);
    EXPECT_EQ(hour, 13);
    display.answer = 0;
    display.value = 20;
    EXPECT_EQ(ConfirmWithValue(5, 6, kPopupHourChooser, hour), 0);
    EXPECT_EQ(hour, 13);
    EXPECT_EQ(Confirm(0, 0, kPopupConfirm), 0);
}

TEST(Helpers, WithoutDisplayNothingIsShownAndNothingConfirmed) {
    SetMessageDisplay(nullptr);
    EXPECT_EQ(ShowMessage(QStringLiteral("x"), QStringLiteral("tips")), 0);
    EXPECT_EQ(Confirm(0, 0, kPopupConfirm), 0);
}

TEST(Helpers, ShortenTextCutsAtTheLimitAndAddsThreeDots) {
    EXPECT_EQ(ShortenText(QStringLiteral("abcdef"), 4), QStringLiteral("abcd..."));
    EXPECT_EQ(ShortenText(QStringLiteral("abc"), 4), QStringLiteral("abc"));
    // "At least" the limit: a text of exactly the limit is shortened too.
    EXPECT_EQ(ShortenText(QStringLiteral("abcd"), 4), QStringLiteral("abcd..."));
    EXPECT_EQ(ShortenText(QStringLiteral("场景名称很长"), 4), QStringLiteral("场景名称..."));
}
