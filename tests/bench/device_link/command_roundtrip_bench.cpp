// Round trip of one analytics command on loopback: through
// DeviceCommandChannel (request formatting, the network library, reply
// parsing) against a bare libcurl POST of the same request on an equally
// kept-alive connection to the same simulator. Prints median and 99th
// percentile of each and their ratio.

#include <curl/curl.h>
#include <json/reader.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "audio_video_play.h"
#include "device_command_channel.h"
#include "sim_process.h"
#include "vexonet.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median;
    double p99;
};

double Percentile(std::vector<double> micros, double fraction) {
    std::sort(micros.begin(), micros.end());
    return micros[static_cast<size_t>(static_cast<double>(micros.size() - 1) * fraction)];
}

// Times two exchanges in alternation, so that both see the same machine
// load, caches and server state.
std::pair<Figures, Figures> MeasureInterleaved(int rounds, const std::function<bool()>& first,
                                               const std::function<bool()>& second) {
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < rounds / 10; ++i) {
        first();  // warm up connections and caches
        second();
    }
    auto timeOne = [](const std::function<bool()>& exchange, std::vector<double>& out) {
        const auto start = Clock::now();
        if (!exchange()) {
            std::fprintf(stderr, "exchange failed\n");
            std::exit(1);
        }
        out.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    };
    for (int i = 0; i < rounds; ++i) {
        timeOne(first, a);
        timeOne(second, b);
    }
    return {{Percentile(a, 0.5), Percentile(a, 0.99)}, {Percentile(b, 0.5), Percentile(b, 0.99)}};
}

size_t Discard(char*, size_t size, size_t count, void* sink) {
    static_cast<std::string*>(sink)->append(size * count, ' ');
    return size * count;
}

size_t Collect(char* data, size_t size, size_t count, void* sink) {
    static_cast<std::string*>(sink)->append(data, size * count);
    return size * count;
}

// A bare libcurl client: one digest login, then the same POST each time.
class BareClient {
public:
    explicit BareClient(const std::string& address) : base_("http://" + address) {
        curl_ = curl_easy_init();
        std::string answer;
        curl_easy_setopt(curl_, CURLOPT_URL, (base_ + "/vexo/v1/login").c_str());
        curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, "");
        curl_easy_setopt(curl_, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_DIGEST));
        curl_easy_setopt(curl_, CURLOPT_USERPWD, "admin:Admin_123");
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &Collect);
        curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &answer);
        curl_easy_perform(curl_);
        Json::Value root;
        Json::CharReaderBuilder builder;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        reader->parse(answer.data(), answer.data() + answer.size(), &root, nullptr);
        headers_ = curl_slist_append(headers_, "Content-Type: application/json");
        headers_ = curl_slist_append(headers_, "Expect:");
        headers_ =
            curl_slist_append(headers_, ("X-Vexo-Session: " + root["session"].asString()).c_str());
        curl_easy_reset(curl_);
    }
    ~BareClient() {
        curl_slist_free_all(headers_);
        curl_easy_cleanup(curl_);
    }
    bool Post(const std::string& body) {
        std::string answer;
        curl_easy_setopt(curl_, CURLOPT_URL, (base_ + "/vexo/v1/smart").c_str());
        curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, body.c_str());
        curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers_);
        curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &Discard);
        curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &answer);
        curl_easy_setopt(curl_, CURLOPT_TCP_NODELAY, 1L);
        long status = 0;
        return curl_easy_perform(curl_) == CURLE_OK &&
               curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK &&
               status == 200;
    }

private:
    std::string base_;
    CURL* curl_ = nullptr;
    curl_slist* headers_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;
    vexo::test::SimProcess sim;
    if (!sim.Start()) {
        std::fprintf(stderr, "cannot start vexo-devsim\n");
        return 1;
    }
    VEXONET_Init();
    CAudioVideoPlay session;
    DeviceCommandChannel channel;
    if (!channel.ParamInit(&session, QString::fromStdString(sim.Address()), "admin", "Admin_123")) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }
    BareClient bare(sim.Address());
    const std::string request =
        DeviceCommandChannel::BuildRequestText("CMD_ParamInit", Json::Value());
    const auto [viaChannel, viaCurl] = MeasureInterleaved(
        rounds,
        [&] {
            Json::Value reply;
            return channel.SendCommand("CMD_ParamInit", Json::Value(), reply) == 1;
        },
        [&] { return bare.Post(request); });

    std::printf("command round trip on loopback, %d rounds each\n", rounds);
    std::printf("  DeviceCommandChannel : median %7.1f us   p99 %7.1f us\n", viaChannel.median,
                viaChannel.p99);
    std::printf("  bare libcurl POST    : median %7.1f us   p99 %7.1f us\n", viaCurl.median,
                viaCurl.p99);
    std::printf("  ratio channel/bare   : median %.2f   p99 %.2f\n",
                viaChannel.median / viaCurl.median, viaChannel.p99 / viaCurl.p99);
    VEXONET_Cleanup();
    return 0;
}
