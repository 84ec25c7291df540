#pragma once

#include <string>
#include <vector>

#include "checklist/CheckList.h"

namespace corvane::checklist {

// The check list as one self-contained UTF-8 HTML page: inline style, no
// script, no other file; printed on A4 portrait with the tables' headings on
// every page and no row split. Sections, in order: heading, verdict,
// findings, totals per payment, per employee, item correspondence, input
// files, sign-off.
std::string CheckListHtml(const CheckList& list);

// The months or bonuses as ranges: {1..12} "1～12", {1,2,3,4,6} "1～4・6";
// "" for none.
std::string PeriodRanges(const std::vector<int>& periods);

// One company of a batch for its index page.
struct IndexEntry {
    std::string company;  // the company's name, or its folder when it has none
    std::string folder;
    bool converted = false;
    LevelCounts counts;
    int employees = 0;
    Amounts totals;      // the grand total of the payments
    std::string link;    // the check list's file name, beside the index; "" when none was written
    std::string reason;  // why the company was refused or failed
};

// The batch's index: one row per company with its verdict, counts,
// employees, totals and a link to its check list; refused companies with
// their reason.
std::string BatchIndexHtml(const std::vector<IndexEntry>& entries, const std::string& madeAt,
                           const std::string& version);

}  // namespace corvane::checklist
