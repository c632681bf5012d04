// The device context keeps every hostile name or address the device gives
// for its files from writing anywhere but its folder, and fetches them over
// https too. The plain fetch after log-in, and the use of both files, is
// every host script's against the simulator (tests/gui/smart: the panels
// built from the description, the device's errors translated by its
// localisation file in smart_faults.js).

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <thread>

#include "audio_video_play.h"
#include "free_port.h"
#include "sim_process.h"
#include "smart_xml_parse.h"
#include "vexonet.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) { return vexo::test::ReadFileText(path); }

class FetchFromDevice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(VEXONET_Init());
        sim_ = std::make_unique<vexo::test::SimProcess>(ExtraArgs());
        ASSERT_TRUE(sim_->Start());
        auto channel = std::make_unique<DeviceCommandChannel>();
        ASSERT_EQ(
            channel->ParamInit(&session_, QString::fromStdString(sim_->Address()),
                               vexo::test::SimProcess::kUser, vexo::test::SimProcess::kPassword),
            1);
        parse_.AttachChannel(std::move(channel));
        moduleDir_ = vexo::test::MakeTempFolder("vexo-uidesc-module");
        parse_.SetModuleDirectory(moduleDir_ + "/");
        folder_ = fs::path(moduleDir_) / "tempfile";
    }
    void TearDown() override {
        parse_.AttachChannel(nullptr);
        VEXONET_Cleanup();
        std::error_code ignored;
        fs::remove_all(moduleDir_, ignored);
    }
    void AnswerConfigInfo(const std::string& infoJson) {
        ASSERT_EQ(sim_->Script("CMD_GetConfigInfo", "{\"ack\": \"0\", \"info\": " + infoJson + "}"),
                  200);
    }
    std::string FileAddress(const std::string& name) const {
        return "http://" + sim_->Address() + "/files/" + name;
    }
    // Every file below the module folder, relative to it.
    std::set<std::string> FilesWritten() const {
        std::set<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(moduleDir_)) {
            files.insert(fs::relative(entry.path(), moduleDir_).string());
        }
        return files;
    }

    virtual std::vector<std::string> ExtraArgs() const { return {}; }

    std::unique_ptr<vexo::test::SimProcess> sim_;
    CAudioVideoPlay session_;
    CSmartXmlParse parse_;
    std::string moduleDir_;
    fs::path folder_;
};

TEST_F(FetchFromDevice, HostileNamesWriteNothingAnywhere) {
    const std::string outside = "/tmp/vexo-uidesc-outside-" + std::to_string(::getpid());
    // The temp folder is shared: someone else's "x" there is no escape of ours.
    const fs::path beside = fs::path(moduleDir_).parent_path() / "x";
    const bool besideBefore = fs::exists(beside);
    std::string info;
    for (const std::string& name :
         std::vector<std::string>{"../x", outside, "a/b", "..", "", "a\\\\..\\\\b"}) {
        info += (info.empty() ? "{\"" : ", \"") + name + "\": \"" + FileAddress("korvane_ui.xml") +
                "\"";
    }
    AnswerConfigInfo(info + "}");
    EXPECT_TRUE(parse_.FetchDescriptionFiles());
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_EQ(fs::exists(beside), besideBefore);
    EXPECT_TRUE(FilesWritten().empty());
    EXPECT_TRUE(parse_.UiDescriptionPath().isEmpty());
}

TEST_F(FetchFromDevice, OtherSchemesAndMissingFilesKeepThePreviousPaths) {
    ASSERT_TRUE(parse_.FetchDescriptionFiles());
    const QString uiPath = parse_.UiDescriptionPath();
    const QString langPath = parse_.LocalisationPath();
    AnswerConfigInfo("{\"korvane_ui.xml\": \"ftp://" + sim_->Address() +
                     "/files/korvane_ui.xml\", \"korvane_lang.xml\": \"" +
                     FileAddress("missing.xml") + "\", \"other.txt\": \"file:///etc/hostname\"}");
    EXPECT_TRUE(parse_.FetchDescriptionFiles());
    EXPECT_EQ(parse_.UiDescriptionPath(), uiPath);
    EXPECT_EQ(parse_.LocalisationPath(), langPath);
    // The old copies are removed before each attempt; nothing took their place.
    EXPECT_FALSE(fs::exists(folder_ / "korvane_ui.xml"));
    EXPECT_FALSE(fs::exists(folder_ / "korvane_lang.xml"));
    EXPECT_FALSE(fs::exists(folder_ / "other.txt"));
    EXPECT_TRUE(parse_.Localisation().English().empty());
}

}  // namespace

namespace {

const int kHttpsPort = vexo::test::FreeLoopbackPort();

class FetchOverHttps : public FetchFromDevice {
protected:
    std::vector<std::string> ExtraArgs() const override {
        return {"--https-port", std::to_string(kHttpsPort), "--https-files"};
    }
};

TEST_F(FetchOverHttps, TheDeviceAnnouncesAndServesItsFilesOverHttps) {
    std::map<QString, QString> info;
    ASSERT_EQ(parse_.Channel()->GetConfigInfo(info), 1);
    ASSERT_EQ(info.count("korvane_ui.xml"), 1u);
    EXPECT_EQ(info["korvane_ui.xml"].toStdString(),
              "https://127.0.0.1:" + std::to_string(kHttpsPort) + "/files/korvane_ui.xml");

    EXPECT_TRUE(parse_.FetchDescriptionFiles());
    const fs::path data = VEXO_DEVICE_DATA_DIR;
    EXPECT_EQ(ReadAll(folder_ / "korvane_ui.xml"), ReadAll(data / "korvane_ui.xml"));
    EXPECT_EQ(ReadAll(folder_ / "korvane_lang.xml"), ReadAll(data / "korvane_lang.xml"));
    EXPECT_FALSE(parse_.UiDescriptionPath().isEmpty());
    EXPECT_FALSE(parse_.Localisation().Chinese().empty());
}

TEST_F(FetchOverHttps, TheSelfSignedCertificateIsKeptAcrossRestarts) {
    const fs::path cert = fs::path(sim_->StateFolder()) / "tls" / "cert.pem";
    const std::string first = ReadAll(cert);
    ASSERT_NE(first.find("BEGIN CERTIFICATE"), std::string::npos);
    ASSERT_TRUE(sim_->Restart());
    EXPECT_EQ(ReadAll(cert), first);
    const std::string https = "https://127.0.0.1:" + std::to_string(kHttpsPort);
    const std::string target = moduleDir_ + "/ui.xml";
    for (int attempt = 0;
         attempt < 50 && !vexo::DownloadFile(https + "/files/korvane_ui.xml", target).Ok();
         ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(ReadAll(target), ReadAll(fs::path(VEXO_DEVICE_DATA_DIR) / "korvane_ui.xml"));
    // A redirect or a plain-http address on the https port is not a file.
    EXPECT_FALSE(vexo::DownloadFile(https + "/files/../korvane_ui.xml", target).Ok());
    EXPECT_FALSE(
        vexo::DownloadFile(
            "http://127.0.0.1:" + std::to_string(kHttpsPort) + "/files/korvane_ui.xml", target)
            .Ok());
}

}  // namespace
