#pragma once

#include <string>
#include <vector>

#include "preflight/Finding.h"
#include "preflight/FindingText.h"

namespace corvane {

class CExportXMLVeld;

namespace preflight {

// The reconciliation table of a conversion as CSV in code page 932 with CR LF
// line ends: one row per employee of the store, in the order of the file,
// with the periods that have figures and the year's sums of the salaries and
// of the bonuses; then, after an empty line, the findings.
// The table's first row, its headings (code page 932): the folder sort knows
// the table by them.
const std::vector<std::string>& ReconciliationHeadings();

std::string ReconciliationCsv(const CExportXMLVeld& store, const std::vector<Finding>& findings,
                              const PathDisplay& display);

}  // namespace preflight
}  // namespace corvane
