#pragma once

#include <windows.h>

#include <string>

namespace corvane::testcaller {

// Writes the screen area of `window` (title bar and frame included) as a
// 24-bit BMP file. False when the file cannot be written.
bool CaptureWindow(HWND window, const std::wstring& bmpPath);

}  // namespace corvane::testcaller
