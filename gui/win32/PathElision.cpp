#include "PathElision.h"

namespace corvane::win32 {

namespace {

const std::wstring kEllipsis = L"...";

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

// `length` moved back so that the first `length` characters of `text` end on
// a whole character (not between the halves of a surrogate pair).
std::size_t WholeFront(const std::wstring& text, std::size_t length)
{
    return length > 0 && length < text.size() && IsHighSurrogate(text[length - 1]) ? length - 1 : length;
}

// `length` moved back so that the last `length` characters of `text` start on
// a whole character.
std::size_t WholeBack(const std::wstring& text, std::size_t length)
{
    return length > 0 && length < text.size() && IsHighSurrogate(text[text.size() - length - 1]) ? length - 1 : length;
}

// The largest n in [0, limit] for which fits(n) holds, fits(0) assumed; the
// widths grow with n, so a binary search finds it.
template <typename Fits>
std::size_t Largest(std::size_t limit, Fits fits)
{
    std::size_t low = 0;
    std::size_t high = limit;
    while (low < high) {
        const std::size_t middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

}  // namespace

std::wstring ElidePath(const std::wstring& path, int width, const TextWidth& measure)
{
    if (path.empty() || measure(path) <= width)
        return path;
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
    const std::wstring folder = path.substr(0, nameStart == 0 ? 0 : nameStart - 1);
    const std::wstring tail = path.substr(folder.size());  // the separator and the name

    // The whole name after as much of the folder's beginning as fits.
    if (!folder.empty() && measure(kEllipsis + tail) <= width) {
        auto shortened = [&](std::size_t n) { return folder.substr(0, WholeFront(folder, n)) + kEllipsis + tail; };
        const std::size_t n = Largest(folder.size(), [&](std::size_t k) { return measure(shortened(k)) <= width; });
        return shortened(n);
    }

    // The name alone is too wide: its beginning and its end, the middle cut.
    const std::wstring name = path.substr(nameStart);
    auto cut = [&](std::size_t n) {
        const std::size_t front = WholeFront(name, (n + 1) / 2);
        const std::size_t back = WholeBack(name, n / 2);
        return name.substr(0, front) + kEllipsis + name.substr(name.size() - back);
    };
    const std::size_t n =
        Largest(name.empty() ? 0 : name.size() - 1, [&](std::size_t k) { return measure(cut(k)) <= width; });
    return cut(n);
}

std::wstring ElidePath(HDC dc, const std::wstring& path, int width)
{
    return ElidePath(path, width, [dc](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    });
}

}  // namespace corvane::win32
