// vexo-devsim: a network camera with analytics, as far as the control can
// tell. The first line printed names the address it listens on.

#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>

#include <unistd.h>

#include "device_server.h"
#include "options.h"
#include "tls_file_server.h"

namespace {
devsim::DeviceServer* g_server = nullptr;

// Stops listening; connections idling in keep-alive would hold the exit
// back for their whole time-out, so the process is ended by the alarm if
// they have not closed within a second. The state on disk is consistent at
// every moment, so nothing is lost either way.
void StopOnSignal(int) {
    if (g_server != nullptr) {
        g_server->Stop();
    }
    ::alarm(1);
}
}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    std::string error;
    const auto options = devsim::ParseOptions(argc, argv, error);
    if (!options) {
        const bool help = error == devsim::UsageText();
        (help ? std::cout : std::cerr) << error << (error.back() == '\n' ? "" : "\n");
        return help ? 0 : 2;
    }
    std::unique_ptr<devsim::DeviceServer> created;
    try {
        created = std::make_unique<devsim::DeviceServer>(options->settings);
    } catch (const std::exception& error) {
        // The device's own files are missing or broken.
        std::cerr << "vexo-devsim: " << error.what() << "\n";
        return 1;
    }
    devsim::DeviceServer& server = *created;
    if (!options->journal.empty()) {
        server.Knobs().OpenJournal(options->journal);
    }
    server.Knobs().SetLatencyMs(options->latencyMs);
    server.Knobs().SetHangMs(options->hangMs);
    for (const auto& [command, text] : options->scripts) {
        server.Knobs().SetScript(command, text);
    }
    for (const auto& [command, kind] : options->faults) {
        server.Knobs().SetFault(command, kind);
    }
    const int port = server.Bind(options->bind, options->port);
    if (port < 0) {
        std::cerr << "vexo-devsim: cannot listen on " << options->bind << ":" << options->port
                  << "\n";
        return 1;
    }
    const bool v6 = options->bind.find(':') != std::string::npos;
    std::printf("vexo-devsim listening on %s%s%s:%d\n", v6 ? "[" : "", options->bind.c_str(),
                v6 ? "]" : "", port);
    for (const auto& [user, password] : options->settings.users.All()) {
        std::printf("user %s password %s\n", user.c_str(), password.c_str());
    }
    std::unique_ptr<devsim::TlsFileServer> tls;
    if (options->httpsPort >= 0) {
        int httpsPort = -1;
        try {
            tls = std::make_unique<devsim::TlsFileServer>(options->settings.stateFolder,
                                                          server.Model().DataFolder());
            httpsPort = tls->Bind(options->bind, options->httpsPort);
        } catch (const std::exception& error) {
            std::cerr << "vexo-devsim: " << error.what() << "\n";
            return 1;
        }
        if (httpsPort < 0) {
            std::cerr << "vexo-devsim: cannot listen for https on " << options->bind << ":"
                      << options->httpsPort << "\n";
            return 1;
        }
        if (options->announceHttps) {
            server.AnnounceHttpsFiles(httpsPort);
        }
        tls->Start();
        std::printf("https files on port %d\n", httpsPort);
    }
    std::printf("state folder %s\n", options->settings.stateFolder.c_str());
    std::fflush(stdout);

    g_server = &server;
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
    server.Serve();
    g_server = nullptr;
    return 0;
}
