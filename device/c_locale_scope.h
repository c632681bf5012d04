#pragma once
// Numbers on the device link are written with a decimal point ("1.500000",
// never "1,500000") whatever the process locale says: while a scope lives,
// this thread formats and scans in the C locale.

#include <locale.h>

namespace vexo {

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t previous_;
};

}  // namespace vexo
