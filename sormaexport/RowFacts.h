#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/ExportFileFacts.h"
#include "sormaexport/RowOwner.h"

namespace corvane {

// The entries of a Read's path list that a record remembers having had a row
// in, one bit each: entries 0 to kMaxTrackedFiles - 1 (a job has 18).
constexpr std::size_t kMaxTrackedFiles = 32;
using FileMask = std::conditional_t<kMaxTrackedFiles <= 32, std::uint32_t, std::uint64_t>;
static_assert(kMaxTrackedFiles <= std::numeric_limits<FileMask>::digits,
              "a file mask has a bit for every tracked file");

// Notes, while the reader reads, what the checks made before writing need to
// know of the rows beyond the values the reader keeps: per file its heading,
// the shape and code of every data row, the rows it had to leave out, and
// whether the file ends part-way through a row. The checks see the facts
// through ReadView.
class RowFactsRecorder {
public:
    // Forgets the files of an earlier Read.
    void Clear();

    // A file starts; `entry` is its place in the path list given to Read.
    // Until EndFile, what follows concerns this file.
    void BeginFile(const std::string& path, std::size_t entry);
    void EmployeeList();
    // The heading line and where the rows hold the code and the name.
    void Heading(long line, const RowKeys& keys);
    void Period(int period);
    // A summary file's title, label or date line (exportlayout's numbers).
    void SummaryLine(long line, std::string_view text);
    // Whether a row stored in a record with `files` repeats a code of this file.
    bool Repeats(FileMask files) const { return (files & m_fileBit) != 0; }
    // A data row `row` that the reader stored under `code` (a view valid
    // until the file ends); `files` is the mask of the record it went to;
    // `earlierName` the name an earlier row of the file gave the record.
    void Row(long line, std::string_view code, const CsvRowShape& shape, FileMask& files, std::string_view row,
             std::string_view earlierName = {});
    // A summary row whose code field is empty, which the reader leaves out.
    void CodelessRow(long line, std::string_view row, const CsvRowShape& shape);
    // The file's last line read was `line`; `ended` when it had its line end.
    void EndFile(long line, bool ended);
    // Between BeginFile and EndFile: only then are rows noted.
    bool InFile() const { return m_file != nullptr; }

    // One entry per file read, in the order read.
    const std::vector<ExportFileFacts>& Files() const { return m_files; }

private:
    std::vector<ExportFileFacts> m_files;
    ExportFileFacts* m_file = nullptr;  // the file being read
    RowKeys m_keys;
    FileMask m_fileBit = 0;
    // The file's last data row so far.
    long m_lastRowLine = 0;
    std::size_t m_lastRowFields = 0;
    std::string_view m_lastRowCode;
    RowSample* m_lastRowSample = nullptr;  // where that row was noted as faulty
};

}  // namespace corvane
