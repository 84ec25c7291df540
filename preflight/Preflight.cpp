#include "preflight/Preflight.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>
#include <unordered_set>

#include "engine/CExchangeFromSormaToVeld.h"
#include "preflight/Figure.h"
#include "preflight/FigureChecks.h"
#include "preflight/PeriodChecks.h"
#include "preflight/YearChecks.h"
#include "items/CSormaItemCheck.h"
#include "sormaexport/ReadView.h"
#include "sormaexport/ExportLayout.h"
#include "text/Cp932.h"

namespace corvane::preflight {

namespace {

constexpr std::size_t kShown = RowSample::kKept;
constexpr std::size_t kValueShown = 40;  // bytes of a value quoted in a finding
using exportlayout::kLastPeriod;

const char* const kNameColumn = "氏名";
const char* const kStatusColumn = "就業状況";
const char* const kLeftColumn = "退職年月日";
const std::string_view kLeftStatus = "退職";

// A short list of what a finding concerns: the first few, then "ほか" when there are more.
class Examples {
public:
    void Add(std::string example)
    {
        ++m_count;
        if (m_shown.size() < kShown)
            m_shown.push_back(std::move(example));
    }
    std::size_t Count() const { return m_count; }
    std::string Text() const
    {
        std::string text;
        for (const auto& example : m_shown)
            text += (text.empty() ? "" : "、") + example;
        return m_count > m_shown.size() ? text + "ほか" : text;
    }

private:
    std::size_t m_count = 0;
    std::vector<std::string> m_shown;
};

std::string Lines(const RowSample& sample)
{
    std::string text;
    for (const long line : sample.lines)
        text += (text.empty() ? "" : "、") + std::to_string(line) + "行目";
    return sample.count > sample.lines.size() ? text + "ほか" : text;
}

// A value as a finding quotes it: at most kValueShown bytes, never half a character.
std::string Quoted(std::string_view value)
{
    if (value.size() <= kValueShown)
        return "「" + std::string(value) + "」";
    std::size_t end = kValueShown;
    if (text::ClassAt(value, end) == text::ByteClass::Trail)
        --end;
    return "「" + std::string(value.substr(0, end)) + "…」";
}

// A code as a spreadsheet may have left it: without surrounding blanks
// (single-byte or full-width) and without leading zeros.
std::string Loosened(std::string_view code)
{
    static const std::string_view kFullWidthSpace = "　";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : {std::string_view(" "), std::string_view("\t"), kFullWidthSpace}) {
            if (code.starts_with(blank)) {
                code.remove_prefix(blank.size());
                trimmed = true;
            }
            if (code.ends_with(blank) && text::ClassAt(code, code.size() - blank.size()) != text::ByteClass::Trail) {
                code.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    while (code.size() > 1 && code.front() == '0')
        code.remove_prefix(1);
    return std::string(code);
}

std::string Person(const std::string& code, std::string_view name)
{
    return name.empty() ? code : code + " " + std::string(name);
}

std::string Person(const RecordView& record, std::int32_t nameColumn)
{
    return Person(record.Code(), record.EmployeeValue(nameColumn));
}

// An employee known only by code, named as the employee list names him.
std::string Person(const ReadView& read, const std::string& code, std::int32_t nameColumn)
{
    return Person(code, read.EmployeeValue(code, nameColumn));
}

const ExportFileFacts* EmployeeListFacts(const std::vector<ExportFileFacts>& files)
{
    const ExportFileFacts* found = nullptr;
    for (const auto& facts : files) {
        if (facts.employeeList)
            found = &facts;
    }
    return found;
}

bool IsReadSummary(const ExportFileFacts& facts)
{
    return !facts.employeeList && facts.period != -1;
}

Finding Make(FindingKind kind, const std::string& file, long line, std::string employee, std::size_t count,
             std::string text)
{
    Finding finding;
    finding.kind = kind;
    finding.file = file;
    finding.line = line;
    finding.employee = std::move(employee);
    finding.count = count;
    finding.text = std::move(text);
    return finding;
}

void UnlistedCodes(const ReadView& read, std::vector<Finding>& findings)
{
    const auto& files = read.Files();
    struct Unlisted {
        Examples codes;
        std::size_t loose = 0;
        std::string first;
    };
    std::array<Unlisted, kMaxTrackedFiles> byEntry{};
    std::unordered_set<std::string> listed;
    bool any = false;
    for (std::size_t r = 0; r < read.RecordCount(); ++r) {
        const RecordView record = read.Record(r);
        if (record.Listed() || record.Files() == 0)
            continue;
        if (!any) {
            for (std::size_t o = 0; o < read.RecordCount(); ++o) {
                const RecordView other = read.Record(o);
                if (other.Listed())
                    listed.insert(Loosened(other.Code()));
            }
            any = true;
        }
        const bool loose = listed.count(Loosened(record.Code())) != 0;
        for (FileMask bits = record.Files(); bits != 0; bits &= bits - 1) {
            Unlisted& unlisted = byEntry[static_cast<std::size_t>(std::countr_zero(bits))];
            if (unlisted.codes.Count() == 0)
                unlisted.first = record.Code();
            unlisted.codes.Add(record.Code());
            unlisted.loose += loose ? 1 : 0;
        }
    }
    if (!any)
        return;
    for (const auto& facts : files) {
        if (!IsReadSummary(facts) || facts.entry >= byEntry.size())
            continue;
        const Unlisted& unlisted = byEntry[facts.entry];
        if (unlisted.codes.Count() == 0)
            continue;
        std::string text = "従業員一覧表にない従業員コードが" + std::to_string(unlisted.codes.Count()) +
                           "件あります（" + unlisted.codes.Text() + "）。これらの行の金額は中間ファイルに入りません。";
        if (unlisted.loose > 0)
            text += "\nうち" + std::to_string(unlisted.loose) +
                    "件は、先頭の0や前後の空白を除くと従業員一覧表のコードと一致します。"
                    "表計算ソフトで保存し直したときに、コードの先頭の0が失われた可能性があります。";
        findings.push_back(
            Make(FindingKind::UnlistedCodes, facts.path, 0, unlisted.first, unlisted.codes.Count(), std::move(text)));
    }
}

void ShiftedRows(const ReadView& read, std::vector<Finding>& findings)
{
    const std::int32_t nameColumn = read.EmployeeColumnNumber(kNameColumn);
    for (const auto& facts : read.Files()) {
        const auto& sample = facts.shiftedRows;
        if (sample.count == 0)
            continue;
        Examples rows;
        for (std::size_t i = 0; i < sample.lines.size(); ++i) {
            const std::string line = std::to_string(sample.lines[i]) + "行目";
            const std::string& code = sample.codes[i];
            rows.Add(code.empty() ? line : Person(read, code, nameColumn) + "（" + line + "）");
        }
        findings.push_back(
            Make(FindingKind::ShiftedRow, facts.path, sample.lines.front(), sample.codes.front(), sample.count,
                 "従業員コードの欄が空で、項目の数かダブルクォーテーション（\"）の数が見出し行（" +
                     std::to_string(facts.headingLine) + "行目）と合わない行が" + std::to_string(sample.count) +
                     "行あります（" + rows.Text() + (sample.count > sample.lines.size() ? "ほか" : "") +
                     "）。行の先頭に余分な「,"
                     "」や「\"」があり、従業員コードが右にずれたと考えられます。これらの行は読まれず、"
                     "その従業員の「" +
                     exportlayout::PeriodLabel(facts.period) +
                     "」の金額は中間ファイルに入りません。この集計表をエクスポートし直してください。"));
    }
}

void NoFigures(const ReadView& read, std::vector<Finding>& findings)
{
    const auto& files = read.Files();
    if (std::none_of(files.begin(), files.end(), IsReadSummary))
        return;
    const std::int32_t nameColumn = read.EmployeeColumnNumber(kNameColumn);
    const std::int32_t statusColumn = read.EmployeeColumnNumber(kStatusColumn);
    const std::int32_t leftColumn = read.EmployeeColumnNumber(kLeftColumn);
    Examples people;
    std::string first;
    for (std::size_t r = 0; r < read.RecordCount(); ++r) {
        const RecordView record = read.Record(r);
        if (record.HasFigures() || !record.Listed())
            continue;
        // Who left may have left before the months chosen.
        if (record.EmployeeValue(statusColumn).starts_with(kLeftStatus) || !record.EmployeeValue(leftColumn).empty())
            continue;
        if (people.Count() == 0)
            first = record.Code();
        people.Add(Person(record, nameColumn));
    }
    if (people.Count() == 0)
        return;
    const ExportFileFacts* list = EmployeeListFacts(files);
    findings.push_back(Make(FindingKind::NoFigures, list ? list->path : std::string(), 0, first, people.Count(),
                            "給与・賞与の集計表のどのファイルにも行がない従業員が" + std::to_string(people.Count()) +
                                "人います（" + people.Text() +
                                "）。これらの従業員の金額は空欄になります（退職した従業員は除いています）。"));
}

void EmptySummaries(const std::vector<ExportFileFacts>& files, std::vector<Finding>& findings)
{
    for (const auto& facts : files) {
        // Rows left out for a shifted code were named already.
        if (!IsReadSummary(facts) || facts.rows != 0 || facts.shiftedRows.count != 0)
            continue;
        findings.push_back(Make(FindingKind::EmptySummary, facts.path, facts.headingLine, std::string(), 1,
                                "集計表に従業員の行が1行もありません。中間ファイルには、だれの「" +
                                    exportlayout::PeriodLabel(facts.period) +
                                    "」の金額も入りません。エクスポートが途中で止まった可能性があります。"
                                    "この集計表をエクスポートし直してください。"));
    }
}

std::string CutOffText(const ReadView& read, const ExportFileFacts& facts)
{
    const std::string line = std::to_string(facts.cutOffLine);
    if (facts.cutOffFields < facts.headingFields)
        return "ファイルが途中で切れています。最後の行（" + line + "行目）に改行がなく、項目が" +
               std::to_string(facts.cutOffFields) + "個しかありません（見出し行は" +
               std::to_string(facts.headingFields) + "項目）。コピーや保存が途中で止まった可能性があります。";
    // With every field there, the cut may lie inside the last one.
    return "ファイルが途中で切れている可能性があります。最後の行（" + line + "行目、" +
           Person(read, facts.cutOffCode, read.EmployeeColumnNumber(kNameColumn)) +
           "）に改行がありません。項目の数は見出し行と同じですが、最後の項目の途中で切れていれば、"
           "その値は短いまま中間ファイルに入り、この行より後にあった従業員の行は読まれていません。"
           "エクスポートし直してください。";
}

void RowShapes(const ReadView& read, std::vector<Finding>& findings)
{
    const auto& files = read.Files();
    for (const auto& facts : files) {
        const auto& sample = facts.fieldCounts;
        if (sample.count == 0)
            continue;
        findings.push_back(
            Make(FindingKind::FieldCount, facts.path, sample.lines.front(), sample.codes.front(), sample.count,
                 "項目の数が見出し行（" + std::to_string(facts.headingLine) + "行目、" +
                     std::to_string(facts.headingFields) + "項目）と異なる行が" + std::to_string(sample.count) +
                     "行あります（" + Lines(sample) + "）。項目がずれて、別の列の値が読まれている可能性があります。"));
    }
    for (const auto& facts : files) {
        const auto& sample = facts.unpairedQuotes;
        if (sample.count == 0)
            continue;
        findings.push_back(Make(FindingKind::UnpairedQuotes, facts.path, sample.lines.front(), sample.codes.front(),
                                sample.count,
                                "ダブルクォーテーション（\"）の数が合わない行が" + std::to_string(sample.count) +
                                    "行あります（" + Lines(sample) + "）。その行の項目がずれて読まれます。"));
    }
    for (const auto& facts : files) {
        if (facts.cutOffLine == 0)
            continue;
        findings.push_back(
            Make(FindingKind::CutOff, facts.path, facts.cutOffLine, facts.cutOffCode, 1, CutOffText(read, facts)));
    }
    for (const auto& facts : files) {
        const auto& sample = facts.repeatedCodes;
        if (sample.count == 0)
            continue;
        Examples rows;
        for (std::size_t i = 0; i < sample.lines.size(); ++i)
            rows.Add(sample.codes[i] + "（" + std::to_string(sample.lines[i]) + "行目）");
        std::string text = "同じ従業員コードの行が、ほかの行のあとにもう一度出てくるものが" +
                           std::to_string(sample.count) + "行あります（" + rows.Text() +
                           (sample.count > sample.lines.size() ? "ほか" : "") + "）。";
        text += facts.employeeList ? "別々の従業員のデータが一人分にまとめられます。"
                                   : "その従業員の金額は、後の行のものだけが使われます。";
        findings.push_back(Make(FindingKind::RepeatedCode, facts.path, sample.lines.front(), sample.codes.front(),
                                sample.count, std::move(text)));
    }
}

void BadDates(const ReadView& read, std::vector<Finding>& findings)
{
    const ExportFileFacts* list = EmployeeListFacts(read.Files());
    if (!list)
        return;
    const std::int32_t nameColumn = read.EmployeeColumnNumber(kNameColumn);
    for (const std::string& column : CExchangeFromSormaToVeld::DateColumns()) {
        const std::int32_t number = read.EmployeeColumnNumber(column);
        Examples people;
        std::string first;
        for (std::size_t r = 0; r < read.RecordCount(); ++r) {
            const RecordView record = read.Record(r);
            if (!record.Listed())
                continue;
            const std::string_view value = record.EmployeeValue(number);
            // The conversion's own rule: what it cannot read, it leaves empty.
            if (value.empty() || !CExchangeFromSormaToVeld::ConvertDate(std::string(value)).empty())
                continue;
            if (people.Count() == 0)
                first = record.Code();
            people.Add(Person(record, nameColumn) + Quoted(value));
        }
        if (people.Count() == 0)
            continue;
        findings.push_back(Make(FindingKind::BadDate, list->path, 0, first, people.Count(),
                                column + "が日付に変換できない従業員が" + std::to_string(people.Count()) +
                                    "人います（" + people.Text() +
                                    "）。中間ファイルでは空欄になります。日付は「1975年 4月 3日」や"
                                    "「昭和50年 4月 3日」の形でエクスポートしてください。"));
    }
}

void NotNumbers(const ReadView& read, const CSormaItemCheck& items, std::vector<Finding>& findings)
{
    const auto& files = read.Files();
    std::array<const ExportFileFacts*, kLastPeriod + 1> fileOfPeriod{};
    for (const auto& facts : files) {
        if (IsReadSummary(facts) && facts.period >= 1 && facts.period <= kLastPeriod)
            fileOfPeriod[static_cast<std::size_t>(facts.period)] = &facts;
    }
    const auto& entries = items.Entries();
    struct Wrong {
        Examples values;
        std::string first;
    };
    // By period, then by entry.
    std::vector<std::array<Wrong, 4>> wrong(kLastPeriod + 1);
    std::vector<std::int32_t> numbers;
    numbers.reserve(entries.size());
    for (const auto& entry : entries)
        numbers.push_back(entry.chosenPosition >= 0 ? read.PayItemNumber(entry.defaultPayrollItem) : -1);
    const std::size_t used = std::min<std::size_t>(entries.size(), 4);
    numbers.resize(used);
    for (std::size_t r = 0; r < read.RecordCount(); ++r) {
        const RecordView record = read.Record(r);
        record.VisitPayValues(numbers, [&](int period, std::size_t e, std::string_view value) {
            if (IsNumber(value))
                return;
            Wrong& found = wrong[static_cast<std::size_t>(period)][e];
            if (found.values.Count() == 0)
                found.first = record.Code();
            found.values.Add(record.Code() + Quoted(value));
        });
    }
    for (int period = 1; period <= kLastPeriod; ++period) {
        for (std::size_t e = 0; e < used; ++e) {
            const Wrong& found = wrong[static_cast<std::size_t>(period)][e];
            if (found.values.Count() == 0)
                continue;
            const ExportFileFacts* facts = fileOfPeriod[static_cast<std::size_t>(period)];
            findings.push_back(Make(FindingKind::NotANumber, facts ? facts->path : std::string(), 0, found.first,
                                    found.values.Count(),
                                    entries[e].targetItem + "（" + entries[e].chosenPayrollItem + "）に数値でない値が" +
                                        std::to_string(found.values.Count()) + "件あります（" + found.values.Text() +
                                        "）。ヴェルドで正しく取り込まれません。"));
        }
    }
}

}  // namespace

std::vector<Finding> VerifyExports(const ReadView& read, const CSormaItemCheck& items, const std::string& filingYear)
{
    std::vector<Finding> findings;
    UnlistedCodes(read, findings);
    ShiftedRows(read, findings);
    NoFigures(read, findings);
    EmptySummaries(read.Files(), findings);
    RowShapes(read, findings);
    BadDates(read, findings);
    NotNumbers(read, items, findings);
    CheckYears(read, filingYear, findings);
    CheckEmploymentPeriods(read, items, findings);
    CheckFigures(read, items, findings);
    return findings;
}

}  // namespace corvane::preflight
