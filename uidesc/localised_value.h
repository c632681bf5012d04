#pragma once
// Turns a display text of the localisation file (UTF-8) into wide text.
// Where the process locale's narrow charset is a GB one, the text goes the
// way the control always took on such systems: converted to that charset
// with iconv and read back from it, so that only texts the charset can hold
// change form; a text that does not convert keeps its own bytes. On any
// other system the UTF-8 text is decoded directly.

#include <QString>
#include <string>
#include <string_view>

namespace vexo {

// The name of the process locale's narrow charset (LC_CTYPE).
std::string NarrowCharset();
// GB2312, GBK, GB18030 and their aliases.
bool IsGbCharset(std::string_view charset);

QString DecodeLocalisedValue(std::string_view utf8, const std::string& narrowCharset);
inline QString DecodeLocalisedValue(std::string_view utf8) {
    return DecodeLocalisedValue(utf8, NarrowCharset());
}

}  // namespace vexo
