#pragma once

#include <string>

#include "WizardWalk.h"

namespace corvane::testcaller {

// Walks corvane.exe through its six pages and the item dialog, handing the
// sample exports in `dataFolder` over as `handover` says (the real file
// dialogs, the folder dialog, a drop), and writes one BMP per window into
// `outFolder`; checks the layout of every page and of the item dialog at the
// DPI in effect, and how the paths show (shortened in the middle, the full
// path as a tooltip). Returns the number of failures.
int TakeScreenshots(const std::wstring& corvaneExe, const std::wstring& dataFolder, const std::wstring& outFolder,
                    Handover handover = Handover::Files);

}  // namespace corvane::testcaller
