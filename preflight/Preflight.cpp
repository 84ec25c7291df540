#include "preflight/Preflight.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "engine/CExchangeFromSormaToVeld.h"
#include "preflight/FigureChecks.h"
#include "preflight/PeriodChecks.h"
#include "preflight/YearChecks.h"
#include "items/CSormaItemCheck.h"
#include "preflight/Expected.h"
#include "preflight/Figure.h"
#include "preflight/Words.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ReadView.h"
#include "text/Cp932.h"

namespace corvane::preflight {

namespace {

using exportlayout::kLastPeriod;

const char* const kNameColumn = "氏名";
const char* const kReExport = "ソルマ給与から、表計算ソフトで開かずにエクスポートし直してください。";

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

bool IsReadSummary(const ExportFileFacts& facts)
{
    return !facts.employeeList && facts.period >= 1 && facts.period <= kLastPeriod;
}

// `name` already cut to length (ShortName).
Affected Person(std::string code, std::string name, long line = 0, std::string value = {}, std::string outcome = {})
{
    return Affected{std::move(code), std::move(name), line, std::move(value), std::move(outcome)};
}

// The joined labels of `people`: 「伊藤　彩と鈴木　浩二」.
std::string Joined(const std::vector<std::string>& labels)
{
    std::string text;
    for (std::size_t i = 0; i < labels.size(); ++i)
        text += (i == 0 ? "" : i + 1 == labels.size() ? "と" : "、") + labels[i];
    return text;
}

// What the checks share: the read, the chosen figures, who is expected
// where, and what one finding already explains so that no other names it.
class Checks {
public:
    Checks(const ReadView& read, const CSormaItemCheck& items)
        : m_read(read), m_items(items), m_expected(read), m_nameColumn(read.EmployeeColumnNumber(kNameColumn))
    {
        for (const auto& entry : items.Entries()) {
            if (m_figures.size() == 4)
                break;
            m_figures.push_back(entry.chosenPosition >= 0 ? read.PayItemNumber(entry.defaultPayrollItem) : -1);
        }
        for (const auto& facts : read.Files()) {
            if (facts.employeeList)
                m_list = &facts;
        }
    }

    std::vector<Finding> Run()
    {
        // Rows of the wrong shape first: they decide which codes are phantoms.
        std::vector<Finding> shapes = RowShapes();
        std::vector<Finding> findings;
        UnlistedCodes(findings);
        ShiftedRows(findings);
        std::vector<Finding> cut = CutOffs();
        std::vector<Finding> empty = EmptySummaries();
        std::vector<Finding> repeated = RepeatedCodes();
        NoFigures(findings);
        findings.insert(findings.end(), empty.begin(), empty.end());
        findings.insert(findings.end(), shapes.begin(), shapes.end());
        findings.insert(findings.end(), cut.begin(), cut.end());
        findings.insert(findings.end(), repeated.begin(), repeated.end());
        BadDates(findings);
        NotNumbers(findings);
        for (auto& finding : findings) {
            finding.employee = finding.affected.empty() ? std::string() : finding.affected.front().code;
            // A finding that names nobody concerns its file.
            finding.count = std::max<std::size_t>(finding.affected.size(), 1);
        }
        return findings;
    }

private:
    std::string Name(const std::string& code) const { return ShortName(m_read.EmployeeValue(code, m_nameColumn)); }

    Finding Make(FindingKind kind, Level level, const std::string& file, long line) const
    {
        Finding finding;
        finding.kind = kind;
        finding.level = level;
        finding.file = file;
        finding.line = line;
        return finding;
    }

    // The chosen figures' names with what the row holds for them in `period`:
    // 「総支給金額 300円、社会保険料等の控除額 45,000円」.
    std::string FiguresRead(const std::string& code, int period) const
    {
        std::string text;
        const auto& entries = m_items.Entries();
        for (std::size_t e = 0; e < m_figures.size(); ++e) {
            if (m_figures[e] < 0)
                continue;
            const std::string_view value = m_read.PayValue(code, period, m_figures[e]);
            text += (text.empty() ? "" : "、") + entries[e].targetItem + " " +
                    (value.empty() ? std::string("空欄") : Yen(value));
        }
        return text;
    }

    // Whose a row of the wrong shape is: the reading whose code lost its
    // rows to this one (unlisted, yet with summary rows), else the code the
    // row went under, else the first reading that has the list's kind of code.
    RowOwner OwnerOf(const FaultyRow& row)
    {
        for (const auto& owner : row.owners) {
            const auto record = m_read.Find(owner.code);
            if (owner.code != row.code && record && !record->Listed() && record->Files() != 0)
                return owner;
        }
        for (const auto& owner : row.owners) {
            if (owner.code == row.code)
                return owner;
        }
        for (const auto& owner : row.owners) {
            if (LooksLikeAListedCode(owner.code))
                return owner;
        }
        return row.owners.empty() ? RowOwner{} : row.owners.front();
    }

    // The listed codes, gathered when a fault needs them: a clean set never does.
    const std::vector<std::string>& ListedCodes()
    {
        if (!m_listedGathered) {
            for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
                const RecordView record = m_read.Record(r);
                if (record.Listed())
                    m_listedCodes.push_back(record.Code());
            }
            m_listedGathered = true;
        }
        return m_listedCodes;
    }

    // Digits alone when every listed code is digits alone, and a length the listed codes have.
    bool LooksLikeAListedCode(const std::string& code)
    {
        const auto& listedCodes = ListedCodes();
        if (listedCodes.empty())
            return false;
        const auto digits = [](const std::string& c) {
            return std::all_of(c.begin(), c.end(), [](char b) { return b >= '0' && b <= '9'; });
        };
        const bool allDigits = std::all_of(listedCodes.begin(), listedCodes.end(), digits);
        return (!allDigits || digits(code)) &&
               std::any_of(listedCodes.begin(), listedCodes.end(),
                           [&](const std::string& listed) { return listed.size() == code.size(); });
    }

    // One finding per file for its rows of one wrong shape.
    void RowsOfShape(FindingKind kind, const ExportFileFacts& facts, const RowSample& sample, std::vector<Finding>& out)
    {
        if (sample.Count() == 0)
            return;
        Finding finding = Make(kind, Level::MustFix, facts.path, sample.rows.front().line);
        for (const FaultyRow& row : sample.rows) {
            const RowOwner owner = OwnerOf(row);
            const bool phantom = !owner.code.empty() && owner.code != row.code;
            if (phantom || owner.code.empty())
                m_phantoms.insert(row.code);
            // A broken list row's own name field is a fragment: its mended reading names him.
            std::string name = facts.employeeList || owner.code.empty() ? ShortName(owner.name) : Name(owner.code);
            if (name.empty() && !owner.code.empty())
                name = Name(owner.code);
            const std::string who = name.empty() ? owner.code : name;
            std::string outcome;
            if (facts.employeeList) {
                if (phantom) {
                    m_vanished.insert(owner.code);
                    outcome = who + "が出力されず、別の従業員が作られる";
                    const auto record = m_read.Find(owner.code);
                    if (record && !record->Listed() && record->HasFigures())
                        outcome += "（" + who + "の給与・賞与の金額も入らない）";
                } else if (owner.code.empty()) {
                    outcome = "この行の従業員が出力されず、別の従業員が作られる";
                } else {
                    outcome = who + "の項目がずれて読まれ、別の列の値が入る";
                }
            } else if (phantom || owner.code.empty()) {
                m_lostPeriod.insert(owner.code);
                outcome = (who.empty() ? std::string("この行の従業員") : who) + "の" + PeriodWords(facts.period) +
                          "の金額が入らない";
            } else {
                m_shiftedCodes[facts.period].insert(row.code);
                outcome = who + "の" + PeriodWords(facts.period) + "の金額がずれて読まれる（" +
                          FiguresRead(row.code, facts.period) + "になる）";
            }
            finding.affected.push_back(Person(owner.code, name, row.line, {}, std::move(outcome)));
        }
        const std::string rows = std::to_string(sample.Count()) + "行";
        const std::string heading = "見出し行（" + std::to_string(facts.headingLine) + "行目、" +
                                    std::to_string(facts.headingFields) + "項目）";
        finding.text =
            kind == FindingKind::UnpairedQuotes
                ? "ダブルクォーテーション（\"）の数が合わない行が" + rows + "あります。その行の項目がずれて読まれます。"
                : "項目の数が" + heading + "と異なる行が" + rows + "あります。その行の項目がずれて読まれます。";
        finding.outcome = facts.employeeList ? "従業員一覧表の行がずれて読まれ、正しい従業員が出力されない"
                                             : PeriodWords(facts.period) + "の金額がずれて読まれる";
        finding.fix = kReExport;
        out.push_back(std::move(finding));
    }

    std::vector<Finding> RowShapes()
    {
        std::vector<Finding> shapes;
        for (const auto& facts : m_read.Files())
            RowsOfShape(FindingKind::FieldCount, facts, facts.fieldCounts, shapes);
        for (const auto& facts : m_read.Files())
            RowsOfShape(FindingKind::UnpairedQuotes, facts, facts.unpairedQuotes, shapes);
        return shapes;
    }

    void UnlistedCodes(std::vector<Finding>& findings)
    {
        std::array<std::vector<std::string>, kMaxTrackedFiles> byEntry{};
        for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
            const RecordView record = m_read.Record(r);
            if (record.Listed() || record.Files() == 0 || m_vanished.count(record.Code()) ||
                m_phantoms.count(record.Code()))
                continue;
            for (FileMask bits = record.Files(); bits != 0; bits &= bits - 1)
                byEntry[static_cast<std::size_t>(std::countr_zero(bits))].push_back(record.Code());
        }
        std::unordered_map<std::string, std::string> listedByLoose;
        if (std::any_of(byEntry.begin(), byEntry.end(), [](const auto& codes) { return !codes.empty(); })) {
            for (const auto& code : ListedCodes()) {
                if (!m_phantoms.count(code))
                    listedByLoose.emplace(Loosened(code), code);
            }
        }
        for (const auto& facts : m_read.Files()) {
            if (!IsReadSummary(facts) || facts.entry >= byEntry.size() || byEntry[facts.entry].empty())
                continue;
            Finding finding = Make(FindingKind::UnlistedCodes, Level::MustFix, facts.path, 0);
            std::size_t loose = 0;
            const std::string lost = PeriodWords(facts.period) + "の金額が入らない";
            for (const std::string& code : byEntry[facts.entry]) {
                const auto listed = listedByLoose.find(Loosened(code));
                if (listed == listedByLoose.end()) {
                    finding.affected.push_back(Person(code, {}, 0, {}, lost));
                    continue;
                }
                ++loose;
                m_explained.insert(listed->second);
                finding.affected.push_back(Person(listed->second, Name(listed->second), 0, code, lost));
            }
            const std::size_t people = finding.affected.size();
            finding.text = "従業員一覧表にない従業員コードの行が" + std::to_string(people) + "人分あります。";
            if (loose > 0)
                finding.text += "うち" + std::to_string(loose) +
                                "人は、先頭の0や前後の空白を除くと従業員一覧表のコードと一致します。"
                                "表計算ソフトで保存し直したときに、コードの先頭の0が失われたと考えられます。";
            finding.column = "コード";
            finding.outcome = "これらの従業員の" + lost;
            finding.fix = loose > 0 ? std::string(kReExport)
                                    : "従業員一覧表をエクスポートし直して、これらの従業員を含めてください。";
            findings.push_back(std::move(finding));
        }
    }

    void ShiftedRows(std::vector<Finding>& findings)
    {
        for (const auto& facts : m_read.Files()) {
            const auto& sample = facts.shiftedRows;
            if (sample.Count() == 0)
                continue;
            Finding finding = Make(FindingKind::ShiftedRow, Level::MustFix, facts.path, sample.rows.front().line);
            const std::string lost = PeriodWords(facts.period) + "の金額が入らない";
            for (const FaultyRow& row : sample.rows) {
                m_lostPeriod.insert(row.code);
                finding.affected.push_back(Person(row.code, Name(row.code), row.line, {}, lost));
            }
            finding.text = "従業員コードの欄が空で、項目の数かダブルクォーテーション（\"）の数が見出し行（" +
                           std::to_string(facts.headingLine) + "行目）と合わない行が" + std::to_string(sample.Count()) +
                           "行あります。行の先頭に余分な「,」や「\"」があり、従業員コードが右にずれています。"
                           "これらの行は読まれません。";
            finding.column = "コード";
            finding.outcome = "これらの従業員の" + lost;
            finding.fix = kReExport;
            findings.push_back(std::move(finding));
        }
    }

    // What a cut row holds for the chosen figures: the one in the last field
    // read is short, those after it are empty.
    std::string CutFigures(const ExportFileFacts& facts) const
    {
        std::string text;
        const auto& entries = m_items.Entries();
        for (std::size_t e = 0; e < m_figures.size(); ++e) {
            if (m_figures[e] < 0 || entries[e].chosenPosition < 0)
                continue;
            const auto position = static_cast<std::size_t>(entries[e].chosenPosition);
            if (position + 1 < facts.cutOffFields)
                continue;
            const std::string_view value = m_read.PayValue(facts.cutOffCode, facts.period, m_figures[e]);
            text += (text.empty() ? "" : "、") + entries[e].targetItem +
                    (value.empty() ? std::string("が空欄") : "が" + Yen(value));
        }
        return text;
    }

    std::vector<Finding> CutOffs()
    {
        std::vector<Finding> findings;
        for (const auto& facts : m_read.Files()) {
            if (facts.cutOffLine == 0)
                continue;
            Finding finding = Make(FindingKind::CutOff, Level::MustFix, facts.path, facts.cutOffLine);
            const std::string& code = facts.cutOffCode;
            const std::string name = Name(code);
            const std::string who = name.empty() ? code : name;
            const bool short_ = facts.cutOffFields < facts.headingFields;
            std::string outcome;
            if (facts.employeeList) {
                outcome = short_ ? who + "の一覧表の項目のうち、" + std::to_string(facts.cutOffFields) +
                                       "項目目より後が空欄になる"
                                 : who + "の一覧表の最後の項目が、途中で切れた値になる";
            } else {
                const std::string figures = CutFigures(facts);
                outcome = who + "の" + PeriodWords(facts.period) + "の" +
                          (figures.empty() ? std::string("最後の項目が途中で切れた値") : figures) + "になる";
            }
            finding.affected.push_back(Person(code, name, facts.cutOffLine, {}, outcome));
            // Who had a row elsewhere but none here lost it to the cut.
            if (IsReadSummary(facts)) {
                const FileMask bit = facts.entry < kMaxTrackedFiles ? FileMask{1} << facts.entry : 0;
                const std::string lost = PeriodWords(facts.period) + "の金額が入らない";
                for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
                    const RecordView record = m_read.Record(r);
                    if (!record.Listed() || (record.Files() & bit) || !record.HasFigures() ||
                        m_phantoms.count(record.Code()) || !m_expected.InPeriod(record, facts.period))
                        continue;
                    finding.affected.push_back(Person(record.Code(), Name(record.Code()), 0, {}, lost));
                }
            }
            finding.text = short_
                               ? "ファイルが途中で切れています。最後の行（" + std::to_string(facts.cutOffLine) +
                                     "行目）に改行がなく、項目が" + std::to_string(facts.cutOffFields) +
                                     "個しかありません（見出し行は" + std::to_string(facts.headingFields) + "項目）。"
                               : "ファイルが途中で切れています。最後の行（" + std::to_string(facts.cutOffLine) +
                                     "行目）に改行がありません。最後の項目の途中で切れていれば、その値は短いまま入り、"
                                     "この行より後にあった従業員の行は読まれていません。";
            finding.outcome = outcome;
            finding.fix = "エクスポートし直して、ファイルを最後までコピーしてください。";
            findings.push_back(std::move(finding));
        }
        return findings;
    }

    std::vector<Finding> EmptySummaries()
    {
        std::vector<Finding> findings;
        for (const auto& facts : m_read.Files()) {
            // Rows left out for a shifted code were named already.
            if (!IsReadSummary(facts) || facts.rows != 0 || facts.shiftedRows.Count() != 0)
                continue;
            Finding finding = Make(FindingKind::EmptySummary, Level::MustFix, facts.path, facts.headingLine);
            const std::string lost = PeriodWords(facts.period) + "の金額がすべて空欄になる";
            for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
                const RecordView record = m_read.Record(r);
                if (!record.Listed() || m_phantoms.count(record.Code()) || !m_expected.InPeriod(record, facts.period))
                    continue;
                m_lostPeriod.insert(record.Code());
                finding.affected.push_back(Person(record.Code(), Name(record.Code())));
            }
            finding.text = "集計表に従業員の行が1行もありません。エクスポートが途中で止まったと考えられます。";
            finding.outcome = lost;
            finding.fix = "この集計表をエクスポートし直してください。";
            findings.push_back(std::move(finding));
        }
        return findings;
    }

    void NoFigures(std::vector<Finding>& findings)
    {
        if (m_expected.Periods().empty())
            return;
        Finding finding = Make(FindingKind::NoFigures, Level::ToConfirm, m_list ? m_list->path : std::string(), 0);
        for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
            const RecordView record = m_read.Record(r);
            const std::string& code = record.Code();
            if (record.HasFigures() || !record.Listed() || m_phantoms.count(code) || m_explained.count(code) ||
                m_lostPeriod.count(code) || !m_expected.InSome(record))
                continue;
            finding.affected.push_back(Person(code, Name(code)));
        }
        if (finding.affected.empty())
            return;
        finding.text = "選んだ給与・賞与の集計表のどれにも行がない従業員が" + std::to_string(finding.affected.size()) +
                       "人います（退職した従業員は、退職日より前の月があるときだけ数えています）。";
        finding.outcome = "これらの従業員の給与・賞与の金額が空欄になる";
        finding.fix = "支給がなかったか確かめてください。支給があれば、その月の集計表を選び直してください。";
        findings.push_back(std::move(finding));
    }

    std::vector<Finding> RepeatedCodes()
    {
        std::vector<Finding> findings;
        std::unordered_set<std::string> listRepeats;
        if (m_list) {
            for (const FaultyRow& row : m_list->repeatedCodes.rows)
                listRepeats.insert(row.code);
        }
        for (const auto& facts : m_read.Files()) {
            const auto& sample = facts.repeatedCodes;
            if (sample.Count() == 0 || (!facts.employeeList && !IsReadSummary(facts)))
                continue;
            Finding finding = Make(FindingKind::RepeatedCode, Level::MustFix, facts.path, sample.rows.front().line);
            for (const FaultyRow& row : sample.rows) {
                if (m_phantoms.count(row.code) || (!facts.employeeList && listRepeats.count(row.code)))
                    continue;
                const std::string name = Name(row.code);
                if (facts.employeeList) {
                    const std::string earlier = ShortName(row.name);
                    const std::string outcome =
                        earlier == name ? name + "の後の行だけが使われる"
                                        : Joined({earlier, name}) + "が一人にまとめられ、" + earlier + "は出力されない";
                    finding.affected.push_back(Person(row.code, earlier, 0, {}, outcome));
                    finding.affected.push_back(Person(row.code, name, row.line, {}, outcome));
                    continue;
                }
                const std::string rowName = ShortName(row.name);
                std::string outcome = (name.empty() ? row.code : name) + "の" + PeriodWords(facts.period) +
                                      "の金額は、後の行（" + std::to_string(row.line) + "行目";
                outcome += rowName.empty() || rowName == name ? std::string() : "、" + rowName;
                outcome += "）のものだけが使われる（" + FiguresRead(row.code, facts.period) + "）";
                finding.affected.push_back(Person(row.code, name, row.line, {}, std::move(outcome)));
            }
            if (finding.affected.empty())
                continue;
            finding.column = "コード";
            if (facts.employeeList) {
                finding.text = "同じ従業員コードの行が2回以上あります。";
                finding.outcome = "同じコードの従業員が一人にまとめられ、先の行の従業員は出力されない";
                finding.fix = "ソルマ給与で従業員コードを重ならないように直し、エクスポートし直してください。";
            } else {
                finding.text = "同じ従業員コードの行が2回以上あります。";
                finding.outcome = "その従業員の" + PeriodWords(facts.period) + "の金額は、後の行のものだけが使われる";
                finding.fix = "この集計表をエクスポートし直してください。";
            }
            findings.push_back(std::move(finding));
        }
        return findings;
    }

    void BadDates(std::vector<Finding>& findings)
    {
        if (!m_list)
            return;
        for (const std::string& column : CExchangeFromSormaToVeld::DateColumns()) {
            const std::int32_t number = m_read.EmployeeColumnNumber(column);
            Finding finding = Make(FindingKind::BadDate, Level::MustFix, m_list->path, 0);
            for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
                const RecordView record = m_read.Record(r);
                if (!record.Listed() || m_phantoms.count(record.Code()))
                    continue;
                const std::string_view value = record.EmployeeValue(number);
                // The conversion's own rule: what it cannot read, it leaves empty.
                if (value.empty() || !CExchangeFromSormaToVeld::ConvertDate(std::string(value)).empty())
                    continue;
                finding.affected.push_back(
                    Person(record.Code(), Name(record.Code()), 0, ShortName(value), column + "が空欄になる"));
            }
            if (finding.affected.empty())
                continue;
            finding.column = column;
            finding.text =
                column + "が日付に変換できない従業員が" + std::to_string(finding.affected.size()) + "人います。";
            finding.outcome = "これらの従業員の" + column + "が空欄になる";
            finding.fix =
                std::string(kReExport) + "日付は「1975年 4月 3日」や「昭和50年 4月 3日」の形でエクスポートされます。";
            findings.push_back(std::move(finding));
        }
    }

    void NotNumbers(std::vector<Finding>& findings)
    {
        std::array<const ExportFileFacts*, kLastPeriod + 1> fileOfPeriod{};
        for (const auto& facts : m_read.Files()) {
            if (IsReadSummary(facts))
                fileOfPeriod[static_cast<std::size_t>(facts.period)] = &facts;
        }
        const auto& entries = m_items.Entries();
        // By period, then by figure.
        std::vector<std::array<std::vector<Affected>, 4>> wrong(kLastPeriod + 1);
        for (std::size_t r = 0; r < m_read.RecordCount(); ++r) {
            const RecordView record = m_read.Record(r);
            if (m_phantoms.count(record.Code()))
                continue;
            record.VisitPayValues(m_figures, [&](int period, std::size_t e, std::string_view value) {
                if (IsNumber(value) || m_shiftedCodes[period].count(record.Code()))
                    return;
                wrong[static_cast<std::size_t>(period)][e].push_back(
                    Person(record.Code(), Name(record.Code()), 0, ShortName(value),
                           PeriodWords(period) + "の" + entries[e].targetItem + "が正しく取り込まれない"));
            });
        }
        for (int period = 1; period <= kLastPeriod; ++period) {
            for (std::size_t e = 0; e < m_figures.size(); ++e) {
                auto& people = wrong[static_cast<std::size_t>(period)][e];
                if (people.empty())
                    continue;
                const ExportFileFacts* facts = fileOfPeriod[static_cast<std::size_t>(period)];
                Finding finding = Make(FindingKind::NotANumber, Level::MustFix, facts ? facts->path : std::string(), 0);
                finding.column = entries[e].chosenPayrollItem;
                finding.text = entries[e].targetItem + "（" + entries[e].chosenPayrollItem + "）に数値でない値が" +
                               std::to_string(people.size()) + "人分あります。";
                finding.outcome = "これらの従業員の" + PeriodWords(period) + "の" + entries[e].targetItem +
                                  "が、ヴェルドで正しく取り込まれない";
                finding.fix = "ソルマ給与で金額を数字に直し、エクスポートし直してください。";
                finding.affected = std::move(people);
                findings.push_back(std::move(finding));
            }
        }
    }

    const ReadView& m_read;
    const CSormaItemCheck& m_items;
    const Expected m_expected;
    const std::int32_t m_nameColumn;
    std::vector<std::int32_t> m_figures;  // the chosen figures' item numbers; -1 for one without a column
    const ExportFileFacts* m_list = nullptr;
    std::vector<std::string> m_listedCodes;
    bool m_listedGathered = false;
    // Codes that a broken row made up, and the codes of the employees that
    // such a row took away: named by the broken row's finding alone.
    std::unordered_set<std::string> m_phantoms;
    std::unordered_set<std::string> m_vanished;
    // Listed employees whose lost figures another finding names.
    std::unordered_set<std::string> m_explained;
    std::unordered_set<std::string> m_lostPeriod;
    // By period: codes whose row was read shifted, whose figures are named there.
    std::unordered_map<int, std::unordered_set<std::string>> m_shiftedCodes;
};

}  // namespace

std::vector<Finding> VerifyExports(const ReadView& read, const CSormaItemCheck& items, const std::string& filingYear)
{
    std::vector<Finding> findings = Checks(read, items).Run();
    CheckYears(read, filingYear, findings);
    CheckEmploymentPeriods(read, items, findings);
    CheckFigures(read, items, findings);
    return findings;
}

std::vector<Affected> EmployeesOfFile(const ReadView& read, const std::string& path)
{
    std::vector<Affected> people;
    const std::int32_t nameColumn = read.EmployeeColumnNumber(kNameColumn);
    for (const auto& facts : read.Files()) {
        if (facts.path != path || facts.entry >= kMaxTrackedFiles)
            continue;
        const FileMask bit = FileMask{1} << facts.entry;
        for (std::size_t r = 0; r < read.RecordCount(); ++r) {
            const RecordView record = read.Record(r);
            if (record.Files() & bit)
                people.push_back(Person(record.Code(), ShortName(record.EmployeeValue(nameColumn))));
        }
    }
    return people;
}

}  // namespace corvane::preflight
