#include "fileio/WideText.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace corvane::fileio {

#ifdef _WIN32

std::wstring Widen(const std::string& bytes, unsigned int codePage)
{
    if (bytes.empty())
        return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& input, unsigned int codePage)
{
    if (input.empty())
        return std::string();
    // "?" marks what the code page cannot hold (no look-alikes); UTF-8 holds everything.
    const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
    // A character beyond U+FFFF (𠮷) is one "?", not one per half of its surrogate pair.
    std::wstring wide;
    wide.reserve(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        const bool pair = i + 1 < input.size() && input[i] >= 0xD800 && input[i] <= 0xDBFF && input[i + 1] >= 0xDC00 &&
                          input[i + 1] <= 0xDFFF;
        if (pair && !utf8) {
            wide.push_back(L'?');
            ++i;
        } else {
            wide.push_back(input[i]);
        }
    }
    const int size = static_cast<int>(wide.size());
    const char* fallback = utf8 ? nullptr : "?";
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, fallback, nullptr);
    if (n <= 0)
        return std::string();
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), n, fallback, nullptr);
    return bytes;
}

#endif

}  // namespace corvane::fileio
