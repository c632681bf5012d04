#pragma once
// Server side of HTTP digest access authentication (RFC 7616), qop "auth",
// with MD5 and SHA-256. Nonces are stateless: a time stamp signed with a
// per-process key, valid for a limited time.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace devsim {

enum class DigestAlgorithm { Md5, Sha256 };

class DigestAuthenticator {
public:
    DigestAuthenticator(std::string realm, std::vector<DigestAlgorithm> offered);

    // The WWW-Authenticate header values to send with a 401, one per
    // offered algorithm (the preferred one first).
    std::vector<std::string> Challenges() const;

    // Checks an Authorization header for `method`. `passwordOf` returns the
    // password of a user, or nullopt for an unknown user. Returns the user
    // name when the credentials are right.
    std::optional<std::string> Verify(
        const std::string& authorization, const std::string& method,
        const std::function<std::optional<std::string>(const std::string&)>& passwordOf) const;

private:
    std::string MakeNonce() const;
    bool NonceValid(const std::string& nonce) const;

    std::string realm_;
    std::vector<DigestAlgorithm> offered_;
    std::string key_;
};

// Hex digest helpers, also used by tests.
std::string HexDigest(DigestAlgorithm algorithm, const std::string& text);

}  // namespace devsim
