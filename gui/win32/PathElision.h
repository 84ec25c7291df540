#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace corvane::win32 {

// The width of a text in pixels.
using TextWidth = std::function<int(const std::wstring&)>;

// `path` shortened to `width` as a path is read: the file name stays whole and
// the folders give way in the middle ("C:\給与...\employees.txt"). Only when
// the file name alone is too wide is the name itself cut in its middle, so
// that its beginning and its extension stay. The path itself when it fits.
std::wstring ElidePath(const std::wstring& path, int width, const TextWidth& measure);
// Measured in the font selected into `dc`.
std::wstring ElidePath(HDC dc, const std::wstring& path, int width);

}  // namespace corvane::win32
