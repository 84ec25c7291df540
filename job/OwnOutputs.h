#pragma once

#include <string>
#include <vector>

// The tables this program writes beside the XML, known by their first row so
// that one saved in an export folder is not taken for an export.
namespace corvane::job {

// The headings of the converter's batch summary (--summary), code page 932.
const std::vector<std::string>& BatchSummaryHeadings();

// Whether the fields of a file's first line are the headings of the
// reconciliation table or of the batch summary.
bool IsOwnOutputHeading(const std::vector<std::string>& fields);

}  // namespace corvane::job
