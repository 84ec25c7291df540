#include "fileio/OpenFile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace corvane::fileio {

#ifdef _WIN32

std::wstring WidePath(const std::string& path)
{
    const int size = static_cast<int>(path.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), size, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), size, wide.data(), n);
    return wide;
}

std::string Utf8Path(const std::wstring& path)
{
    const int size = static_cast<int>(path.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, path.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return std::string();
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), size, bytes.data(), n, nullptr, nullptr);
    return bytes;
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

}  // namespace corvane::fileio
