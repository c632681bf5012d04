// The device's error texts reach the operator translated, under "error".

#include <gtest/gtest.h>

#include <vector>

#include "com_str.h"
#include "device_error_display.h"
#include "message_display.h"
#include "temp_files.h"

namespace {

class RecordingDisplay : public vexo::MessageDisplay {
public:
    int ShowText(const QString& title, const QString& text) override {
        shown.push_back({title, text});
        return 1;
    }
    int Ask(const QPoint&, int, int*) override { return 0; }
    std::vector<std::pair<QString, QString>> shown;
};

class DeviceErrorDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        tables_.Load(folder_
                         .Write("lang.xml", R"(<korvane_local>
  <localized-strings lang-iso3="english"><S Name="Scene is in use" Value="The scene is in use"/>
    <S Name="Blank" Value=""/></localized-strings>
  <localized-strings lang-iso3="chinese"><S Name="Scene is in use" Value="场景正在使用"/>
  </localized-strings></korvane_local>)")
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
    RecordingDisplay display_;
};

TEST_F(DeviceErrorDisplay, KnownTextsAreShownTranslatedUnderTheErrorTitle) {
    EXPECT_TRUE(Show("english", "Scene is in use"));
    EXPECT_TRUE(Show("chinese", "Scene is in use"));
    ASSERT_EQ(display_.shown.size(), 2u);
    EXPECT_EQ(display_.shown[0].first, "error");
    EXPECT_EQ(display_.shown[0].second, "The scene is in use");
    EXPECT_EQ(display_.shown[1].first, QString::fromUtf8("错误"));
    EXPECT_EQ(display_.shown[1].second, QString::fromUtf8("场景正在使用"));
}

TEST_F(DeviceErrorDisplay, UnknownOrUntranslatedTextsAreShownAsSent) {
    EXPECT_TRUE(Show("english", "Disk full"));
    EXPECT_TRUE(Show("english", "Blank"));
    ASSERT_EQ(display_.shown.size(), 2u);
    EXPECT_EQ(display_.shown[0].second, "Disk full");
    EXPECT_EQ(display_.shown[1].second, "Blank");
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
