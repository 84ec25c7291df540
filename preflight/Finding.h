#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

// How sure a finding is that the output is wrong: MustFix (要修正) when it
// certainly is for someone, ToConfirm (要確認) when it may be right. MustFix
// findings are listed first. The level's name is LevelTitle() in FindingText.
enum class Level {
    MustFix,
    ToConfirm,
};

// One employee a finding concerns, named as the employee list holds them,
// never by a fragment of a broken line.
struct Affected {
    std::string code;     // the employee code; "" when none could be read
    std::string name;     // the employee list's name, cut at a character boundary; "" when unlisted
    long line = 0;        // the line of the finding's file, as a spreadsheet numbers it; 0 for none
    std::string value;    // the value concerned, as the export holds it; "" for none
    std::string outcome;  // what the output will hold for this employee, code page 932; "" when
                          // the finding's outcome says it for everyone
};

struct Finding {
    FindingKind kind = FindingKind::UnlistedCodes;
    Level level = Level::MustFix;
    std::string file;                // the export it concerns (operating system's path); "" for none
    long line = 0;                   // the first line it concerns; 0 for none
    std::string employee;            // the first employee code it concerns; "" for none
    std::size_t count = 0;           // rows or employees concerned
    std::string text;                // what was found, code page 932
    std::string column;              // the column heading concerned, code page 932; "" for none
    std::vector<Affected> affected;  // every employee concerned, in file order
    std::string outcome;             // what the output will hold, in words, code page 932
    std::string fix;                 // one plain instruction to mend it at the source, code page 932
};

}  // namespace corvane::preflight
