#pragma once

#include <string>
#include <vector>

#include "preflight/Finding.h"
#include "preflight/FindingText.h"

namespace corvane {

class CExportXMLVeld;

namespace preflight {

// What the reconciliation table's heading block states (code page 932).
struct ReportHeading {
    std::string company;
    std::string year;  // the exports' 年分 as they state it (「令和 6年分」); "" when unknown
    std::string filingYear;
    std::string date;  // the day it was made, 「2026/12/09」
};

// The table's first line, its title alone (code page 932): the folder sort
// knows the table by it, and by the employees' headings that began it before.
const std::string& ReconciliationTitle();
// The headings of the employees' rows.
const std::vector<std::string>& ReconciliationHeadings();

// The reconciliation table of a conversion as CSV in code page 932 with CR LF
// line ends: the title and the heading block; one row per employee of the
// store, in the order of the file, with the periods that have figures and the
// year's sums of the salaries and of the bonuses, then their 合計 row; then,
// after an empty line, one row per finding and employee concerned, 要修正
// first: level, kind, file, line, column, code, name, value, outcome.
std::string ReconciliationCsv(const CExportXMLVeld& store, const std::vector<Finding>& findings,
                              const PathDisplay& display, const ReportHeading& heading);

}  // namespace preflight
}  // namespace corvane
