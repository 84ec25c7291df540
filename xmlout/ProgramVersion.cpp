#include "xmlout/CExportXMLVeld.h"

#ifdef _WIN32
#include <windows.h>

#include <cstring>
#include <string.h>
#include <vector>

#include "fileio/OpenFile.h"
#include "platform/Process.h"
#include "text/Format.h"
#else
#include "xmlout/BuildVersion.h"
#endif

namespace corvane {

#ifdef _WIN32

namespace {

// The version information block of the running executable; empty when it has none.
std::vector<char> OwnVersionInfo()
{
    const std::wstring path = fileio::WidePath(platform::ExecutablePath());
    if (path.empty())
        return {};
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return {};
    return block;
}

std::string QueryString(std::vector<char>& block, const std::string& subBlock)
{
    if (block.empty())
        return std::string();
    LPVOID value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), subBlock.c_str(), &value, &length) || value == nullptr || length == 0)
        return std::string();
    const char* chars = static_cast<const char*>(value);
    return std::string(chars, strnlen(chars, length));
}

}  // namespace

std::string GetProductVersion()
{
    auto block = OwnVersionInfo();
    return QueryString(block, "\\StringFileInfo\\041104b0\\ProductVersion");
}

std::string GetFileVersion()
{
    auto block = OwnVersionInfo();
    if (block.empty())
        return std::string();
    struct LanguageAndCodePage {
        WORD language;
        WORD codePage;
    };
    LPVOID value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || value == nullptr ||
        length < sizeof(LanguageAndCodePage))
        return std::string();
    LanguageAndCodePage first;
    std::memcpy(&first, value, sizeof first);
    return QueryString(block,
                       text::Format("\\StringFileInfo\\%04x%04x\\FileVersion", static_cast<unsigned>(first.language),
                                    static_cast<unsigned>(first.codePage)));
}

#else

// Without version resources the build's own definition is the version.
std::string GetProductVersion()
{
    return CORVANE_BUILD_PRODUCT_VERSION;
}

std::string GetFileVersion()
{
    return CORVANE_BUILD_FILE_VERSION;
}

#endif

}  // namespace corvane
