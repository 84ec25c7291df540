#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Rows with one kind of fault: how many there are, and the first few of them.
struct RowSample {
    static constexpr std::size_t kKept = 5;

    std::size_t count = 0;
    std::vector<long> lines;         // the first kKept line numbers
    std::vector<std::string> codes;  // the employee code of each kept line

    void Add(long line, std::string_view code)
    {
        ++count;
        if (lines.size() < kKept) {
            lines.push_back(line);
            codes.emplace_back(code);
        }
    }
    // Takes back the row at `line` when it was the last one added.
    void DropLast(long line)
    {
        if (count == 0)
            return;
        --count;
        if (!lines.empty() && lines.back() == line) {
            lines.pop_back();
            codes.pop_back();
        }
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
