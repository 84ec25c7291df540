#pragma once

#include <string>

namespace corvane {

// The month that a salary summary's label line (its line 3) names, by the
// identification rule: quotes and ASCII spaces removed, "月度給与" somewhere,
// the leading number of the text without it. 1 to 12; -1 for another number
// or none; -2 when "月度給与" is missing.
int SalaryMonthFromLabel(const std::string& line);

}  // namespace corvane
