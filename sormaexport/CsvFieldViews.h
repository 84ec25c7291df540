#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

// The shape of a whole line as SplitCsvLine would split it: its number of
// fields, and whether its double quotes pair up.
struct CsvRowShape {
    std::size_t fields = 0;
    bool quotesPaired = true;
};

// The fields of `line` at `positions` (ascending, no repeats), as SplitCsvLine
// would give them there, but as views into `line` and without splitting more
// of the line than the last position needs. out[k] is the field at
// positions[k]; a position past the last field gives "". With `shape`, the
// rest of the line is walked too, to count its fields.
void PickCsvFields(std::string_view line, const std::vector<std::size_t>& positions,
                   std::vector<std::string_view>& out, CsvRowShape* shape = nullptr);

}  // namespace corvane
