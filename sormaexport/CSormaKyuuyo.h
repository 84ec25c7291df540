#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Messenger.h"
#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/RowFacts.h"
#include "sormaexport/SORMADATA.h"
#include "sormaexport/SORMATABLEINFO.h"

namespace corvane {

namespace text {
class LineReader;
}
class CSormaItemCheck;

// Reads the employee list and the summary exports of one conversion job and
// answers lookups by employee code, column, item and period.
//
// Why the records are packed: the reader holds every export of a job at once,
// and the conversion's peak memory must stay within the input's size plus
// 50 MiB (docs/performance.md: 54.6 MiB for 61.1 MiB of exports at 10,000
// employees). Many values are a few digits, and a std::string per value costs
// 32 bytes before its text, more than the value took in the export. So each
// SORMADATA keeps its values back to back in one PackedValues buffer (the
// bytes plus a four-byte end each), only for the columns and items that a
// header placed, and the lookups hand out views into it instead of copies.
class CSormaKyuuyo {
public:
    explicit CSormaKyuuyo(const platform::Messenger& messenger);
    ~CSormaKyuuyo();
    CSormaKyuuyo(const CSormaKyuuyo&) = delete;
    CSormaKyuuyo& operator=(const CSormaKyuuyo&) = delete;

    // Reads the first `count` entries of `paths`: salary slots 1 to 12, bonus
    // slots 1 to 5 ("" for an empty slot), then the employee list. False when
    // a missing or unopenable file, an employee list without "コード" in its
    // header or without any employee row, or an employee row without code
    // stopped the reading (the code list is then empty). Rows of nothing but
    // commas and blanks count as empty lines.
    bool Read(const std::vector<std::string>& paths, int count, const CSormaItemCheck& items);

    const std::string& GetCompanyName() const { return m_companyName; }
    const std::vector<std::string>& GetEmployeeCodes() const { return m_employeeCodes; }
    // The lookups answer "" when there is nothing to return: views into the
    // records' packed values, valid until the reader is destroyed or reads
    // rows again.
    std::string_view GetEmployeeValueView(const std::string& code, const std::string& column) const;
    std::string_view GetPayValueView(const std::string& code, int period, const std::string& item) const;
    // The same by the column's or item's number in its built-in table, which
    // never changes: for callers that look the same names up for every employee.
    // -1 for a name that is not in the table.
    std::int32_t EmployeeColumnNumber(const std::string& column) const;
    std::int32_t PayItemNumber(const std::string& item) const;
    std::string_view GetEmployeeValueView(const std::string& code, std::int32_t column) const;
    std::string_view GetPayValueView(const std::string& code, int period, std::int32_t item) const;
    const std::string& GetDepartmentCode(const std::string& name) const;
    const std::string& GetPayeeCode(const std::string& name) const;

    // Two of the messages that stop Read: an export that is missing; an
    // employee list without employees (followed by the file's path).
    static const std::string& FileMissingMessage();
    static const std::string& NoEmployeesMessage();

    // The steps of Read, open for tests.
    void ParseHeader(const std::string& keyword, const std::string& line);
    bool ReadEmployeeRow(const std::string& line);
    void ReadPayRow(const std::string& line, int period);
    // The period of an exact label line: 1 to 12, 14, 15; -1 when none matches.
    static int PeriodFromLabel(const std::string& line);
    static std::string RemoveQuotesAndCommas(const std::string& value);

private:
    // The checks made before writing see the records and the row facts
    // through these, read-only.
    friend class ReadView;
    friend class RecordView;

    enum class FileKind { None, EmployeeList, Summary };

    // A column (or pay item) that a header placed: which picked field of a
    // data row holds its value, and where the value goes in a record.
    struct PlacedColumn {
        std::size_t pick;
        std::size_t slot;
        bool amount;
    };

    // The fields of a data row that are read, and where each value goes.
    struct RowLayout {
        std::vector<std::size_t> positions;  // field positions to pick, ascending
        std::vector<PlacedColumn> columns;
        std::size_t codePick = 0;
        std::vector<std::int32_t> columnOfSlot;  // per slot: its entry of `columns`; -1 when not placed now
        // Turns the field positions held in the columns' `pick` into indexes
        // of `positions`, and maps the `slots` slots to their columns.
        void Build(std::size_t codeField, std::size_t slots);
    };

    bool ReadFile(const std::string& path, std::size_t entry, std::size_t summaryFilesLeft);
    bool ReadLines(text::LineReader& reader, std::size_t entry, std::size_t summaryFilesLeft, const std::string& path);
    static int LabelPeriod(const std::string& line, std::size_t entry);
    void ParseEmployeeHeader(const std::string& line);
    void ParsePayHeader();
    // Where the employee list's rows hold the code and the name, by its header.
    RowKeys EmployeeRowKeys(std::size_t headingFields) const;
    // `number` is the row's line in the file being read (0 outside Read).
    bool ReadEmployeeFields(std::string_view line, long number);
    void ReadPayFields(std::string_view line, int period, long number);
    // Builds the values of the slots 0 to slots - 1 in m_row: the row's value
    // for a placed slot, the record's earlier value (from `kept`) for another.
    void BuildRow(const RowLayout& layout, std::size_t slots, const SORMADATA& record, std::size_t kept,
                  std::size_t keptCount);
    void AppendValue(std::string_view value, bool amount);
    void WidenPayRows(std::size_t stride);

    SORMADATA& RecordFor(std::string_view code);
    const SORMADATA* FindRecord(const std::string& code) const;
    std::string_view StoredEmployeeField(const SORMADATA& record, std::int32_t column) const;
    // Where a lookup's value is held in `record`; false when it holds none.
    bool EmployeeValueIndex(const SORMADATA& record, std::int32_t column, std::size_t& index) const;
    bool PayValueIndex(const SORMADATA& record, int period, std::int32_t item, std::size_t& index) const;

    void CollectEmployeeCodes();
    void Number(const std::string& column, const char* format,
                std::unordered_map<std::string, std::string>& numbers) const;

    // For the views: whether the record came from an employee list row (its
    // code is in GetEmployeeCodes); its employee field by column number,
    // without a lookup of its code; and visit(period, k, value) for the pay
    // item items[k] in every period it has a row for, in period order, in one
    // pass over the record.
    bool IsListed(const SORMADATA& record) const;
    std::string_view EmployeeValue(const SORMADATA& record, std::int32_t column) const;
    void VisitPayValues(const SORMADATA& record, const std::vector<std::int32_t>& items,
                        const std::function<void(int period, std::size_t k, std::string_view value)>& visit) const;

    const platform::Messenger& m_messenger;
    SORMATABLEINFO m_employeeTable;
    SORMATABLEINFO m_payTable;
    std::int32_t m_employeeCodeColumn;
    std::int32_t m_employeeNameColumn;

    // Records in creation order; a deque, so that the index's views of their
    // codes stay valid as records are added.
    std::deque<SORMADATA> m_records;
    std::unordered_map<std::string_view, std::size_t> m_recordIndex;
    // The exports list the employees in much the same order file after file,
    // so records near the last one used are tried before the index.
    std::size_t m_nextRecord = 0;
    std::size_t m_resumeRecord = 0;
    // The lookups come employee by employee: the last record found is tried first.
    mutable const SORMADATA* m_lastFound = nullptr;
    mutable std::size_t m_lastFoundPosition = 0;  // of m_lastFound in m_records

    std::vector<std::string> m_employeeCodes;
    std::string m_companyName;
    std::unordered_map<std::string, std::string> m_departmentCodes;
    std::unordered_map<std::string, std::string> m_payeeCodes;
    const CSormaItemCheck* m_items = nullptr;

    // Slots are handed out when a header first places a column and are never
    // taken back, so values stored under an earlier header stay readable.
    std::vector<std::int32_t> m_employeeSlots;  // per employee column; -1 when never placed
    std::size_t m_employeeSlotCount = 0;
    RowLayout m_employeeRow;
    std::vector<std::int32_t> m_paySlots;  // per pay item; コード has none (its value is the code)
    std::size_t m_payStride = 0;
    RowLayout m_payRow;
    std::size_t m_payRowsExpected = 0;  // pay rows a new record can still get in this Read

    RowFactsRecorder m_rowFacts;

    std::string m_line;
    std::vector<std::string_view> m_fields;
    PackedValues m_row;
};

}  // namespace corvane
