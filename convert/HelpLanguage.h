#pragma once

namespace corvane::convert {

// Whether the user reads Japanese: on Windows, a Japanese user interface
// language; elsewhere, the first of LC_ALL, LC_MESSAGES and LANG that is set
// names a "ja" locale.
bool UserReadsJapanese();

}  // namespace corvane::convert
