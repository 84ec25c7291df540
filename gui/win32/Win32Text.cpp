#include "Win32Text.h"

#include <vector>

namespace corvane::win32 {

std::wstring WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int n = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

}  // namespace corvane::win32
