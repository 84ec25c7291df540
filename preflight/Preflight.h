#pragma once

#include <string>
#include <vector>

#include "preflight/Finding.h"
#include "sormaexport/ReadView.h"

namespace corvane {

class CSormaItemCheck;

namespace preflight {

// Looks at what the reader read from one job's exports, and at what it
// noticed while reading, for whatever would make the written figures wrong
// or missing. Reads no file. A clean export set gives no findings. Callers
// hand over the reader itself (a ReadView is made from it). `filingYear`:
// the job's 申告年度 as typed, compared with the summaries' year; "" for none.
std::vector<Finding> VerifyExports(const ReadView& read, const CSormaItemCheck& items,
                                   const std::string& filingYear = std::string());

// Every employee with a row in the export at `path`, in the order of the
// records, named as the employee list names them.
std::vector<Affected> EmployeesOfFile(const ReadView& read, const std::string& path);

}  // namespace preflight
}  // namespace corvane
