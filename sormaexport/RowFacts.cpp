#include "sormaexport/RowFacts.h"

#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"

namespace corvane {

void RowFactsRecorder::Clear()
{
    m_files.clear();
    m_file = nullptr;
}

void RowFactsRecorder::BeginFile(const std::string& path, std::size_t entry)
{
    ExportFileFacts& facts = m_files.emplace_back();
    facts.path = path;
    facts.entry = entry;
    m_file = &facts;
    m_fileBit = entry < kMaxTrackedFiles ? FileMask{1} << entry : 0;
    m_lastRowLine = 0;
    m_lastRowFields = 0;
    m_lastRowCode = {};
    m_lastRowSample = nullptr;
    m_keys = {};
}

void RowFactsRecorder::EmployeeList()
{
    if (m_file)
        m_file->employeeList = true;
}

void RowFactsRecorder::Heading(long line, const RowKeys& keys)
{
    if (!m_file)
        return;
    m_file->headingLine = line;
    m_file->headingFields = keys.headingFields;
    m_keys = keys;
}

void RowFactsRecorder::Period(int period)
{
    if (m_file)
        m_file->period = period;
}

void RowFactsRecorder::SummaryLine(long line, std::string_view text)
{
    if (!m_file)
        return;
    if (line == exportlayout::kTitleLine)
        m_file->title = text;
    else if (line == exportlayout::kLabelLine)
        m_file->label = text;
    else if (line == exportlayout::kDateLine)
        m_file->dateLine = text;
}

void RowFactsRecorder::Row(long line, std::string_view code, const CsvRowShape& shape, FileMask& files,
                           std::string_view row, std::string_view earlierName)
{
    if (!m_file)
        return;
    ExportFileFacts& facts = *m_file;
    ++facts.rows;
    m_lastRowLine = line;
    m_lastRowFields = shape.fields;
    m_lastRowCode = code;
    m_lastRowSample = nullptr;
    // Unpaired quotes also shift the fields: the row is noted for its quotes only.
    if (!shape.quotesPaired)
        m_lastRowSample = &facts.unpairedQuotes;
    else if (facts.headingLine != 0 && shape.fields != facts.headingFields)
        m_lastRowSample = &facts.fieldCounts;
    // Only rows with a fault are looked at again: a clean file costs nothing here.
    if (m_lastRowSample)
        m_lastRowSample->Add(line, code).owners = OwnerCandidates(row, m_keys);
    if (files & m_fileBit) {
        FaultyRow& repeated = facts.repeatedCodes.Add(line, code);
        if (facts.employeeList) {
            repeated.name.assign(earlierName);
        } else if (m_keys.known) {
            const auto fields = SplitCsvLine(row);
            if (m_keys.nameField < fields.size())
                repeated.name = fields[m_keys.nameField];
        }
    }
    files |= m_fileBit;
}

void RowFactsRecorder::CodelessRow(long line, std::string_view row, const CsvRowShape& shape)
{
    if (!m_file || m_file->headingLine == 0)
        return;
    // A row written without a code has the heading's shape; a "," before a
    // row adds a field, a '"' before it leaves its quotes unpaired.
    if (shape.quotesPaired && shape.fields == m_file->headingFields)
        return;
    // What the stray bytes pushed along begins with the code. A ',', '"' or
    // ' ' byte is never part of a double-byte character.
    const std::size_t start = row.find_first_not_of(",\" ");
    const std::string_view rest = start == std::string_view::npos ? std::string_view() : row.substr(start);
    m_file->shiftedRows.Add(line, rest.substr(0, rest.find_first_of(",\"")));
}

void RowFactsRecorder::EndFile(long line, bool ended)
{
    if (!m_file)
        return;
    ExportFileFacts& facts = *m_file;
    // An export ends every line, the last one too: a last data row without
    // its line end was cut off, short of fields or inside its last field.
    if (!ended && m_lastRowLine == line) {
        facts.cutOffLine = m_lastRowLine;
        facts.cutOffFields = m_lastRowFields;
        facts.cutOffCode = m_lastRowCode;
        if (m_lastRowSample)
            m_lastRowSample->DropLast(m_lastRowLine);
    }
    m_file = nullptr;
}

}  // namespace corvane
