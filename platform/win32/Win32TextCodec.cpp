#include <windows.h>

#include <string>

#include "platform/TextCodec.h"

namespace corvane::platform {

namespace {

// The core's text is code page 932 whatever the system's ANSI code page is.
constexpr UINT kCoreCodePage = 932;

std::wstring ToWide(UINT codePage, const std::string& in)
{
    if (in.empty())
        return std::wstring();
    const int size = static_cast<int>(in.size());
    const int n = MultiByteToWideChar(codePage, 0, in.data(), size, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, in.data(), size, out.data(), n);
    return out;
}

std::string FromWide(UINT codePage, const std::wstring& in)
{
    if (in.empty())
        return std::string();
    const int size = static_cast<int>(in.size());
    // UTF-8 takes no default character; elsewhere "?" marks what is lost,
    // also where a look-alike (best fit) exists.
    const bool utf8 = codePage == CP_UTF8;
    const char* fallback = utf8 ? nullptr : "?";
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(codePage, flags, in.data(), size, nullptr, 0, fallback, nullptr);
    if (n <= 0)
        return std::string();
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, in.data(), size, out.data(), n, fallback, nullptr);
    return out;
}

// Paths are in the ANSI code page, which is 932 on the systems this program
// is made for: a path is shown as it is.
class Win32TextCodec final : public TextCodec {
public:
    std::string PathToText(const std::string& osPath) const override { return osPath; }
    std::string TextToPath(const std::string& text) const override { return text; }
    std::string TextToUtf8(const std::string& text) const override
    {
        return FromWide(CP_UTF8, ToWide(kCoreCodePage, text));
    }
    std::string Utf8ToText(const std::string& utf8) const override
    {
        return FromWide(kCoreCodePage, ToWide(CP_UTF8, utf8));
    }
};

}  // namespace

const TextCodec& SystemTextCodec()
{
    static const Win32TextCodec codec;
    return codec;
}

}  // namespace corvane::platform
