#include "bench_support.h"

#include <dirent.h>
#include <time.h>
#include <unistd.h>

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "vexonet.h"

namespace vexo::bench {

long long RealtimeMicros() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

void ShowVideoWindow(QWidget& window) {
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    window.setPalette(palette);
    window.resize(1280, 720);
    window.show();
}

bool PrintPercentiles(const char* what, std::vector<double> millis) {
    if (millis.empty()) {
        return false;
    }
    std::sort(millis.begin(), millis.end());
    auto at = [&](double fraction) {
        return millis[static_cast<size_t>(static_cast<double>(millis.size() - 1) * fraction)];
    };
    std::printf("%s over %zu pictures: median %.2f ms, p90 %.2f ms, p99 %.2f ms, max %.2f ms\n",
                what, millis.size(), at(0.5), at(0.9), at(0.99), millis.back());
    return true;
}

long ReadRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

pid_t FindChild(const std::string& name) {
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return -1;
    }
    pid_t found = -1;
    const pid_t self = getpid();
    while (const dirent* entry = readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atol(entry->d_name));
        if (pid <= 0) {
            continue;
        }
        // /proc/PID/stat: "pid (comm) state ppid ..."
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text;
        std::getline(stat, text);
        const size_t open = text.find('(');
        const size_t close = text.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open) {
            continue;
        }
        const std::string comm = text.substr(open + 1, close - open - 1);
        const long parent = std::atol(text.c_str() + std::min(close + 4, text.size()));
        if (comm == name && parent == self) {
            found = pid;
            break;
        }
    }
    closedir(proc);
    return found;
}

void DefaultToOffscreen() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

SimulatorLogin::~SimulatorLogin() {
    if (login_ >= 0) {
        VEXONET_Logout(login_);
    }
    VEXONET_Cleanup();
}

bool SimulatorLogin::Start() {
    VEXONET_Init();
    if (!sim_.Start()) {
        std::fprintf(stderr, "cannot start vexo-devsim\n");
        return false;
    }
    const std::string user = vexo::test::SimProcess::kUser;
    const std::string password = vexo::test::SimProcess::kPassword;
    const std::string setup = "<Setup><ProtocolList><Protocol><Name>vx</Name><UserName>" + user +
                              "</UserName><PassWord>" + password +
                              "</PassWord><Port>80</Port></Protocol></ProtocolList><Function>"
                              "<Ptz>vx</Ptz></Function></Setup>";
    login_ = VEXONET_LoginEx(sim_.Address().c_str(), setup.c_str());
    if (login_ < 0) {
        std::fprintf(stderr, "login failed: %d\n", VEXONET_GetLastError());
        return false;
    }
    return true;
}

}  // namespace vexo::bench
