#include "sim_process.h"

#include "json_text.h"

#include <curl/curl.h>
#include <json/reader.h>
#include <json/writer.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vexo::test {

SimProcess::SimProcess(std::vector<std::string> extraArgs) : extraArgs_(std::move(extraArgs)) {
    folder_ = MakeTempFolder("vexo-sim-");
    stateFolder_ = folder_ + "/state";
    journal_ = folder_ + "/journal.jsonl";
}

SimProcess::~SimProcess() {
    Stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string SimProcess::Address() const {
    return "127.0.0.1:" + std::to_string(port_);
}

bool SimProcess::Start(int port) {
    int out[2];
    if (::pipe(out) != 0) {
        return false;
    }
    std::vector<std::string> args = {
        VEXO_DEVSIM_PATH, "--port",     std::to_string(port),
        "--state",        stateFolder_, "--journal",
        journal_,         "--user",     std::string(kUser) + ":" + kPassword};
    args.insert(args.end(), extraArgs_.begin(), extraArgs_.end());
    const pid_t pid = ::fork();
    if (pid < 0) {
        return false;
    }
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    pid_ = pid;
    // The first line names the address: "vexo-devsim listening on HOST:PORT".
    FILE* stream = ::fdopen(out[0], "r");
    char line[256] = {0};
    const bool gotLine = std::fgets(line, sizeof line, stream) != nullptr;
    std::fclose(stream);  // later output goes to a closed pipe; the simulator ignores SIGPIPE
    if (!gotLine) {
        Kill();
        return false;
    }
    const std::string text(line);
    const size_t colon = text.rfind(':');
    port_ = colon == std::string::npos ? 0 : std::atoi(text.c_str() + colon + 1);
    return port_ > 0;
}

void SimProcess::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

void SimProcess::Kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

bool SimProcess::Restart() {
    Stop();
    // The old listening socket may linger for a moment; retry briefly.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Start(port_)) {
            return true;
        }
        ::usleep(100 * 1000);
    }
    return false;
}

long SimProcess::Control(const Json::Value& control) const {
    Json::StreamWriterBuilder builder;
    const std::string body = Json::writeString(builder, control);
    const std::string url = "http://" + Address() + "/devsim/v1/control";
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(
        curl, CURLOPT_WRITEFUNCTION,
        +[](char*, size_t size, size_t count, void*) { return size * count; });
    long status = 0;
    if (curl_easy_perform(curl) == CURLE_OK) {
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    }
    curl_easy_cleanup(curl);
    return status;
}

long SimProcess::ControlText(const std::string& controlJson) const {
    return Control(ParseJson(controlJson));
}

long SimProcess::Script(const std::string& op, const std::string& reply) const {
    Json::Value control;
    control["script"]["op"] = op;
    control["script"]["reply"] = reply;
    return Control(control);
}

int SimProcess::JournalCount(const std::string& path) const {
    int count = 0;
    for (const Json::Value& line : Journal()) {
        count += line["path"].asString() == path ? 1 : 0;
    }
    return count;
}

std::vector<Json::Value> SimProcess::Journal() const {
    std::vector<Json::Value> lines;
    std::ifstream in(journal_);
    std::string line;
    Json::CharReaderBuilder builder;
    while (std::getline(in, line)) {
        Json::Value value;
        std::istringstream stream(line);
        std::string error;
        if (Json::parseFromStream(builder, stream, &value, &error)) {
            lines.push_back(value);
        }
    }
    return lines;
}

}  // namespace vexo::test
