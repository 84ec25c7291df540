#pragma once

#include <string>
#include <string_view>

#include "preflight/Finding.h"

// The small pieces the findings are worded from (code page 932).
namespace corvane::preflight {

// The pay of a period in words: 「4月の給与」, 「2回目の賞与」.
std::string PeriodWords(int period);
// A whole amount as the clerk reads it: 「600,000円」; the value itself when it is no number.
std::string Yen(std::string_view value);
// A name as a finding shows it: at most a few dozen bytes, cut at a character boundary.
std::string ShortName(std::string_view name);
// An employee as a text names him: 「1001 伊藤　彩」, the code or the name alone when one is missing.
std::string PersonLabel(const Affected& person);
std::string PersonLabel(const std::string& code, std::string_view name);

}  // namespace corvane::preflight
