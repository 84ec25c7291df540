#include "sormaexport/RowFacts.h"

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
    m_lastRowSample = nullptr;
}

void RowFactsRecorder::EmployeeList()
{
    if (m_file)
        m_file->employeeList = true;
}

void RowFactsRecorder::Heading(long line, std::size_t fields)
{
    if (!m_file)
        return;
    m_file->headingLine = line;
    m_file->headingFields = fields;
}

void RowFactsRecorder::Period(int period)
{
    if (m_file)
        m_file->period = period;
}

void RowFactsRecorder::Row(long line, std::string_view code, const CsvRowShape& shape, FileMask& files)
{
    if (!m_file)
        return;
    ExportFileFacts& facts = *m_file;
    ++facts.rows;
    m_lastRowLine = line;
    m_lastRowFields = shape.fields;
    m_lastRowSample = nullptr;
    // Unpaired quotes also shift the fields: the row is noted for its quotes only.
    if (!shape.quotesPaired)
        m_lastRowSample = &facts.unpairedQuotes;
    else if (facts.headingLine != 0 && shape.fields != facts.headingFields)
        m_lastRowSample = &facts.fieldCounts;
    if (m_lastRowSample)
        m_lastRowSample->Add(line, code);
    if (files & m_fileBit)
        facts.repeatedCodes.Add(line, code);
    files |= m_fileBit;
}

void RowFactsRecorder::EndFile(long line, bool ended)
{
    if (!m_file)
        return;
    ExportFileFacts& facts = *m_file;
    // A file cut off part-way ends in a row without its line end and its last fields.
    if (!ended && m_lastRowLine == line && m_lastRowFields < facts.headingFields) {
        facts.cutOffLine = m_lastRowLine;
        facts.cutOffFields = m_lastRowFields;
        if (m_lastRowSample)
            m_lastRowSample->DropLast(m_lastRowLine);
    }
    m_file = nullptr;
}

}  // namespace corvane
