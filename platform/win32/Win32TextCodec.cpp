#include <windows.h>

#include <string>

#include "fileio/WideText.h"
#include "platform/TextCodec.h"

namespace corvane::platform {

namespace {

// The core's text is code page 932 whatever the system's ANSI code page is.
constexpr UINT kCoreCodePage = 932;

// Paths are UTF-8 (fileio/OpenFile.h), so that names outside code page 932
// work; a message shows such a character as "?".
class Win32TextCodec final : public TextCodec {
public:
    std::string PathToText(const std::string& osPath) const override
    {
        return fileio::Narrow(fileio::Widen(osPath, CP_UTF8), kCoreCodePage);
    }
    std::string TextToPath(const std::string& text) const override
    {
        return fileio::Narrow(fileio::Widen(text, kCoreCodePage), CP_UTF8);
    }
    std::string TextToUtf8(const std::string& text) const override
    {
        return fileio::Narrow(fileio::Widen(text, kCoreCodePage), CP_UTF8);
    }
    std::string Utf8ToText(const std::string& utf8) const override
    {
        return fileio::Narrow(fileio::Widen(utf8, CP_UTF8), kCoreCodePage);
    }
};

}  // namespace

const TextCodec& SystemTextCodec()
{
    static const Win32TextCodec codec;
    return codec;
}

}  // namespace corvane::platform
