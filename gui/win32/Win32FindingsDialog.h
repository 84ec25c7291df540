#pragma once

#include <optional>

#include "platform/MessageBox.h"

namespace corvane::win32 {

// The findings box as a dialog of our own: the question on top, the details
// in a read-only text area that scrolls and can be selected from, under a
// label of our own. The box is resizable and opens tall enough for
// kShownLines lines of details, within the monitor's work area. いいえ is the
// default; Escape and the close box answer いいえ. 一覧をコピー puts the
// details whole on the clipboard.
constexpr int kShownLines = 15;

// None when the dialog could not be made.
std::optional<platform::Answer> ShowFindingsDialog(const platform::FindingsBox& box);

}  // namespace corvane::win32
