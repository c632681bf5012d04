#include "tls_file_server.h"

#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "device_parts.h"

namespace devsim {
namespace {

namespace fs = std::filesystem;

fs::path CertPath(const fs::path& state) {
    return state / "tls" / "cert.pem";
}
fs::path KeyPath(const fs::path& state) {
    return state / "tls" / "key.pem";
}

// Writes through a temporary name so that a crash never leaves half a key.
template <class WritePem>
bool WriteAtomically(const fs::path& path, WritePem write) {
    const fs::path temporary = path.string() + ".tmp";
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        return false;
    }
    const bool written = write(out) == 1;
    const bool closed = std::fclose(out) == 0;
    std::error_code error;
    if (written && closed) {
        fs::rename(temporary, path, error);
        return !error;
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace

bool EnsureSelfSignedCertificate(const fs::path& stateFolder, std::string& error) {
    if (fs::exists(CertPath(stateFolder)) && fs::exists(KeyPath(stateFolder))) {
        return true;
    }
    std::error_code ignored;
    fs::create_directories(stateFolder / "tls", ignored);
    EVP_PKEY* key = EVP_EC_gen("P-256");
    X509* cert = X509_new();
    bool ok = key && cert;
    if (ok) {
        X509_set_version(cert, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
        X509_gmtime_adj(X509_getm_notBefore(cert), 0);
        X509_gmtime_adj(X509_getm_notAfter(cert), 10L * 365 * 24 * 3600);
        X509_NAME* name = X509_get_subject_name(cert);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("vexo-devsim"), -1, -1,
                                   0);
        X509_set_issuer_name(cert, name);
        X509_set_pubkey(cert, key);
        ok = X509_sign(cert, key, EVP_sha256()) > 0 &&
             WriteAtomically(KeyPath(stateFolder),
                             [&](FILE* out) {
                                 return PEM_write_PrivateKey(out, key, nullptr, nullptr, 0, nullptr,
                                                             nullptr);
                             }) &&
             WriteAtomically(CertPath(stateFolder),
                             [&](FILE* out) { return PEM_write_X509(out, cert); });
    }
    X509_free(cert);
    EVP_PKEY_free(key);
    if (!ok) {
        error = "cannot create the certificate in " + (stateFolder / "tls").string();
    }
    return ok;
}

TlsFileServer::TlsFileServer(const fs::path& stateFolder, fs::path dataFolder)
    : dataFolder_(std::move(dataFolder)) {
    std::string error;
    if (!EnsureSelfSignedCertificate(stateFolder, error)) {
        throw std::runtime_error(error);
    }
    server_ = std::make_unique<httplib::SSLServer>(CertPath(stateFolder).c_str(),
                                                   KeyPath(stateFolder).c_str());
    if (!server_->is_valid()) {
        throw std::runtime_error("cannot load the certificate of " + stateFolder.string());
    }
    // Only the published names are served, so no path reaches outside.
    server_->Get(R"(/files/([^/]+))", [this](const httplib::Request& req, httplib::Response& res) {
        const std::string name = req.matches[1];
        for (const char* file : kPublishedFiles) {
            std::ifstream in(dataFolder_ / file, std::ios::binary);
            if (name != file || !in) {
                continue;
            }
            std::stringstream text;
            text << in.rdbuf();
            const bool xml = name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0;
            res.set_content(text.str(), xml ? "application/xml" : "application/json");
            return;
        }
        res.status = 404;
        res.set_content("no such file", "text/plain");
    });
}

TlsFileServer::~TlsFileServer() {
    Stop();
}

int TlsFileServer::Bind(const std::string& host, int port) {
    return port == 0 ? server_->bind_to_any_port(host)
                     : (server_->bind_to_port(host, port) ? port : -1);
}

void TlsFileServer::Start() {
    thread_ = std::thread([this] { server_->listen_after_bind(); });
}

void TlsFileServer::Stop() {
    server_->stop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace devsim
