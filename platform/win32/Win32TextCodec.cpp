#include <windows.h>

#include <string>

#include "platform/TextCodec.h"
#include "platform/win32/WideText.h"

namespace corvane::platform {

namespace {

// The core's text is code page 932 whatever the system's ANSI code page is.
constexpr UINT kCoreCodePage = 932;

// Paths are in the ANSI code page, which is 932 on the systems this program
// is made for: a path is shown as it is.
class Win32TextCodec final : public TextCodec {
public:
    std::string PathToText(const std::string& osPath) const override { return osPath; }
    std::string TextToPath(const std::string& text) const override { return text; }
    std::string TextToUtf8(const std::string& text) const override
    {
        return win32::Narrow(win32::Widen(text, kCoreCodePage), CP_UTF8);
    }
    std::string Utf8ToText(const std::string& utf8) const override
    {
        return win32::Narrow(win32::Widen(utf8, CP_UTF8), kCoreCodePage);
    }
};

}  // namespace

const TextCodec& SystemTextCodec()
{
    static const Win32TextCodec codec;
    return codec;
}

}  // namespace corvane::platform
