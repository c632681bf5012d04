// The device's error texts on the way to the operator: the edge cases. A
// known text translated under the localised "error" title, and an unknown
// one shown as sent, are smart_faults.js's (tests/gui/smart), in both
// languages against the simulator.

#include <gtest/gtest.h>

#include "com_str.h"
#include "device_error_display.h"
#include "recording_message_display.h"
#include "temp_files.h"

namespace {

class DeviceErrorDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        tables_.Load(folder_
                         .Write("lang.xml", R"(<korvane_local>
  <localized-strings lang-iso3="english"><S Name="Scene is in use" Value="The scene is in use"/>
    <S Name="Blank" Value=""/></localized-strings></korvane_local>)")
                         .toStdString());
        vexo::SetMessageDisplay(&display_);
    }
    void TearDown() override {
        vexo::SetMessageDisplay(nullptr);
        vexo::TheComStr().SetLanguage("english");
    }
    bool Show(const QString& language, const QString& error) {
        vexo::TheComStr().SetLanguage(language);
        return vexo::ShowDeviceErrorText(tables_, language, error);
    }
    TempFolder folder_;
    vexo::LocalisationTables tables_;
    vexo::test::RecordingMessageDisplay display_;
};

// A text the file translates to nothing is shown as the device sent it.
TEST_F(DeviceErrorDisplay, AnEmptyTranslationShowsTheTextAsSent) {
    EXPECT_TRUE(Show("english", "Blank"));
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.shown[0].title, "error");
    EXPECT_EQ(display_.shown[0].text, "Blank");
}

TEST_F(DeviceErrorDisplay, NothingIsShownForAnEmptyTextAnotherLanguageOrWithoutADisplay) {
    EXPECT_FALSE(Show("english", ""));
    EXPECT_FALSE(Show("german", "Scene is in use"));
    EXPECT_EQ(vexo::TranslateDeviceError(tables_, "german", "Scene is in use"), QString());
    vexo::SetMessageDisplay(nullptr);
    EXPECT_FALSE(Show("english", "Scene is in use"));
    EXPECT_TRUE(display_.shown.empty());
}

}  // namespace
