#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

// SplitCsvLine for the reader's data rows: the same fields, as views into
// `line`, without copying. Stops after `maxFields` fields, so that a row is
// split only as far as the columns in use; the fields it yields are those
// that SplitCsvLine gives at the same positions.
void SplitCsvFieldViews(std::string_view line, std::vector<std::string_view>& fields,
                        std::size_t maxFields);

}  // namespace corvane
