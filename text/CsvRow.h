#pragma once

#include <string>
#include <vector>

namespace corvane::text {

// One row of a CSV file that spreadsheet programs open: the fields joined
// by commas, a field quoted (its quotes doubled) when it holds a comma, a
// quote or a line break, and CR LF at the end. A quote or comma byte is never
// part of a double-byte character, so code page 932 fields pass unchanged.
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace corvane::text
