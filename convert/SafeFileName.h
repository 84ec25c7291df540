#pragma once

#include <string>

namespace corvane::convert {

// `company` made a file name that Windows and Linux both take (code page
// 932): enclosing quotes dropped, characters that either forbids and control
// characters replaced by "_", trailing dots and spaces dropped, device names
// given a "_"; "" when nothing is left.
std::string SafeFileName(const std::string& company);

}  // namespace corvane::convert
