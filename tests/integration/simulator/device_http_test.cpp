// The simulated device over its network face: what its file server refuses,
// and the PTZ lock on the PTZ endpoint. (Request limits and
// persistence across a kill are the device model's and the PTZ link's.)

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <json/writer.h>

#include <memory>
#include <string>

#include "json_text.h"
#include "sim_process.h"

namespace {

struct Answer {
    long status = 0;
    std::string body;
};

size_t Collect(char* data, size_t size, size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

Answer Http(const std::string& url, const std::string* post = nullptr,
            const std::string& session = {}, bool digest = false) {
    Answer answer;
    CURL* curl = curl_easy_init();
    curl_slist* headers = nullptr;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer.body);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 60L);
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
    if (curl_easy_perform(curl) == CURLE_OK) {
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

    vexo::test::SimProcess sim_{{"--digest", "md5"}};
};

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

}  // namespace
