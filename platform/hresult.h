#pragma once
// HRESULT-style result codes of the component services (registration, class
// creation, dispatch). Values are those hosts and tools print, so that a
// failure reads the same as it would from any other component server.

#include <cstdint>
#include <string>

namespace vexo {

using HRESULT = std::int32_t;

constexpr HRESULT MakeHResult(std::uint32_t value) {
    return static_cast<HRESULT>(value);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_FAIL = MakeHResult(0x80004005u);
inline constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002u);
inline constexpr HRESULT E_POINTER = MakeHResult(0x80004003u);
inline constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111u);
inline constexpr HRESULT REGDB_E_READREGDB = MakeHResult(0x80040006u);
inline constexpr HRESULT REGDB_E_WRITEREGDB = MakeHResult(0x80040007u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154u);
// The registry file exists but is not a registry (ERROR_BADDB).
inline constexpr HRESULT REGDB_E_CORRUPT = MakeHResult(0x800703F1u);
inline constexpr HRESULT SELFREG_E_TYPELIB = MakeHResult(0x80040200u);
inline constexpr HRESULT SELFREG_E_CLASS = MakeHResult(0x80040201u);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeHResult(0x80020003u);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHResult(0x80020005u);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = MakeHResult(0x80020006u);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeHResult(0x8002000Eu);
inline constexpr HRESULT DISP_E_EXCEPTION = MakeHResult(0x80020009u);

constexpr bool Succeeded(HRESULT result) {
    return result >= 0;
}
constexpr bool Failed(HRESULT result) {
    return result < 0;
}

// "0x80040200 (SELFREG_E_TYPELIB)"; the name is left out for unknown codes.
std::string HResultText(HRESULT result);

}  // namespace vexo
