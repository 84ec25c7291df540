#include "fileio/OpenFile.h"

#include "fileio/WideText.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace corvane::fileio {

#ifdef _WIN32

std::wstring WidePath(const std::string& path)
{
    return Widen(path, CP_UTF8);
}

std::string Utf8Path(const std::wstring& path)
{
    return Narrow(path, CP_UTF8);
}

std::FILE* OpenFile(const std::string& path, const char* mode)
{
    const std::wstring wide = WidePath(path);
    if (wide.empty())
        return nullptr;
    const std::string narrowMode(mode);
    return _wfopen(wide.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
}

bool RemoveFile(const std::string& path)
{
    const std::wstring wide = WidePath(path);
    return !wide.empty() && _wremove(wide.c_str()) == 0;
}

#else

std::FILE* OpenFile(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

bool RemoveFile(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
}

#endif

std::FILE* OpenForBlocks(const std::string& path)
{
    std::FILE* file = OpenFile(path, "rb");
    if (file)
        std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

}  // namespace corvane::fileio
