#pragma once
// QString values in GoogleTest's failure messages, as quoted text.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
