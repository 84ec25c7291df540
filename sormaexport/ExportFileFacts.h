#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sormaexport/RowOwner.h"

namespace corvane {

// One row with a fault, as the checks name it.
struct FaultyRow {
    long line = 0;
    std::string code;              // the code the reader stored the row under
    std::vector<RowOwner> owners;  // whose the row may really be, most likely first (wrong shapes only)
    std::string name;              // a repeated code: the row's own name field (summaries) or the
                                   // name the earlier row gave the employee (the employee list)
};

// Every row of a file with one kind of fault, in file order. A file has as
// many as it has rows at most: each holds a code and, for a row of the wrong
// shape, its few readings.
struct RowSample {
    std::vector<FaultyRow> rows;

    std::size_t Count() const { return rows.size(); }
    FaultyRow& Add(long line, std::string_view code)
    {
        FaultyRow& row = rows.emplace_back();
        row.line = line;
        row.code.assign(code);
        return row;
    }
    // Takes back the row at `line` when it was the last one added.
    void DropLast(long line)
    {
        if (!rows.empty() && rows.back().line == line)
            rows.pop_back();
    }
};

// What the reader noticed about one export file while reading it, beyond
// the values it keeps: the shape of every data row against the heading line.
struct ExportFileFacts {
    std::string path;
    std::size_t entry = 0;  // its place in the path list given to Read
    bool employeeList = false;
    int period = -1;  // a summary file's period; -1 when its rows were not read
    // A summary file's title, label and date lines as read (code page 932):
    // the year it belongs to and the days it covers; "" when missing.
    std::string title;
    std::string label;
    std::string dateLine;
    long headingLine = 0;  // 0 when the file has no heading line
    std::size_t headingFields = 0;
    std::size_t rows = 0;      // data rows read
    RowSample fieldCounts;     // rows whose number of fields differs from the heading's
    RowSample unpairedQuotes;  // rows whose double quotes do not pair up
    RowSample repeatedCodes;   // rows whose code an earlier row of the file had
    // Summary rows left out for an empty code field whose shape differs from
    // the heading's: a stray "," or '"' before the row pushed its code along.
    // The code kept is the first text after the stray bytes.
    RowSample shiftedRows;
    long cutOffLine = 0;  // the last line, when it is a data row without a line end
    std::size_t cutOffFields = 0;
    std::string cutOffCode;
};

}  // namespace corvane
