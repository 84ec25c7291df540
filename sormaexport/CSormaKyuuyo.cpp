#include "sormaexport/CSormaKyuuyo.h"

#include <algorithm>
#include <bit>

#include "fileio/FileStatus.h"
#include "items/CSormaItemCheck.h"
#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/SalaryLabel.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "text/LineReader.h"

namespace corvane {

namespace {

const char* const kCodeColumn = "コード";
const char* const kNameColumn = "氏名";
// A summary row's code and name fields.
constexpr std::size_t kSummaryCodeField = 0;
constexpr std::size_t kSummaryNameField = 1;
const char* const kDepartmentColumn = "所属部門";
const char* const kPayeeColumn = "住民税･納付先";
const char* const kFullWidthSpace = "　";
const char* const kFullWidthDot = "・";
const char* const kHalfWidthDot = "･";

const char* const kFileMissingMessage = "ファイルが存在しません。";
const char* const kNoCodeMessage =
    "従業員コードがない従業員が存在するため、処理を継続できません。\n"
    "ヴェルドでは、社員コード（＝従業員コード）は必須となります。\n\n"
    "従業員コードを入力後、再度「従業員一覧」を作成してください。";
const char* const kNoCodeColumnMessage =
    "従業員一覧表に「コード」の項目がないため、処理を継続できません。\n"
    "「コード」の項目を含めて、再度「従業員一覧」を作成してください。\n\n";
const char* const kNoCompanyMessage =
    "従業員一覧表の1行目に関与先名がないため、処理を継続できません。\n"
    "関与先名を入力後、再度「従業員一覧」を作成してください。\n\n";
const char* const kNoEmployeesMessage =
    "従業員一覧表に従業員が存在しないため、処理を継続できません。\n"
    "従業員を登録後、再度「従業員一覧」を作成してください。\n\n";
const char* const kBadKeywordMessage = "不正なキーワードを検出しました。";
const char* const kNoTableMessage = "PROGRAM ERROR\nNOT EXIST TABLEINFO";
const char* const kNoColumnMessage = "PROGRAM ERROR\nNOT EXIST COLUMNINFO";
const char* const kNoRealIndexMessage = "PROGRAM ERROR\nNOT EXIST REALINDEX";

using exportlayout::kLastPeriod;

const std::string& Empty()
{
    static const std::string empty;
    return empty;
}

std::int32_t ColumnOf(const SORMATABLEINFO& table, const std::string& name)
{
    const auto found = table.index.find(name);
    return found == table.index.end() ? -1 : found->second;
}

bool IsPeriod(int period)
{
    return period >= 1 && period <= kLastPeriod;
}

std::uint32_t PeriodBit(int period)
{
    return 1u << (period - 1);
}

}  // namespace

CSormaKyuuyo::CSormaKyuuyo(const platform::Messenger& messenger)
    : m_messenger(messenger),
      m_employeeTable(EmployeeTable()),
      m_payTable(PayTable()),
      m_employeeCodeColumn(ColumnOf(m_employeeTable, kCodeColumn)),
      m_employeeNameColumn(ColumnOf(m_employeeTable, kNameColumn)),
      m_employeeSlots(m_employeeTable.columns.size(), -1),
      m_paySlots(m_payTable.columns.size(), -1)
{}

CSormaKyuuyo::~CSormaKyuuyo() = default;

const std::string& CSormaKyuuyo::FileMissingMessage()
{
    static const std::string text = kFileMissingMessage;
    return text;
}

const std::string& CSormaKyuuyo::NoEmployeesMessage()
{
    static const std::string text = kNoEmployeesMessage;
    return text;
}

bool CSormaKyuuyo::Read(const std::vector<std::string>& paths, int count, const CSormaItemCheck& items)
{
    m_items = &items;
    m_employeeCodes.clear();
    m_rowFacts.Clear();
    const std::size_t entries = count <= 0 ? 0 : std::min(paths.size(), static_cast<std::size_t>(count));
    std::size_t filesLeft =
        static_cast<std::size_t>(std::count_if(paths.begin(), paths.begin() + static_cast<std::ptrdiff_t>(entries),
                                               [](const std::string& path) { return !path.empty(); }));
    for (std::size_t entry = 0; entry < entries; ++entry) {
        const std::string& path = paths[entry];
        if (path.empty())
            continue;
        if (!fileio::FileExists(path)) {
            m_messenger.Warn(kFileMissingMessage);
            return false;
        }
        if (!ReadFile(path, entry, filesLeft--))
            return false;
    }
    CollectEmployeeCodes();
    Number(kDepartmentColumn, "%04d", m_departmentCodes);
    Number(kPayeeColumn, "%03d", m_payeeCodes);
    return true;
}

bool CSormaKyuuyo::ReadFile(const std::string& path, std::size_t entry, std::size_t summaryFilesLeft)
{
    text::LineReader reader;
    if (!reader.Open(path))
        return false;
    m_rowFacts.BeginFile(path, entry);
    const bool read = ReadLines(reader, entry, summaryFilesLeft, path);
    m_rowFacts.EndFile(reader.LineNumber(), reader.LineEnded());
    return read;
}

bool CSormaKyuuyo::ReadLines(text::LineReader& reader, std::size_t entry, std::size_t summaryFilesLeft,
                             const std::string& path)
{
    m_payRowsExpected = std::min<std::size_t>(summaryFilesLeft, kLastPeriod);  // this file and those after it
    m_nextRecord = 0;
    m_resumeRecord = 0;
    FileKind kind = FileKind::None;
    int period = -1;
    std::size_t employeeRows = 0;
    // Without its code column or without one employee a list converts to
    // nothing: that is said, naming the file, rather than failing silently.
    auto refuseList = [&](const char* why) {
        m_messenger.Warn(why + m_messenger.DisplayPath(path));
        return false;
    };
    auto codePlaced = [this] {
        return m_employeeCodeColumn >= 0 &&
               m_employeeTable.columns[static_cast<std::size_t>(m_employeeCodeColumn)].realIndex >= 0;
    };
    std::string& line = m_line;
    CsvRowShape heading;
    while (reader.Next(line)) {
        const long number = reader.LineNumber();
        const std::string_view trimmed = text::TrimRight(line);
        if (IsBlankCsvRow(trimmed))
            continue;
        if (number == exportlayout::kTitleLine) {
            if (trimmed.starts_with(exportlayout::EmployeeListTitle())) {
                const auto fields = SplitCsvLine(trimmed);
                if (fields.size() < 2)
                    return refuseList(kNoCompanyMessage);
                m_companyName = fields[1];
                kind = FileKind::EmployeeList;
                m_rowFacts.EmployeeList();
            } else {
                kind = FileKind::Summary;
                m_rowFacts.SummaryLine(number, trimmed);
            }
            continue;
        }
        if (kind == FileKind::None)
            break;  // the rest of the file is ignored
        const long headingLine =
            kind == FileKind::EmployeeList ? exportlayout::kEmployeeHeadingLine : exportlayout::kSummaryHeadingLine;
        if (number == headingLine) {
            if (kind == FileKind::EmployeeList)
                ParseEmployeeHeader(std::string(trimmed));
            else
                ParsePayHeader();
            PickCsvFields(trimmed, {}, m_fields, &heading);
            m_rowFacts.Heading(number, kind == FileKind::EmployeeList
                                           ? EmployeeRowKeys(heading.fields)
                                           : RowKeys{heading.fields, kSummaryCodeField, kSummaryNameField, true});
            continue;
        }
        if (kind == FileKind::Summary && number == exportlayout::kLabelLine) {
            m_rowFacts.SummaryLine(number, trimmed);
            period = LabelPeriod(std::string(trimmed), entry);
            if (period == -1)
                break;  // not a period that this file can fill
            m_rowFacts.Period(period);
            continue;
        }
        if (number < headingLine) {
            if (kind == FileKind::Summary && number == exportlayout::kDateLine)
                m_rowFacts.SummaryLine(number, trimmed);
            continue;
        }
        if (kind == FileKind::EmployeeList) {
            if (!codePlaced())
                return refuseList(kNoCodeColumnMessage);
            if (!ReadEmployeeFields(trimmed, number))
                return false;
            ++employeeRows;
        } else {
            ReadPayFields(trimmed, period, number);
        }
    }
    // A read error part-way would silently drop the rest of the file.
    if (reader.Failed())
        return false;
    if (kind == FileKind::EmployeeList && employeeRows == 0)
        return refuseList(codePlaced() ? kNoEmployeesMessage : kNoCodeColumnMessage);
    return true;
}

int CSormaKyuuyo::LabelPeriod(const std::string& line, std::size_t entry)
{
    const int salaryEntries = exportlayout::kSalaryMonths;
    if (entry >= static_cast<std::size_t>(salaryEntries))
        return exportlayout::BonusPeriod(static_cast<int>(entry) - salaryEntries + 1);
    const int period = PeriodFromLabel(line);
    if (period != -1)
        return period;
    // A label that the salary file check accepts for a month is read as that
    // month; otherwise the wizard would report success without the month.
    const int month = SalaryMonthFromLabel(line);
    return month >= 1 ? month : -1;
}

int CSormaKyuuyo::PeriodFromLabel(const std::string& line)
{
    const std::string& salaryMark = exportlayout::SalaryLabelMark();
    static const std::string kSummerBonus = "夏期賞与";
    static const std::string kWinterBonus = "冬期賞与";
    const std::string unquoted = text::RemoveSingle(line, '"');
    const std::string_view label = text::Trim(unquoted);
    if (label == kSummerBonus)
        return exportlayout::BonusPeriod(1);
    if (label == kWinterBonus)
        return exportlayout::BonusPeriod(2);
    if (!label.ends_with(salaryMark))
        return -1;
    const std::string_view number = label.substr(0, label.size() - salaryMark.size());
    if (number.empty() || number.size() > 2 || number.front() == '0' ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    const int month = number.size() == 1 ? number[0] - '0' : (number[0] - '0') * 10 + (number[1] - '0');
    return exportlayout::IsSalaryPeriod(month) ? month : -1;
}

std::string CSormaKyuuyo::RemoveQuotesAndCommas(const std::string& value)
{
    // A quote or comma byte is never part of a double-byte character.
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        if (c != '"' && c != ',')
            out.push_back(c);
    }
    return out;
}

void CSormaKyuuyo::ParseHeader(const std::string& keyword, const std::string& line)
{
    if (keyword == EmployeeKeyword())
        ParseEmployeeHeader(line);
    else if (keyword == PayKeyword())
        ParsePayHeader();
    else
        m_messenger.Warn(kBadKeywordMessage);
}

void CSormaKyuuyo::RowLayout::Build(std::size_t codeField, std::size_t slots)
{
    positions.clear();
    positions.push_back(codeField);
    for (const auto& column : columns)
        positions.push_back(column.pick);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    auto pickOf = [this](std::size_t field) {
        return static_cast<std::size_t>(std::lower_bound(positions.begin(), positions.end(), field) -
                                        positions.begin());
    };
    columnOfSlot.assign(slots, -1);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        columns[c].pick = pickOf(columns[c].pick);
        columnOfSlot[columns[c].slot] = static_cast<std::int32_t>(c);
    }
    codePick = pickOf(codeField);
}

void CSormaKyuuyo::ParseEmployeeHeader(const std::string& line)
{
    const auto fields = SplitCsvLine(text::ReplaceAll(line, kFullWidthDot, kHalfWidthDot));
    for (std::size_t p = 0; p < fields.size(); ++p) {
        const std::int32_t column = ColumnOf(m_employeeTable, fields[p]);
        if (column >= 0)
            m_employeeTable.columns[static_cast<std::size_t>(column)].realIndex = static_cast<std::int32_t>(p);
    }
    m_employeeRow.columns.clear();
    for (std::size_t j = 0; j < m_employeeTable.columns.size(); ++j) {
        const auto& column = m_employeeTable.columns[j];
        if (column.realIndex < 0)
            continue;
        if (m_employeeSlots[j] < 0)
            m_employeeSlots[j] = static_cast<std::int32_t>(m_employeeSlotCount++);
        m_employeeRow.columns.push_back(
            {static_cast<std::size_t>(column.realIndex), static_cast<std::size_t>(m_employeeSlots[j]), column.amount});
    }
    const std::int32_t codeField =
        m_employeeCodeColumn < 0 ? -1
                                 : m_employeeTable.columns[static_cast<std::size_t>(m_employeeCodeColumn)].realIndex;
    m_employeeRow.Build(codeField < 0 ? 0 : static_cast<std::size_t>(codeField), m_employeeSlotCount);
}

RowKeys CSormaKyuuyo::EmployeeRowKeys(std::size_t headingFields) const
{
    const auto position = [this, headingFields](std::int32_t column) {
        const std::int32_t index =
            column < 0 ? -1 : m_employeeTable.columns[static_cast<std::size_t>(column)].realIndex;
        return index < 0 ? headingFields : static_cast<std::size_t>(index);
    };
    const std::size_t code = position(m_employeeCodeColumn);
    return RowKeys{headingFields, code, position(m_employeeNameColumn), code < headingFields};
}

void CSormaKyuuyo::ParsePayHeader()
{
    // The positions come from the item correspondence, not from the header,
    // so every summary file of one Read shares them.
    m_payTable.columns[0].realIndex = 0;
    for (std::size_t k = 1; k < m_payTable.columns.size(); ++k) {
        auto& item = m_payTable.columns[k];
        item.realIndex = m_items ? m_items->ChosenPositionFor(item.name) : -1;
    }
    std::size_t stride = m_payStride;
    m_payRow.columns.clear();
    for (std::size_t k = 1; k < m_payTable.columns.size(); ++k) {
        const auto& item = m_payTable.columns[k];
        if (item.realIndex < 0)
            continue;
        if (m_paySlots[k] < 0)
            m_paySlots[k] = static_cast<std::int32_t>(stride++);
        m_payRow.columns.push_back(
            {static_cast<std::size_t>(item.realIndex), static_cast<std::size_t>(m_paySlots[k]), item.amount});
    }
    m_payRow.Build(static_cast<std::size_t>(m_payTable.columns[0].realIndex), stride);
    if (stride != m_payStride)
        WidenPayRows(stride);
}

void CSormaKyuuyo::WidenPayRows(std::size_t stride)
{
    // Only when a later header places an item that earlier ones did not: the
    // new slots are added empty to every row already stored.
    for (auto& record : m_records) {
        const auto rows = static_cast<std::size_t>(std::popcount(record.filledPeriods));
        for (std::size_t r = rows; r-- > 0;) {
            m_row.Clear();
            for (std::size_t s = m_payStride; s < stride; ++s)
                m_row.Append({});
            record.values.Replace(record.employeeCount + r * m_payStride + m_payStride, 0, m_row);
        }
    }
    m_payStride = stride;
}

void CSormaKyuuyo::AppendValue(std::string_view value, bool amount)
{
    if (amount)
        m_row.AppendWithoutQuotesAndCommas(value);
    else
        m_row.Append(value);
}

void CSormaKyuuyo::BuildRow(const RowLayout& layout, std::size_t slots, const SORMADATA& record, std::size_t kept,
                            std::size_t keptCount)
{
    m_row.Clear();
    for (std::size_t s = 0; s < slots; ++s) {
        const std::int32_t c = s < layout.columnOfSlot.size() ? layout.columnOfSlot[s] : -1;
        if (c >= 0) {
            const auto& column = layout.columns[static_cast<std::size_t>(c)];
            AppendValue(m_fields[column.pick], column.amount);
        } else {
            m_row.Append(s < keptCount ? record.values.At(kept + s) : std::string_view());
        }
    }
}

bool CSormaKyuuyo::ReadEmployeeRow(const std::string& line)
{
    return ReadEmployeeFields(line, 0);
}

bool CSormaKyuuyo::ReadEmployeeFields(std::string_view line, long number)
{
    if (m_employeeCodeColumn < 0)
        return false;
    const std::int32_t codeIndex = m_employeeTable.columns[static_cast<std::size_t>(m_employeeCodeColumn)].realIndex;
    if (codeIndex < 0)
        return false;
    // A row shorter than a header's position reads as "" there.
    CsvRowShape shape;
    PickCsvFields(line, m_employeeRow.positions, m_fields, m_rowFacts.InFile() ? &shape : nullptr);
    const std::string_view code = m_fields[m_employeeRow.codePick];
    if (code.empty()) {
        m_messenger.Warn(kNoCodeMessage);
        return false;
    }
    SORMADATA& record = RecordFor(code);
    const std::string_view earlierName =
        m_rowFacts.Repeats(record.files) ? StoredEmployeeField(record, m_employeeNameColumn) : std::string_view();
    m_rowFacts.Row(number, record.code, shape, record.files, line, earlierName);
    BuildRow(m_employeeRow, m_employeeSlotCount, record, 0, record.employeeCount);
    record.values.Replace(0, record.employeeCount, m_row);
    record.employeeCount = static_cast<std::uint32_t>(m_employeeSlotCount);
    return true;
}

void CSormaKyuuyo::ReadPayRow(const std::string& line, int period)
{
    ReadPayFields(line, period, 0);
}

void CSormaKyuuyo::ReadPayFields(std::string_view line, int period, long number)
{
    const std::int32_t codeIndex = m_payTable.columns[0].realIndex;
    if (codeIndex < 0)
        return;  // no summary header yet
    CsvRowShape shape;
    PickCsvFields(line, m_payRow.positions, m_fields, m_rowFacts.InFile() ? &shape : nullptr);
    const std::string_view code = m_fields[m_payRow.codePick];
    if (code.empty() || code == kFullWidthSpace) {
        if (code.empty())
            m_rowFacts.CodelessRow(number, line, shape);
        return;
    }
    SORMADATA& record = RecordFor(code);
    m_rowFacts.Row(number, record.code, shape, record.files, line);
    if (!IsPeriod(period))
        return;
    const std::uint32_t bit = PeriodBit(period);
    const auto rank = static_cast<std::size_t>(std::popcount(record.filledPeriods & (bit - 1)));
    const std::size_t first = record.employeeCount + rank * m_payStride;
    // A later row of the same code and period overwrites the earlier one.
    const std::size_t replaced = (record.filledPeriods & bit) ? m_payStride : 0;
    BuildRow(m_payRow, m_payStride, record, first, replaced);
    // Room for the rows that the files still to come can add, at the size of this one.
    const std::size_t rowsToCome = m_payRowsExpected > 0 ? m_payRowsExpected - 1 : 0;
    record.values.Replace(first, replaced, m_row, rowsToCome * m_payStride, rowsToCome * m_row.Bytes());
    record.filledPeriods |= bit;
}

SORMADATA& CSormaKyuuyo::RecordFor(std::string_view code)
{
    // A file usually lists the employees of the file before it in the same
    // order, give or take a few who joined or left: the records after the
    // last one used are tried first, then those after the last one that came
    // in that order (an employee who joined later has a record of his own
    // further on, and the rows after his go on where they were).
    constexpr std::size_t kLookAhead = 4;
    for (const std::size_t from : {m_nextRecord, m_resumeRecord}) {
        const std::size_t window = std::min(m_records.size(), from + kLookAhead);
        for (std::size_t position = from; position < window; ++position) {
            if (m_records[position].code == code) {
                m_nextRecord = position + 1;
                if (m_nextRecord < m_records.size())
                    m_records[m_nextRecord].values.Prefetch();
                return m_records[position];
            }
        }
    }
    m_resumeRecord = m_nextRecord;
    const auto found = m_recordIndex.find(code);
    if (found != m_recordIndex.end()) {
        m_nextRecord = found->second + 1;
        return m_records[found->second];
    }
    SORMADATA& added = m_records.emplace_back();
    added.code.assign(code);
    m_recordIndex.emplace(added.code, m_records.size() - 1);
    m_nextRecord = m_records.size();
    return added;
}

const SORMADATA* CSormaKyuuyo::FindRecord(const std::string& code) const
{
    if (m_lastFound) {
        if (m_lastFound->code == code)
            return m_lastFound;
        // The code list is the records' order: the next employee is usually the next record.
        const std::size_t next = m_lastFoundPosition + 1;
        if (next < m_records.size() && m_records[next].code == code) {
            m_lastFoundPosition = next;
            m_lastFound = &m_records[next];
            return m_lastFound;
        }
    }
    const auto found = m_recordIndex.find(code);
    if (found == m_recordIndex.end())
        return nullptr;
    m_lastFoundPosition = found->second;
    m_lastFound = &m_records[found->second];
    return m_lastFound;
}

std::string_view CSormaKyuuyo::StoredEmployeeField(const SORMADATA& record, std::int32_t column) const
{
    if (column < 0)
        return {};
    const std::int32_t slot = m_employeeSlots[static_cast<std::size_t>(column)];
    if (slot < 0 || static_cast<std::size_t>(slot) >= record.employeeCount)
        return {};
    return record.values.At(static_cast<std::size_t>(slot));
}

void CSormaKyuuyo::CollectEmployeeCodes()
{
    m_employeeCodes.clear();
    if (m_employeeTable.keyword != EmployeeKeyword()) {
        m_messenger.Warn(kNoTableMessage);
        return;
    }
    if (m_employeeCodeColumn < 0) {
        m_messenger.Warn(kNoColumnMessage);
        return;
    }
    if (m_employeeTable.columns[static_cast<std::size_t>(m_employeeCodeColumn)].realIndex < 0) {
        m_messenger.Warn(kNoRealIndexMessage);
        return;
    }
    // Records made only from summary rows have no employee code field.
    for (const auto& record : m_records) {
        const std::string_view code = StoredEmployeeField(record, m_employeeCodeColumn);
        if (!code.empty())
            m_employeeCodes.emplace_back(code);
    }
}

void CSormaKyuuyo::Number(const std::string& column, const char* format,
                          std::unordered_map<std::string, std::string>& numbers) const
{
    numbers.clear();
    if (m_employeeCodes.empty())
        return;
    // The records with an employee code, in creation order, are the code list.
    const std::int32_t j = ColumnOf(m_employeeTable, column);
    int next = 1;
    std::string value;
    for (const auto& record : m_records) {
        if (StoredEmployeeField(record, m_employeeCodeColumn).empty())
            continue;
        value.assign(StoredEmployeeField(record, j));
        if (value.empty())
            continue;
        const auto [slot, added] = numbers.try_emplace(value);
        if (added)
            slot->second = text::Format(format, next++);
    }
}

bool CSormaKyuuyo::EmployeeValueIndex(const SORMADATA& record, std::int32_t column, std::size_t& index) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= m_employeeSlots.size())
        return false;
    const std::int32_t slot = m_employeeSlots[static_cast<std::size_t>(column)];
    if (slot < 0 || static_cast<std::size_t>(slot) >= record.employeeCount)
        return false;
    index = static_cast<std::size_t>(slot);
    return true;
}

bool CSormaKyuuyo::PayValueIndex(const SORMADATA& record, int period, std::int32_t item, std::size_t& index) const
{
    // Item 0 (コード) has no slot: its value is the record's code.
    if (item <= 0 || static_cast<std::size_t>(item) >= m_paySlots.size() || !IsPeriod(period))
        return false;
    const std::uint32_t bit = PeriodBit(period);
    if (!(record.filledPeriods & bit))
        return false;
    const std::int32_t slot = m_paySlots[static_cast<std::size_t>(item)];
    if (slot < 0)
        return false;
    const auto rank = static_cast<std::size_t>(std::popcount(record.filledPeriods & (bit - 1)));
    index = record.employeeCount + rank * m_payStride + static_cast<std::size_t>(slot);
    return true;
}

namespace {

// Item コード holds the field that keyed the row: the record's own code.
bool IsFilledCodeItem(const SORMADATA& record, int period, std::int32_t item)
{
    return item == 0 && IsPeriod(period) && (record.filledPeriods & PeriodBit(period));
}

}  // namespace

std::int32_t CSormaKyuuyo::EmployeeColumnNumber(const std::string& column) const
{
    return ColumnOf(m_employeeTable, column);
}

std::int32_t CSormaKyuuyo::PayItemNumber(const std::string& item) const
{
    return ColumnOf(m_payTable, item);
}

std::string_view CSormaKyuuyo::GetEmployeeValueView(const std::string& code, const std::string& column) const
{
    return GetEmployeeValueView(code, EmployeeColumnNumber(column));
}

std::string_view CSormaKyuuyo::GetPayValueView(const std::string& code, int period, const std::string& item) const
{
    return GetPayValueView(code, period, PayItemNumber(item));
}

std::string_view CSormaKyuuyo::GetEmployeeValueView(const std::string& code, std::int32_t column) const
{
    const SORMADATA* record = FindRecord(code);
    std::size_t index = 0;
    if (!record || !EmployeeValueIndex(*record, column, index))
        return {};
    return record->values.At(index);
}

std::string_view CSormaKyuuyo::GetPayValueView(const std::string& code, int period, std::int32_t item) const
{
    const SORMADATA* record = FindRecord(code);
    if (!record)
        return {};
    if (IsFilledCodeItem(*record, period, item))
        return record->code;
    std::size_t index = 0;
    if (!PayValueIndex(*record, period, item, index))
        return {};
    return record->values.At(index);
}

bool CSormaKyuuyo::IsListed(const SORMADATA& record) const
{
    return !StoredEmployeeField(record, m_employeeCodeColumn).empty();
}

std::string_view CSormaKyuuyo::EmployeeValue(const SORMADATA& record, std::int32_t column) const
{
    std::size_t index = 0;
    return EmployeeValueIndex(record, column, index) ? record.values.At(index) : std::string_view();
}

void CSormaKyuuyo::VisitPayValues(const SORMADATA& record, const std::vector<std::int32_t>& items,
                                  const std::function<void(int, std::size_t, std::string_view)>& visit) const
{
    std::size_t row = record.employeeCount;  // the rows follow the employee fields in period order
    for (std::uint32_t bits = record.filledPeriods; bits != 0; bits &= bits - 1, row += m_payStride) {
        const int period = std::countr_zero(bits) + 1;
        for (std::size_t k = 0; k < items.size(); ++k) {
            const std::int32_t item = items[k];
            if (item <= 0 || static_cast<std::size_t>(item) >= m_paySlots.size() ||
                m_paySlots[static_cast<std::size_t>(item)] < 0)
                continue;
            visit(period, k,
                  record.values.At(row + static_cast<std::size_t>(m_paySlots[static_cast<std::size_t>(item)])));
        }
    }
}

const std::string& CSormaKyuuyo::GetDepartmentCode(const std::string& name) const
{
    const auto found = m_departmentCodes.find(name);
    return found == m_departmentCodes.end() ? Empty() : found->second;
}

const std::string& CSormaKyuuyo::GetPayeeCode(const std::string& name) const
{
    const auto found = m_payeeCodes.find(name);
    return found == m_payeeCodes.end() ? Empty() : found->second;
}

}  // namespace corvane
