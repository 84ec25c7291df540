#pragma once

#include <optional>
#include <string>

#include "sormaexport/ExportDate.h"
#include "sormaexport/ExportFileFacts.h"

namespace corvane::preflight {

// The days a summary export's figures cover, as its first lines state them:
// a bonus's 支給日 (first and last alike), a salary month's 集計期間, or
// without that line the label's month in the title's 年分; nullopt when
// the file states none of these.
std::optional<exportdate::DateRange> DaysOf(const ExportFileFacts& facts);

// The 年分 that an export's title line states, as it states it
// (「令和 6年分」); "" when it states none or cannot be read.
std::string StatedYear(const std::string& path);

}  // namespace corvane::preflight
