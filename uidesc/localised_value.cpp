#include "localised_value.h"

#include <iconv.h>
#include <langinfo.h>

#include <QByteArray>
#include <vector>

namespace vexo {
namespace {

// Converts `input` from one charset to another; false when iconv cannot.
bool Convert(const char* to, const char* from, std::string_view input, std::string& output) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    // Twice the input plus one, zero-filled: room for any GB form of UTF-8.
    std::vector<char> buffer(input.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = buffer.data();
    size_t outLeft = buffer.size();
    const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) &&
                    iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<size_t>(-1) &&
                    inLeft == 0;
    iconv_close(cd);
    if (ok) {
        output.assign(buffer.data(), buffer.size() - outLeft);
    }
    return ok;
}

QString FromUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

std::string NarrowCharset() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset ? codeset : "";
}

bool IsGbCharset(std::string_view charset) {
    const QByteArray name = QByteArray(charset.data(), static_cast<qsizetype>(charset.size()))
                                .toUpper()
                                .replace('-', "")
                                .replace('_', "");
    return name == "GB2312" || name == "GBK" || name == "GB18030" || name == "EUCCN" ||
           name == "CP936";
}

QString DecodeLocalisedValue(std::string_view utf8, const std::string& narrowCharset) {
    if (utf8.empty() || !IsGbCharset(narrowCharset)) {
        return FromUtf8(utf8);
    }
    std::string narrow;
    std::string wide;
    if (Convert(narrowCharset.c_str(), "UTF-8", utf8, narrow) &&
        Convert("UTF-8", narrowCharset.c_str(), narrow, wide)) {
        return FromUtf8(wide);
    }
    return FromUtf8(utf8);  // not representable: the raw bytes stand
}

}  // namespace vexo
