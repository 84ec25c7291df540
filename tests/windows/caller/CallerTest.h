#pragma once

#include <string>

namespace corvane::testcaller {

// Plays the calling year-end product: its own window, corvane.exe started
// with a start parameter, the reply checked; two conversions in 簡易モード of
// the sample exports in `dataFolder` into "<dataFolder>\給与 データ\ヴェルド取込.XML".
// Prints one line per check; returns the number of failed checks.
int RunCallerTests(const std::wstring& corvaneExe, const std::wstring& dataFolder);

}  // namespace corvane::testcaller
