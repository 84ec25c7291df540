#pragma once

#include <string>

namespace corvane::testcaller {

// Walks corvane.exe through its six pages and the item dialog, choosing the
// sample exports in `dataFolder` through the real file dialogs, and writes
// one BMP per window into `outFolder`; checks the layout of every page and of
// the item dialog at the DPI in effect. Returns the number of failures.
int TakeScreenshots(const std::wstring& corvaneExe, const std::wstring& dataFolder, const std::wstring& outFolder);

}  // namespace corvane::testcaller
