#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

// The fields of `line` at `positions` (ascending, no repeats), as SplitCsvLine
// would give them there, but as views into `line` and without splitting more
// of the line than the last position needs. out[k] is the field at
// positions[k]; a position past the last field gives "".
void PickCsvFields(std::string_view line, const std::vector<std::size_t>& positions,
                   std::vector<std::string_view>& out);

}  // namespace corvane
