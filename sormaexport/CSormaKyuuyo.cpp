#include "sormaexport/CSormaKyuuyo.h"

#include <algorithm>
#include <bit>

#include "fileio/FileStatus.h"
#include "items/CSormaItemCheck.h"
#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/SalaryLabel.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "text/LineReader.h"

namespace corvane {

namespace {

const char* const kEmployeeListTitle = "従業員(一覧表)";
const char* const kCodeColumn = "コード";
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
const char* const kBadKeywordMessage = "不正なキーワードを検出しました。";
const char* const kNoTableMessage = "PROGRAM ERROR\nNOT EXIST TABLEINFO";
const char* const kNoColumnMessage = "PROGRAM ERROR\nNOT EXIST COLUMNINFO";
const char* const kNoRealIndexMessage = "PROGRAM ERROR\nNOT EXIST REALINDEX";

// Periods: 1 to 13 the monthly rows, 14 to 18 the bonus rows.
constexpr int kFirstPeriod = 1;
constexpr int kLastPeriod = 18;
constexpr std::size_t kSalaryEntries = 12;

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
    return period >= kFirstPeriod && period <= kLastPeriod;
}

std::uint32_t PeriodBit(int period)
{
    return 1u << (period - 1);
}

}  // namespace

CSormaKyuuyo::CSormaKyuuyo(const platform::Messenger& messenger)
    : m_messenger(messenger), m_employeeTable(EmployeeTable()), m_payTable(PayTable()),
      m_employeeCodeColumn(ColumnOf(m_employeeTable, kCodeColumn)),
      m_employeeSlots(m_employeeTable.columns.size(), -1), m_paySlots(m_payTable.columns.size(), -1)
{
}

CSormaKyuuyo::~CSormaKyuuyo() = default;

bool CSormaKyuuyo::Read(const std::vector<std::string>& paths, int count, const CSormaItemCheck& items)
{
    m_items = &items;
    m_employeeCodes.clear();
    const std::size_t entries = count <= 0 ? 0 : std::min(paths.size(), static_cast<std::size_t>(count));
    std::size_t filesLeft = static_cast<std::size_t>(
        std::count_if(paths.begin(), paths.begin() + static_cast<std::ptrdiff_t>(entries),
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
    m_payRowsExpected = std::min<std::size_t>(summaryFilesLeft, kLastPeriod);
    m_nextRecord = 0;
    FileKind kind = FileKind::None;
    int period = -1;
    std::string& line = m_line;
    while (reader.Next(line)) {
        const long number = reader.LineNumber();
        const std::string_view trimmed = text::TrimRight(line);
        if (trimmed.empty())
            continue;
        if (number == 1) {
            if (trimmed.starts_with(kEmployeeListTitle)) {
                const auto fields = SplitCsvLine(trimmed);
                if (fields.size() < 2)
                    return false;
                m_companyName = fields[1];
                kind = FileKind::EmployeeList;
            } else {
                kind = FileKind::Summary;
            }
            continue;
        }
        if (kind == FileKind::None)
            break;  // the rest of the file is ignored
        if (number == 2)
            continue;
        if (number == 3) {
            if (kind == FileKind::EmployeeList) {
                ParseEmployeeHeader(std::string(trimmed));
                continue;
            }
            period = LabelPeriod(std::string(trimmed), entry);
            if (period == -1)
                break;  // not a period that this file can fill
            continue;
        }
        if (kind == FileKind::Summary && number == 4)
            continue;
        if (kind == FileKind::Summary && number == 5) {
            ParsePayHeader();
            continue;
        }
        if (kind == FileKind::EmployeeList) {
            if (!ReadEmployeeFields(trimmed))
                return false;
        } else {
            ReadPayFields(trimmed, period);
        }
    }
    // A read error part-way would silently drop the rest of the file.
    return !reader.Failed();
}

int CSormaKyuuyo::LabelPeriod(const std::string& line, std::size_t entry)
{
    if (entry >= kSalaryEntries)
        return static_cast<int>(entry) + 2;  // the k-th bonus entry is period 13 + k
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
    static const std::string kSalaryMark = "月度給与";
    static const std::string kSummerBonus = "夏期賞与";
    static const std::string kWinterBonus = "冬期賞与";
    const std::string unquoted = text::RemoveSingle(line, '"');
    const std::string_view label = text::Trim(unquoted);
    if (label == kSummerBonus)
        return 14;
    if (label == kWinterBonus)
        return 15;
    if (!label.ends_with(kSalaryMark))
        return -1;
    const std::string_view number = label.substr(0, label.size() - kSalaryMark.size());
    if (number.empty() || number.size() > 2 || number.front() == '0' ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    const int month = number.size() == 1 ? number[0] - '0' : (number[0] - '0') * 10 + (number[1] - '0');
    return month <= 12 ? month : -1;
}

std::string CSormaKyuuyo::RemoveQuotesAndCommas(const std::string& value)
{
    std::string out;
    StoreValue(out, value, true);
    return out;
}

void CSormaKyuuyo::StoreValue(std::string& target, std::string_view value, bool amount)
{
    // A quote or comma byte is never part of a double-byte character.
    auto removed = [](char c) { return c == '"' || c == ','; };
    if (!amount || std::none_of(value.begin(), value.end(), removed)) {
        target.assign(value);
        return;
    }
    target.clear();
    for (const char c : value) {
        if (!removed(c))
            target.push_back(c);
    }
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

void CSormaKyuuyo::RowLayout::Build(std::size_t codeField)
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
    for (auto& column : columns)
        column.pick = pickOf(column.pick);
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
        m_employeeRow.columns.push_back({static_cast<std::size_t>(column.realIndex),
                                         static_cast<std::size_t>(m_employeeSlots[j]), column.amount});
    }
    const std::int32_t codeField =
        m_employeeCodeColumn < 0 ? -1 : m_employeeTable.columns[static_cast<std::size_t>(m_employeeCodeColumn)].realIndex;
    m_employeeRow.Build(codeField < 0 ? 0 : static_cast<std::size_t>(codeField));
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
        m_payRow.columns.push_back({static_cast<std::size_t>(item.realIndex),
                                    static_cast<std::size_t>(m_paySlots[k]), item.amount});
    }
    m_payRow.Build(static_cast<std::size_t>(m_payTable.columns[0].realIndex));
    if (stride != m_payStride)
        WidenPayRows(stride);
}

void CSormaKyuuyo::WidenPayRows(std::size_t stride)
{
    // Only when a later header places an item that earlier ones did not.
    for (auto& record : m_records) {
        const auto rows = static_cast<std::size_t>(std::popcount(record.filledPeriods));
        if (rows == 0)
            continue;
        std::vector<std::string> widened(rows * stride);
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t s = 0; s < m_payStride; ++s)
                widened[r * stride + s] = std::move(record.pay[r * m_payStride + s]);
        }
        record.pay = std::move(widened);
    }
    m_payStride = stride;
}

bool CSormaKyuuyo::ReadEmployeeRow(const std::string& line)
{
    return ReadEmployeeFields(line);
}

bool CSormaKyuuyo::ReadEmployeeFields(std::string_view line)
{
    if (m_employeeCodeColumn < 0)
        return false;
    const std::int32_t codeIndex = m_employeeTable.columns[static_cast<std::size_t>(m_employeeCodeColumn)].realIndex;
    if (codeIndex < 0)
        return false;
    // A row shorter than a header's position reads as "" there.
    PickCsvFields(line, m_employeeRow.positions, m_fields);
    const std::string_view code = m_fields[m_employeeRow.codePick];
    if (code.empty()) {
        m_messenger.Warn(kNoCodeMessage);
        return false;
    }
    SORMADATA& record = RecordFor(code);
    if (record.employee.size() < m_employeeSlotCount)
        record.employee.resize(m_employeeSlotCount);
    for (const auto& column : m_employeeRow.columns)
        StoreValue(record.employee[column.slot], m_fields[column.pick], column.amount);
    return true;
}

void CSormaKyuuyo::ReadPayRow(const std::string& line, int period)
{
    ReadPayFields(line, period);
}

void CSormaKyuuyo::ReadPayFields(std::string_view line, int period)
{
    const std::int32_t codeIndex = m_payTable.columns[0].realIndex;
    if (codeIndex < 0)
        return;  // no summary header yet
    PickCsvFields(line, m_payRow.positions, m_fields);
    const std::string_view code = m_fields[m_payRow.codePick];
    if (code.empty() || code == kFullWidthSpace)
        return;
    SORMADATA& record = RecordFor(code);
    if (!IsPeriod(period))
        return;
    const std::size_t row = PayRowFor(record, period);
    for (const auto& item : m_payRow.columns)
        StoreValue(record.pay[row + item.slot], m_fields[item.pick], item.amount);
}

std::size_t CSormaKyuuyo::PayRowFor(SORMADATA& record, int period)
{
    const std::uint32_t bit = PeriodBit(period);
    const auto rank = static_cast<std::size_t>(std::popcount(record.filledPeriods & (bit - 1)));
    const std::size_t row = rank * m_payStride;
    if (record.filledPeriods & bit)
        return row;
    if (record.pay.capacity() == 0 && m_payRowsExpected > 1)
        record.pay.reserve(m_payRowsExpected * m_payStride);
    record.pay.insert(record.pay.begin() + static_cast<std::ptrdiff_t>(row), m_payStride, std::string());
    record.filledPeriods |= bit;
    return row;
}

SORMADATA& CSormaKyuuyo::RecordFor(std::string_view code)
{
    std::size_t position = m_nextRecord;
    if (position >= m_records.size() || m_records[position].code != code) {
        const auto found = m_recordIndex.find(code);
        if (found != m_recordIndex.end()) {
            position = found->second;
        } else {
            position = m_records.size();
            SORMADATA& added = m_records.emplace_back();
            added.code.assign(code);
            m_recordIndex.emplace(added.code, position);
        }
    }
    m_nextRecord = position + 1;
    return m_records[position];
}

const SORMADATA* CSormaKyuuyo::FindRecord(const std::string& code) const
{
    if (m_lastFound && m_lastFound->code == code)
        return m_lastFound;
    const auto found = m_recordIndex.find(code);
    if (found == m_recordIndex.end())
        return nullptr;
    m_lastFound = &m_records[found->second];
    return m_lastFound;
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
        const std::string& code = EmployeeField(record, m_employeeCodeColumn);
        if (!code.empty())
            m_employeeCodes.push_back(code);
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
    for (const auto& record : m_records) {
        if (EmployeeField(record, m_employeeCodeColumn).empty())
            continue;
        const std::string& value = EmployeeField(record, j);
        if (value.empty())
            continue;
        const auto [slot, added] = numbers.try_emplace(value);
        if (added)
            slot->second = text::Format(format, next++);
    }
}

const std::string& CSormaKyuuyo::EmployeeField(const SORMADATA& record, std::int32_t column) const
{
    if (column < 0)
        return Empty();
    const std::int32_t slot = m_employeeSlots[static_cast<std::size_t>(column)];
    if (slot < 0 || static_cast<std::size_t>(slot) >= record.employee.size())
        return Empty();
    return record.employee[static_cast<std::size_t>(slot)];
}

const std::string& CSormaKyuuyo::GetEmployeeValue(const std::string& code, const std::string& column) const
{
    const SORMADATA* record = FindRecord(code);
    return record ? EmployeeField(*record, ColumnOf(m_employeeTable, column)) : Empty();
}

const std::string& CSormaKyuuyo::GetPayValue(const std::string& code, int period, const std::string& item) const
{
    const SORMADATA* record = FindRecord(code);
    const std::int32_t k = ColumnOf(m_payTable, item);
    if (!record || k < 0 || !IsPeriod(period))
        return Empty();
    const std::uint32_t bit = PeriodBit(period);
    if (!(record->filledPeriods & bit))
        return Empty();
    // Item コード holds the field that keyed the row: the record's own code.
    if (k == 0)
        return record->code;
    const std::int32_t slot = m_paySlots[static_cast<std::size_t>(k)];
    if (slot < 0)
        return Empty();
    const auto rank = static_cast<std::size_t>(std::popcount(record->filledPeriods & (bit - 1)));
    return record->pay[rank * m_payStride + static_cast<std::size_t>(slot)];
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
