#pragma once

#include <windows.h>

#include <string>

// Conversions between narrow text in a code page and the wide strings of the
// Win32 W functions. Where the code page cannot hold a character, "?" stands
// for it (never a look-alike); UTF-8 holds everything.
namespace corvane::platform::win32 {

std::wstring Widen(const std::string& bytes, UINT codePage);
std::string Narrow(const std::wstring& wide, UINT codePage);

}  // namespace corvane::platform::win32
