#include "digest_auth.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <chrono>
#include <map>

namespace devsim {
namespace {

constexpr long long kNonceLifetimeSeconds = 300;

std::string ToHex(const unsigned char* data, size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        hex += kDigits[data[i] >> 4];
        hex += kDigits[data[i] & 15];
    }
    return hex;
}

std::string Hmac(const std::string& key, const std::string& text) {
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()),
         reinterpret_cast<const unsigned char*>(text.data()), text.size(), out, &length);
    return ToHex(out, length);
}

long long NowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Splits `Digest a="b", c=d` into its parameters.
std::map<std::string, std::string> ParseParameters(const std::string& header) {
    std::map<std::string, std::string> params;
    size_t pos = header.find(' ');
    if (pos == std::string::npos || header.compare(0, pos, "Digest") != 0) {
        return params;
    }
    while (pos < header.size()) {
        while (pos < header.size() && (header[pos] == ' ' || header[pos] == ',')) {
            ++pos;
        }
        const size_t eq = header.find('=', pos);
        if (eq == std::string::npos) {
            break;
        }
        std::string name = header.substr(pos, eq - pos);
        pos = eq + 1;
        std::string value;
        if (pos < header.size() && header[pos] == '"') {
            ++pos;
            while (pos < header.size() && header[pos] != '"') {
                if (header[pos] == '\\' && pos + 1 < header.size()) {
                    ++pos;
                }
                value += header[pos++];
            }
            ++pos;
        } else {
            const size_t end = header.find(',', pos);
            value = header.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
            pos = end == std::string::npos ? header.size() : end;
        }
        params[name] = value;
    }
    return params;
}

const char* AlgorithmName(DigestAlgorithm algorithm) {
    return algorithm == DigestAlgorithm::Md5 ? "MD5" : "SHA-256";
}

}  // namespace

std::string HexDigest(DigestAlgorithm algorithm, const std::string& text) {
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(text.data(), text.size(), out, &length,
               algorithm == DigestAlgorithm::Md5 ? EVP_md5() : EVP_sha256(), nullptr);
    return ToHex(out, length);
}

DigestAuthenticator::DigestAuthenticator(std::string realm, std::vector<DigestAlgorithm> offered)
    : realm_(std::move(realm)), offered_(std::move(offered)) {
    unsigned char key[32];
    RAND_bytes(key, sizeof key);
    key_ = ToHex(key, sizeof key);
}

std::string DigestAuthenticator::MakeNonce() const {
    const std::string stamp = std::to_string(NowSeconds());
    return stamp + "." + Hmac(key_, stamp);
}

bool DigestAuthenticator::NonceValid(const std::string& nonce) const {
    const size_t dot = nonce.find('.');
    if (dot == std::string::npos || dot == 0 || dot > 20) {
        return false;
    }
    const std::string stamp = nonce.substr(0, dot);
    if (Hmac(key_, stamp) != nonce.substr(dot + 1)) {
        return false;
    }
    const long long issued = std::stoll(stamp);
    return NowSeconds() - issued <= kNonceLifetimeSeconds;
}

std::vector<std::string> DigestAuthenticator::Challenges() const {
    std::vector<std::string> challenges;
    const std::string nonce = MakeNonce();
    for (DigestAlgorithm algorithm : offered_) {
        challenges.push_back("Digest realm=\"" + realm_ + "\", qop=\"auth\", algorithm=" +
                             AlgorithmName(algorithm) + ", nonce=\"" + nonce + "\"");
    }
    return challenges;
}

std::optional<std::string> DigestAuthenticator::Verify(
    const std::string& authorization, const std::string& method,
    const std::function<std::optional<std::string>(const std::string&)>& passwordOf) const {
    auto params = ParseParameters(authorization);
    const std::string user = params["username"];
    if (user.empty() || params["realm"] != realm_ || params["qop"] != "auth" ||
        !NonceValid(params["nonce"])) {
        return std::nullopt;
    }
    std::optional<DigestAlgorithm> algorithm;
    const std::string algorithmName = params.count("algorithm") ? params["algorithm"] : "MD5";
    for (DigestAlgorithm offered : offered_) {
        if (algorithmName == AlgorithmName(offered)) {
            algorithm = offered;
        }
    }
    const auto password = passwordOf(user);
    if (!algorithm || !password) {
        return std::nullopt;
    }
    const std::string ha1 = HexDigest(*algorithm, user + ":" + realm_ + ":" + *password);
    const std::string ha2 = HexDigest(*algorithm, method + ":" + params["uri"]);
    const std::string expected =
        HexDigest(*algorithm, ha1 + ":" + params["nonce"] + ":" + params["nc"] + ":" +
                                  params["cnonce"] + ":auth:" + ha2);
    if (expected != params["response"]) {
        return std::nullopt;
    }
    return user;
}

}  // namespace devsim
