#pragma once

#include <string>
#include <vector>

#include "preflight/Finding.h"
#include "sormaexport/ReadView.h"

namespace corvane::preflight {

// The year (年分) on the summary files' title lines: files of another year
// than the rest, a filing year (申告年度, as typed; "" for none) of another
// year, and bonuses paid outside their file's year. A file without a year
// takes no part.
void CheckYears(const ReadView& read, const std::string& filingYear, std::vector<Finding>& findings);

}  // namespace corvane::preflight
