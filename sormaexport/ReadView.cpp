#include "sormaexport/ReadView.h"

#include "sormaexport/CSormaKyuuyo.h"

namespace corvane {

const std::string& RecordView::Code() const
{
    return m_record.code;
}

bool RecordView::Listed() const
{
    return m_reader.IsListed(m_record);
}

bool RecordView::HasFigures() const
{
    return m_record.filledPeriods != 0;
}

bool RecordView::HasPeriod(int period) const
{
    return period >= 1 && period <= 32 && (m_record.filledPeriods & (1u << (period - 1))) != 0;
}

FileMask RecordView::Files() const
{
    return m_record.files;
}

std::string_view RecordView::EmployeeValue(std::int32_t column) const
{
    return m_reader.EmployeeValue(m_record, column);
}

void RecordView::VisitPayValues(const std::vector<std::int32_t>& items,
                                const std::function<void(int, std::size_t, std::string_view)>& visit) const
{
    m_reader.VisitPayValues(m_record, items, visit);
}

ReadView::ReadView(const CSormaKyuuyo& reader) : m_reader(reader) {}

const std::vector<ExportFileFacts>& ReadView::Files() const
{
    return m_reader.m_rowFacts.Files();
}

std::size_t ReadView::RecordCount() const
{
    return m_reader.m_records.size();
}

RecordView ReadView::Record(std::size_t index) const
{
    return RecordView(m_reader, m_reader.m_records[index]);
}

std::int32_t ReadView::EmployeeColumnNumber(const std::string& column) const
{
    return m_reader.EmployeeColumnNumber(column);
}

std::int32_t ReadView::PayItemNumber(const std::string& item) const
{
    return m_reader.PayItemNumber(item);
}

std::string_view ReadView::EmployeeValue(const std::string& code, std::int32_t column) const
{
    return m_reader.GetEmployeeValueView(code, column);
}

std::string_view ReadView::PayValue(const std::string& code, int period, std::int32_t item) const
{
    return m_reader.GetPayValueView(code, period, item);
}

std::optional<RecordView> ReadView::Find(const std::string& code) const
{
    const SORMADATA* record = m_reader.FindRecord(code);
    if (!record)
        return std::nullopt;
    return RecordView(m_reader, *record);
}

}  // namespace corvane
