#pragma once

#include <cstddef>
#include <string>

namespace corvane::preflight {

// What a check of the exports found that would make the written figures
// wrong or missing. The order is the order in which findings are listed:
// certain doubles first, then figures left out (rows, employees, whole
// files), then rows read wrongly, then values.
// Give no values: the kinds are numbered from 0 in this order, which is how
// AllFindingKinds() lists them. Each kind's title and description are in
// preflight/FindingText.cpp, in switches that the compiler checks are complete.
enum class FindingKind {
    SameContent,
    UnlistedCodes,
    ShiftedRow,
    NoFigures,
    EmptySummary,
    FieldCount,
    UnpairedQuotes,
    CutOff,
    RepeatedCode,
    BadDate,
    NotANumber,
};

struct Finding {
    FindingKind kind = FindingKind::UnlistedCodes;
    std::string file;       // the export it concerns (operating system's path); "" for none
    long line = 0;          // the first line it concerns; 0 for none
    std::string employee;   // the first employee code it concerns; "" for none
    std::size_t count = 0;  // rows or employees concerned
    std::string text;       // what was found, code page 932
};

}  // namespace corvane::preflight
