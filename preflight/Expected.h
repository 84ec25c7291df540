#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sormaexport/ExportDate.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ReadView.h"

namespace corvane::preflight {

// In which of the summaries read an employee should have a row: in all of
// them, unless he left. One who left is expected in the periods that begin
// on or before his leaving date (退職年月日); when that date or a period's
// own dates are not known, in none.
class Expected {
public:
    explicit Expected(const ReadView& read);

    bool InPeriod(const RecordView& record, int period) const;
    // In at least one of the periods read.
    bool InSome(const RecordView& record) const;
    // The periods that a summary was read for, ascending.
    const std::vector<int>& Periods() const { return m_periods; }

private:
    std::array<std::optional<exportdate::Date>, exportlayout::kLastPeriod + 1> m_first{};  // nullopt when unknown
    std::vector<int> m_periods;
    std::int32_t m_statusColumn;
    std::int32_t m_leftColumn;
};

}  // namespace corvane::preflight
