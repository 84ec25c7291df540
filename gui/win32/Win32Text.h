#pragma once

#include <windows.h>

#include <string>

#include "fileio/WideText.h"
#include "platform/ControlIds.h"

// Conversions between the core's narrow texts and the wide strings that the
// windows show. Texts are code page 932 whatever the system's code page is;
// paths are UTF-8, so that every name Windows allows comes through.
namespace corvane::win32 {

constexpr UINT kTextCodePage = 932;
constexpr UINT kPathCodePage = CP_UTF8;

using fileio::Narrow;
using fileio::Widen;

inline std::wstring TextToWide(const std::string& text)
{
    return Widen(text, kTextCodePage);
}
inline std::string WideToText(const std::wstring& wide)
{
    return Narrow(wide, kTextCodePage);
}
inline std::wstring PathToWide(const std::string& path)
{
    return Widen(path, kPathCodePage);
}
inline std::string WideToPath(const std::wstring& wide)
{
    return Narrow(wide, kPathCodePage);
}

inline UINT CodePageOf(platform::TextKind kind)
{
    return kind == platform::TextKind::Path ? kPathCodePage : kTextCodePage;
}

// The text of a window, whole.
std::wstring WindowText(HWND window);

}  // namespace corvane::win32
