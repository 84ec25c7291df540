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

// Why a second splitter beside SplitCsvLine: reading the exports is about a
// third of a conversion's time, and the conversion must stay within four
// times the cost of just reading its inputs and writing its output
// (docs/performance.md). SplitCsvLine copies every field of a row into a
// string, while the reader needs a few of a summary row's hundred or so
// fields (the code and the chosen figures). This one hands out views and
// looks at eight bytes at a time: the commas inside quotes are masked out by
// the quotes' running parity, and a word is skipped whole when no wanted field
// ends there, its commas counted at once. That is sound because a code page
// 932 trail byte is 0x40 or above, so a '"' or ',' byte is always a character
// of its own.
//
// The fields of `line` at `positions` (ascending, no repeats), as SplitCsvLine
// would give them there, but as views into `line` and without splitting more
// of the line than the last position needs. out[k] is the field at
// positions[k]; a position past the last field gives "". With `shape`, the
// rest of the line is walked too, to count its fields.
void PickCsvFields(std::string_view line, const std::vector<std::size_t>& positions, std::vector<std::string_view>& out,
                   CsvRowShape* shape = nullptr);

}  // namespace corvane
