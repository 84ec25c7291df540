#pragma once

namespace corvane::testcaller {

// Starts the program that the shortcut `lnk` points at, waits for its wizard,
// writes a picture of it to `bmpPath` (unless null), presses Escape in it and
// expects the program to end. Prints one line per check; 0 when every check
// passed.
int RunShortcutTest(const wchar_t* lnk, const wchar_t* bmpPath);

}  // namespace corvane::testcaller
