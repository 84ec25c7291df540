#pragma once

#include <string>
#include <vector>

// The tables this program writes beside the XML, known by their first row so
// that one saved in an export folder is not taken for an export.
namespace corvane::job {

// The headings of the converter's batch summary (--summary), code page 932.
const std::vector<std::string>& BatchSummaryHeadings();

// Whether the fields of a file's first line are the reconciliation table's
// title (or the employees' headings that began it before) or the batch
// summary's headings.
bool IsOwnOutputHeading(const std::vector<std::string>& fields);

}  // namespace corvane::job
