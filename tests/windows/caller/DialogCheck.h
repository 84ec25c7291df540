#pragma once

#include <string>

namespace corvane::testcaller {

// Creates every dialog of corvane.exe's resources and checks its keyboard
// structure: the radio buttons of one group box form one group (the first
// starts it and is the only tab stop, nothing between them starts another,
// the group ends before any other kind of control), read-only fields and
// texts are no tab stops, every other field, list and button is one.
// Prints one line per dialog; returns the number of failed dialogs.
int CheckDialogs(const std::wstring& corvaneExe);

}  // namespace corvane::testcaller
