#include "crash_handler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vexo {
namespace {

constexpr std::array<int, 5> kFatalSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t kPathCapacity = 4096;

// Prepared at installation, read by the handler.
char g_folder[kPathCapacity];
char g_baseName[256];
long g_utcOffsetSeconds = 0;
volatile sig_atomic_t g_handling = 0;
alignas(16) char g_alternateStack[64 * 1024];

// Small async-signal-safe text builder over a fixed buffer.
class SafeText {
public:
    void Add(const char* text) {
        while (*text && m_length + 1 < sizeof m_buffer) {
            m_buffer[m_length++] = *text++;
        }
        m_buffer[m_length] = '\0';
    }
    void AddNumber(unsigned long value, unsigned base = 10) {
        char digits[32];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value && count < 32);
        char reversed[33];
        for (int i = 0; i < count; ++i) {
            reversed[i] = digits[count - 1 - i];
        }
        reversed[count] = '\0';
        Add(reversed);
    }
    const char* Text() const { return m_buffer; }
    std::size_t Length() const { return m_length; }

private:
    char m_buffer[kPathCapacity + 512] = {};
    std::size_t m_length = 0;
};

void WriteAll(int fd, const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t step = ::write(fd, data, length);
        if (step <= 0) {
            return;
        }
        data += step;
        length -= static_cast<std::size_t>(step);
    }
}

// Civil date of a day count since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(long days, long& year, unsigned& month, unsigned& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = static_cast<long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

const char* SignalName(int signal) {
    switch (signal) {
        case SIGSEGV:
            return "SIGSEGV";
        case SIGBUS:
            return "SIGBUS";
        case SIGFPE:
            return "SIGFPE";
        case SIGILL:
            return "SIGILL";
        case SIGABRT:
            return "SIGABRT";
        default:
            return "signal";
    }
}

void OnFatalSignal(int signal, siginfo_t* info, void*) {
    if (g_handling) {
        ::_exit(kCrashExitCode);
    }
    g_handling = 1;

    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long local = static_cast<long>(now.tv_sec) + g_utcOffsetSeconds;
    const long days = (local >= 0 ? local : local - 86399) / 86400;
    const long secondsOfDay = local - days * 86400;
    long year = 0;
    unsigned month = 0;
    unsigned day = 0;
    CivilFromDays(days, year, month, day);

    SafeText path;
    path.Add(g_folder);
    path.Add(g_baseName);
    const unsigned long parts[] = {static_cast<unsigned long>(year), month, day,
                                   static_cast<unsigned long>(secondsOfDay / 3600),
                                   static_cast<unsigned long>(secondsOfDay % 3600 / 60)};
    for (unsigned long part : parts) {
        path.Add("_");
        path.AddNumber(part);
    }
    path.Add(".dmp");

    const int fd = ::open(path.Text(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        SafeText head;
        head.Add("crash dump of ");
        head.Add(g_baseName);
        head.Add("\nsignal ");
        head.AddNumber(static_cast<unsigned long>(signal));
        head.Add(" (");
        head.Add(SignalName(signal));
        head.Add(")\ncode ");
        head.AddNumber(static_cast<unsigned long>(static_cast<unsigned>(info ? info->si_code : 0)));
        head.Add("\naddress 0x");
        head.AddNumber(reinterpret_cast<unsigned long>(info ? info->si_addr : nullptr), 16);
        head.Add("\nprocess ");
        head.AddNumber(static_cast<unsigned long>(::getpid()));
        head.Add("\nbacktrace:\n");
        WriteAll(fd, head.Text(), head.Length());
        void* frames[64];
        const int count = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, count, fd);
        ::close(fd);
    }
    ::_exit(kCrashExitCode);
}

void CopyText(char* target, std::size_t capacity, const std::string& text) {
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

}  // namespace

std::string ModuleBaseName(const std::string& modulePath) {
    std::string name = modulePath.substr(modulePath.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return name;
}

std::string CrashDumpFileName(const std::string& baseName, const std::tm& localTime) {
    char suffix[96];
    std::snprintf(suffix, sizeof suffix, "_%d_%d_%d_%d_%d.dmp", localTime.tm_year + 1900,
                  localTime.tm_mon + 1, localTime.tm_mday, localTime.tm_hour, localTime.tm_min);
    return baseName + suffix;
}

std::string CrashDumpFolder() {
    const char* temp = std::getenv("TMPDIR");
    std::string folder = temp && temp[0] == '/' ? temp : "/tmp";
    if (folder.back() != '/') {
        folder.push_back('/');
    }
    return folder + "DebugHelperFiles/";
}

void InstallCrashHandler(const std::string& modulePath) {
    CopyText(g_folder, sizeof g_folder, CrashDumpFolder());
    CopyText(g_baseName, sizeof g_baseName, ModuleBaseName(modulePath));
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    g_utcOffsetSeconds = local.tm_gmtoff;

    // backtrace() loads its unwinder on first use, which is not safe inside
    // a handler: use it once here.
    void* frame[1];
    ::backtrace(frame, 1);

    stack_t alternate{};
    alternate.ss_sp = g_alternateStack;
    alternate.ss_size = sizeof g_alternateStack;
    ::sigaltstack(&alternate, nullptr);  // a stack overflow still gets its dump

    struct sigaction action {};
    action.sa_sigaction = &OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace vexo
