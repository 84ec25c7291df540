#pragma once

#include <string>

namespace corvane::testcaller {

// Plays the calling year-end product: its own window, corvane.exe started
// with a start parameter, the reply checked. Prints one line per check;
// returns the number of failed checks.
int RunCallerTests(const std::wstring& corvaneExe, const std::wstring& outputPath);

}  // namespace corvane::testcaller
