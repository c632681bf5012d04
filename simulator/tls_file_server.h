#pragma once
// The device's own files over https, on a port of their own beside the http
// one, as devices that publish their files securely do. The certificate is
// self-signed, created on first start and kept in the state folder, so the
// device presents the same one after every restart.

#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace httplib {
class SSLServer;
}

namespace devsim {

// Makes sure "tls/cert.pem" and "tls/key.pem" exist below `stateFolder`
// (created once; an existing pair is kept). False with `error` on failure.
bool EnsureSelfSignedCertificate(const std::filesystem::path& stateFolder, std::string& error);

class TlsFileServer {
public:
    // Throws std::runtime_error when no certificate can be made or loaded.
    TlsFileServer(const std::filesystem::path& stateFolder, std::filesystem::path dataFolder);
    ~TlsFileServer();
    TlsFileServer(const TlsFileServer&) = delete;
    TlsFileServer& operator=(const TlsFileServer&) = delete;

    // Binds; port 0 picks a free one. Returns the bound port, or -1.
    int Bind(const std::string& host, int port);
    // Serves on a thread of its own until Stop or destruction.
    void Start();
    void Stop();

private:
    std::filesystem::path dataFolder_;
    std::unique_ptr<httplib::SSLServer> server_;
    std::thread thread_;
};

}  // namespace devsim
