// The simulated device over its network face: what its file server refuses,
// the PTZ lock on the PTZ endpoint, and the knobs that hang the device or
// take it off the network. (Request limits and persistence across a kill
// are the device model's and the PTZ link's.)

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <json/writer.h>

#include <chrono>
#include <memory>
#include <string>

#include "json_text.h"
#include "sim_process.h"

namespace {

struct Answer {
    CURLcode code = CURLE_OK;
    long status = 0;
    std::string body;
};

size_t Collect(char* data, size_t size, size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

Answer Http(const std::string& url, const std::string* post = nullptr,
            const std::string& session = {}, bool digest = false, long timeoutMs = 60000) {
    Answer answer;
    CURL* curl = curl_easy_init();
    curl_slist* headers = nullptr;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer.body);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
    if (post != nullptr) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, post->data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(post->size()));
    }
    if (!session.empty()) {
        headers = curl_slist_append(headers, ("X-Vexo-Session: " + session).c_str());
        headers = curl_slist_append(headers, "Content-Type: application/json");
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    }
    if (digest) {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_DIGEST);
        curl_easy_setopt(curl, CURLOPT_USERNAME, vexo::test::SimProcess::kUser);
        curl_easy_setopt(curl, CURLOPT_PASSWORD, vexo::test::SimProcess::kPassword);
    }
    answer.code = curl_easy_perform(curl);
    if (answer.code == CURLE_OK) {
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &answer.status);
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return answer;
}

class DeviceHttp : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim_.Start()); }

    std::string Url(const std::string& path) const { return "http://" + sim_.Address() + path; }
    std::string Login() {
        const std::string empty;
        const Answer answer = Http(Url("/vexo/v1/login"), &empty, {}, true);
        EXPECT_EQ(answer.status, 200) << answer.body;
        return vexo::test::ParseJson(answer.body)["session"].asString();
    }
    Json::Value Smart(const std::string& session, const std::string& op, const Json::Value& info) {
        Json::Value request;
        request["op"] = op;
        request["info"] = info;
        const std::string body = Json::writeString(Json::StreamWriterBuilder(), request);
        const Answer answer = Http(Url("/vexo/v1/smart"), &body, session);
        EXPECT_EQ(answer.status, 200) << answer.body;
        return vexo::test::ParseJson(answer.body);
    }
    long Ptz(const std::string& session, int command, int stop) {
        const std::string body = "{\"channel\":0,\"command\":" + std::to_string(command) +
                                 ",\"param1\":5,\"param2\":5,\"stop\":" + std::to_string(stop) +
                                 "}";
        return Http(Url("/vexo/v1/ptz"), &body, session).status;
    }

    // One "CMD_GetSmartStatus" that waits at most `timeoutMs`.
    Answer Status(const std::string& session, long timeoutMs) {
        const std::string body = R"({"info": "", "op": "CMD_GetSmartStatus"})";
        return Http(Url("/vexo/v1/smart"), &body, session, false, timeoutMs);
    }

    vexo::test::SimProcess sim_{{"--digest", "md5"}};
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The files at the addresses "CMD_GetConfigInfo" gives are fetched and
// compared by the description download test; nothing else is served.
TEST_F(DeviceHttp, OnlyTheDeviceFilesAreServed) {
    for (const char* path : {"/files/generate_device_files.py", "/files/..%2Fptz.json",
                             "/files/%2E%2E", "/files/analytics.json"}) {
        EXPECT_EQ(Http(Url(path)).status, 404) << path;
    }
}

TEST_F(DeviceHttp, PtzLockHolderAloneMovesTheHead) {
    const std::string a = Login();
    const std::string b = Login();
    Json::Value lock;
    lock["locktime"] = "300000";
    ASSERT_EQ(Smart(a, "CMD_PTZLock", lock)["ack"].asString(), "0");
    EXPECT_EQ(Ptz(b, 9, 0), 423);
    EXPECT_EQ(Smart(b, "CMD_PTZLock", lock)["errinfo"].asString(), "PTZ is locked by another user");
    EXPECT_EQ(Ptz(a, 9, 0), 200);
    EXPECT_EQ(Ptz(a, 9, 1), 200);
    ASSERT_EQ(Smart(a, "CMD_PTZUnLock", "")["ack"].asString(), "0");
    EXPECT_EQ(Ptz(b, 8, 0), 200);
    EXPECT_EQ(Ptz(b, 8, 1), 200);
}

// A hung device takes each request in and answers none; when the hang is
// switched off what it held is dropped, never carried out. A hang with an
// end answers late instead.
TEST_F(DeviceHttp, AHangHoldsEveryAnswerUntilItEnds) {
    const std::string session = Login();
    const auto scenes = [&] {
        return Smart(session, "CMD_GetSceneList", "")["info"]["SceneList"].size();
    };
    const size_t before = scenes();
    const std::string add = R"({"info": {"SceneName": "Held"}, "op": "CMD_AddScene"})";
    for (const char* ending : {R"({"hang_ms": 0})", R"({"clear": true})"}) {
        ASSERT_EQ(sim_.ControlText(R"({"hang_ms": -1})"), 200);
        const int journalled = sim_.JournalCount("/vexo/v1/smart");
        EXPECT_EQ(Http(Url("/vexo/v1/smart"), &add, session, false, 400).code,
                  CURLE_OPERATION_TIMEDOUT)
            << ending;
        EXPECT_EQ(sim_.JournalCount("/vexo/v1/smart"), journalled + 1) << "the request arrived";
        ASSERT_EQ(sim_.ControlText(ending), 200);
        EXPECT_EQ(Status(session, 2000).status, 200) << ending;
    }
    EXPECT_EQ(scenes(), before) << "nothing held was carried out";

    ASSERT_EQ(sim_.ControlText(R"({"hang_ms": 600})"), 200);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Http(Url("/vexo/v1/smart"), &add, session, false, 5000).status, 200);
    EXPECT_GE(SecondsSince(start), 0.5);
    EXPECT_EQ(scenes(), before + 1);
}

// Gone: connections are refused at once; afterwards the device listens on
// its port again and still knows its sessions.
TEST_F(DeviceHttp, OfflineRefusesConnectionsThenComesBackOnItsPort) {
    const std::string session = Login();
    ASSERT_EQ(sim_.ControlText(R"({"hang_ms": -1})"), 200);  // going offline ends it
    ASSERT_EQ(sim_.ControlText(R"({"offline_ms": 1500})"), 200);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Status(session, 2000).code, CURLE_COULDNT_CONNECT);
    EXPECT_LT(SecondsSince(start), 0.5);

    Answer back;
    while (SecondsSince(start) < 10 && back.status != 200) {
        back = Status(session, 2000);
    }
    EXPECT_EQ(back.status, 200) << back.body;
    EXPECT_GE(SecondsSince(start), 1.0);
    EXPECT_EQ(vexo::test::ParseJson(back.body)["ack"].asString(), "0") << "the session survived";
}

}  // namespace
