#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sormaexport/ExportFileFacts.h"
#include "sormaexport/RowFacts.h"

namespace corvane {

class CSormaKyuuyo;
struct SORMADATA;

// One record of a Read as the checks made before writing see it: read-only,
// and only what they look at.
class RecordView {
public:
    // The employee code that keys the record.
    const std::string& Code() const;
    // Whether it came from an employee list row (its code is in the reader's code list).
    bool Listed() const;
    // Whether a summary row filled some period.
    bool HasFigures() const;
    // Whether a summary row filled `period`.
    bool HasPeriod(int period) const;
    // Bit e for each entry e of the path list (below kMaxTrackedFiles) that had a row with this code.
    FileMask Files() const;
    // Its employee field by column number; "" when it holds none.
    std::string_view EmployeeValue(std::int32_t column) const;
    // Calls visit(period, k, value) for the pay item items[k] in every period
    // it has a row for, in period order.
    void VisitPayValues(const std::vector<std::int32_t>& items,
                        const std::function<void(int period, std::size_t k, std::string_view value)>& visit) const;

private:
    friend class ReadView;
    RecordView(const CSormaKyuuyo& reader, const SORMADATA& record) : m_reader(reader), m_record(record) {}

    const CSormaKyuuyo& m_reader;
    const SORMADATA& m_record;
};

// What the checks made before writing may see of one Read: the facts noted
// per file while reading, and the records read-only. It is made from the
// reader itself, implicitly, so that a caller hands the checks its reader.
class ReadView {
public:
    ReadView(const CSormaKyuuyo& reader);

    // One entry per file read, in the order read.
    const std::vector<ExportFileFacts>& Files() const;
    // The records in creation order.
    std::size_t RecordCount() const;
    RecordView Record(std::size_t index) const;
    // Numbers of the built-in tables' columns and items; -1 for an unknown name.
    std::int32_t EmployeeColumnNumber(const std::string& column) const;
    std::int32_t PayItemNumber(const std::string& item) const;
    // The employee field of the record with `code`; "" when there is none.
    std::string_view EmployeeValue(const std::string& code, std::int32_t column) const;
    // The pay item of the record with `code` in `period`; "" when there is none.
    std::string_view PayValue(const std::string& code, int period, std::int32_t item) const;
    // The record with `code`; none when no row had it.
    std::optional<RecordView> Find(const std::string& code) const;

private:
    const CSormaKyuuyo& m_reader;
};

}  // namespace corvane
