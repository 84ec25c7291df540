#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Splits one line of an export file or of the settings file at the commas
// that lie outside double quotes. The line is trimmed of ASCII white space
// first; fields are not. Quote characters stay in the fields, bytes of
// double-byte characters are never taken for quotes or commas, and a line
// always yields at least one field.
std::vector<std::string> SplitCsvLine(std::string_view line);

// The same, filling `fields` (reusing its storage) instead of returning a new list.
void SplitCsvLine(std::string_view line, std::vector<std::string>& fields);

// True when every field of the line is empty after trimming: a row of only
// commas and ASCII white space, as spreadsheets leave at the end of a file.
bool IsBlankCsvRow(std::string_view line);

}  // namespace corvane
