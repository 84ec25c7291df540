#pragma once

#include <cstddef>
#include <string>

namespace corvane::preflight {

// What a check of the exports found that would make the written figures
// wrong or missing. The order is the order in which findings are listed:
// figures left out (rows, employees, whole files), then rows read wrongly,
// then values.
enum class FindingKind {
    UnlistedCodes,   // summary rows whose employee code the employee list lacks
    ShiftedRow,      // summary rows left out: a stray "," or '"' before them emptied their code field
    NoFigures,       // listed employees without a row in any summary file
    EmptySummary,    // a summary file without any employee row
    FieldCount,      // rows whose number of fields differs from the heading line's
    UnpairedQuotes,  // rows whose double quotes do not pair up
    CutOff,          // a file that ends part-way through a row, or without the last row's line end
    RepeatedCode,    // one employee code on two rows of one file
    BadDate,         // an employee list date that converts to no date
    NotANumber,      // a figure of a chosen pay column that is no number
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
