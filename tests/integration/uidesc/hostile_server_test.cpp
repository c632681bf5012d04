// Downloads from a server that misbehaves on purpose, run inside the test:
// every misdeed ends in a clear failure, in bounded time, with no file left
// behind. (Hostile XML in a downloaded file is the description readers'.)

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "file_download.h"
#include "free_port.h"
#include "sim_process.h"

namespace fs = std::filesystem;
using vexo::DownloadError;

namespace {

class HostileServer : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = vexo::test::MakeTempFolder("vexo-uidesc-hostile");
        secret_ = folder_ + "-secret.txt";
        vexo::test::WriteFileText(secret_, "TOP-SECRET");
        server_.Get("/ok", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("<korvane_ui/>", "application/xml");
        });
        server_.Get("/empty",
                    [](const httplib::Request&, httplib::Response& res) { res.status = 200; });
        server_.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("no such file", "text/plain");
        });
        server_.Get("/to-ok", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/ok");
        });
        server_.Get("/to-file", [this](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("file://" + secret_);
        });
        server_.Get("/to-https", [this](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("https://127.0.0.1:" + std::to_string(port_) + "/ok");
        });
        server_.Get("/endless", [this](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("application/xml",
                                             [this](size_t, httplib::DataSink& sink) {
                                                 const std::string chunk(64 * 1024, 'x');
                                                 sent_ += chunk.size();
                                                 return sink.write(chunk.data(), chunk.size());
                                             });
        });
        server_.Get("/announced", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(17 * 1024 * 1024, 'x'), "application/xml");
        });
        server_.Get("/stall", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider(
                "application/xml", [](size_t offset, httplib::DataSink& sink) {
                    if (offset == 0) {
                        return sink.write("<korvane_ui>", 12);
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(200));
                    return sink.is_writable();
                });
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port_, 0);
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    void TearDown() override {
        server_.stop();
        thread_.join();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        fs::remove(secret_, ignored);
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    std::string Target() const { return folder_ + "/file.xml"; }
    bool TargetExists() const { return fs::exists(Target()); }

    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::string folder_;
    std::string secret_;
    std::atomic<size_t> sent_{0};
};

TEST_F(HostileServer, OnlyAnAnswer200CreatesTheFileEvenWhenEmpty) {
    EXPECT_TRUE(vexo::DownloadFile(Url("/ok"), Target()).Ok());
    EXPECT_EQ(fs::file_size(Target()), 13u);
    EXPECT_TRUE(vexo::DownloadFile(Url("/empty"), Target()).Ok());
    EXPECT_TRUE(TargetExists());
    EXPECT_EQ(fs::file_size(Target()), 0u);  // replaced
    fs::remove(Target());
    EXPECT_EQ(vexo::DownloadFile(Url("/missing"), Target()).status, 404);
    EXPECT_FALSE(TargetExists());
}

TEST_F(HostileServer, RedirectsStayWithinTheirScheme) {
    EXPECT_TRUE(vexo::DownloadFile(Url("/to-ok"), Target()).Ok());
    fs::remove(Target());
    for (const char* path : {"/to-file", "/to-https"}) {
        EXPECT_FALSE(vexo::DownloadFile(Url(path), Target()).Ok()) << path;
        EXPECT_FALSE(TargetExists()) << path;
    }
}

// Each misdeed ends in its own error, in bounded time, with no file left.
TEST_F(HostileServer, MisdeedsEndInTheirOwnErrorAndLeaveNoFile) {
    vexo::DownloadLimits small, stalling;
    small.maxBytes = 5;
    stalling.stallSeconds = 1;
    const std::string closedPort =
        "http://127.0.0.1:" + std::to_string(vexo::test::FreeLoopbackPort()) + "/ok";
    const struct {
        std::string address;
        vexo::DownloadLimits limits;
        DownloadError error;
    } cases[] = {
        {Url("/missing"), {}, DownloadError::Status},
        {Url("/endless"), {}, DownloadError::TooLarge},
        {Url("/announced"), {}, DownloadError::TooLarge},
        {Url("/ok"), small, DownloadError::TooLarge},
        {Url("/stall"), stalling, DownloadError::Transfer},
        {closedPort, {}, DownloadError::Connect},  // after the retry
        // Other schemes are never requested.
        {"ftp://127.0.0.1:" + std::to_string(port_) + "/ok", {}, DownloadError::UnsupportedScheme},
        {"file://" + secret_, {}, DownloadError::UnsupportedScheme},
        {"gopher://127.0.0.1/ok", {}, DownloadError::UnsupportedScheme},
        {"127.0.0.1/ok", {}, DownloadError::UnsupportedScheme},
        {"", {}, DownloadError::UnsupportedScheme},
    };
    const auto start = std::chrono::steady_clock::now();
    for (const auto& c : cases) {
        EXPECT_EQ(vexo::DownloadFile(c.address, Target(), c.limits).error, c.error) << c.address;
        EXPECT_FALSE(TargetExists()) << c.address;
    }
    EXPECT_LT(sent_.load(), 64u * 1024 * 1024);  // the endless body was abandoned
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(90));
}

TEST_F(HostileServer, ALinkPlantedAtThePathIsNotWrittenThrough) {
    const std::string victim = folder_ + "-victim";
    vexo::test::WriteFileText(victim, "keep");
    fs::create_symlink(victim, Target());
    EXPECT_EQ(vexo::DownloadFile(Url("/ok"), Target()).error, DownloadError::File);
    EXPECT_EQ(vexo::test::ReadFileText(victim), "keep");
    fs::remove(victim);
}

}  // namespace
