#include "preflight/FigureChecks.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_set>

#include "items/CSormaItemCheck.h"
#include "preflight/Figure.h"
#include "preflight/FindingParts.h"
#include "sormaexport/ExportLayout.h"

namespace corvane::preflight {

namespace {

using exportlayout::kLastPeriod;

const char* const kNameColumn = "氏名";
// The correspondence's entries in their fixed order.
constexpr std::size_t kPay = 0;
constexpr std::size_t kSocial = 1;
constexpr std::size_t kDependants = 2;
constexpr std::size_t kTax = 3;
constexpr std::size_t kFigures = 4;
constexpr long long kMostDependants = 99;

// A count as written, `whole` its whole part: a whole number, 「2.0」 too.
bool IsDependantCount(std::string_view value, long long whole)
{
    if (whole < 0 || whole > kMostDependants)
        return false;
    const std::size_t point = value.find('.');
    return point == std::string_view::npos || value.find_first_not_of("0\"", point + 1) == std::string_view::npos;
}

// Rows with pay, and those where the pay is below another figure.
struct Comparison {
    std::size_t against = 0;
    std::size_t below = 0;
    std::vector<Affected> people;
};

struct Tally {
    std::size_t rowsWithPay = 0;
    std::array<Comparison, 2> comparisons{{{kTax, 0, {}}, {kSocial, 0, {}}}};
    // By period and entry: who has a negative figure, a count that is none.
    std::array<std::array<std::vector<Affected>, kFigures>, kLastPeriod + 1> negative{};
    std::array<std::vector<Affected>, kLastPeriod + 1> dependants{};
};

std::string Heading(const ITEMMACHTABLE& entry)
{
    return entry.targetItem + "（" + entry.chosenPayrollItem + "）";
}

void Count(const RecordView& record, std::int32_t nameColumn,
           const std::array<std::array<std::string_view, kFigures>, kLastPeriod + 1>& values, std::uint32_t periods,
           const std::vector<ITEMMACHTABLE>& entries, Tally& tally)
{
    std::array<bool, 2> named{};
    for (int p = 1; p <= kLastPeriod; ++p) {
        if ((periods & (std::uint32_t{1} << p)) == 0)
            continue;
        const auto& row = values[static_cast<std::size_t>(p)];
        // Each figure is read once; "" and what is no number have none.
        std::array<std::optional<long long>, kFigures> whole;
        for (std::size_t e = 0; e < kFigures; ++e) {
            whole[e] = WholeValue(row[e]);
            // A number too long to hold is no count either.
            const bool overlong =
                !whole[e] && row[e].find_first_not_of('"') != std::string_view::npos && IsNumber(row[e]);
            if (!whole[e] && !(e == kDependants && overlong))
                continue;
            if (e == kDependants) {
                if (overlong || !IsDependantCount(row[e], *whole[e]))
                    tally.dependants[static_cast<std::size_t>(p)].push_back(
                        parts::Employee(record, nameColumn, std::string(row[e])));
            } else if (*whole[e] < 0) {
                tally.negative[static_cast<std::size_t>(p)][e].push_back(
                    parts::Employee(record, nameColumn, std::string(row[e])));
            }
        }
        const auto& pay = whole[kPay];
        if (!pay || *pay <= 0)
            continue;
        ++tally.rowsWithPay;
        for (std::size_t c = 0; c < tally.comparisons.size(); ++c) {
            Comparison& comparison = tally.comparisons[c];
            const auto& other = whole[comparison.against];
            if (!other || *other <= *pay)
                continue;
            ++comparison.below;
            if (!named[c]) {
                named[c] = true;
                comparison.people.push_back(parts::Employee(record, nameColumn,
                                                            entries[kPay].targetItem + " " + std::string(row[kPay]) +
                                                                "／" + entries[comparison.against].targetItem + " " +
                                                                std::string(row[comparison.against])));
            }
        }
    }
}

// A finding of one chosen column's values: 「<heading><problem>N人います（…）。」
Finding ColumnFinding(FindingKind kind, const std::string& file, const ITEMMACHTABLE& entry, const char* problem,
                      const std::vector<Affected>& people, std::string outcome, std::string fix)
{
    Finding finding = parts::Make(
        kind, Level::ToConfirm, file,
        Heading(entry) + problem + std::to_string(people.size()) + "人います（" + parts::People(people) + "）。",
        std::move(outcome), std::move(fix));
    finding.column = entry.chosenPayrollItem;
    finding.affected = people;
    parts::CountPeople(finding);
    return finding;
}

void Report(const Tally& tally, const std::vector<ITEMMACHTABLE>& entries,
            const std::array<const ExportFileFacts*, kLastPeriod + 1>& fileOf, std::vector<Finding>& findings)
{
    // One finding for one correspondence, naming every figure the pay falls below.
    const ITEMMACHTABLE& pay = entries[kPay];
    std::string others;
    std::string targets;
    std::vector<Affected> below;
    for (const Comparison& comparison : tally.comparisons) {
        if (comparison.below * 2 <= tally.rowsWithPay)
            continue;
        const ITEMMACHTABLE& other = entries[comparison.against];
        others += (others.empty() ? "" : "や") + Heading(other);
        targets += "、" + other.targetItem;
        for (const Affected& person : comparison.people) {
            if (std::none_of(below.begin(), below.end(),
                             [&person](const Affected& known) { return known.code == person.code; }))
                below.push_back(person);
        }
    }
    if (!others.empty()) {
        Finding finding = parts::Make(
            FindingKind::ImplausibleColumns, Level::MustFix, std::string(),
            Heading(pay) + "の値が" + others + "の値より小さい行が、金額のある行の大半を占めます（" +
                std::to_string(below.size()) + "人: " + parts::People(below) + "）。項目の対応が正しくないようです。",
            "中間ファイルの" + pay.targetItem + targets + "に、ほかの項目の値が入ります。",
            "項目の対応（項目の対応の画面、または --item）で、" + pay.targetItem + targets +
                "に正しい項目を選び直してください。");
        finding.column = pay.chosenPayrollItem;
        finding.affected = std::move(below);
        parts::CountPeople(finding);
        findings.push_back(std::move(finding));
    }
    for (int p = 1; p <= kLastPeriod; ++p) {
        const ExportFileFacts* facts = fileOf[static_cast<std::size_t>(p)];
        const std::string file = facts ? facts->path : std::string();
        for (std::size_t e = 0; e < kFigures; ++e) {
            const auto& people = tally.negative[static_cast<std::size_t>(p)][e];
            if (people.empty())
                continue;
            findings.push_back(ColumnFinding(FindingKind::NegativeFigure, file, entries[e], "がマイナスの従業員が",
                                             people, "マイナスの値のまま中間ファイルに入ります。",
                                             "給与ソフトで、この月の金額が正しいか確かめてください。"));
        }
        const auto& people = tally.dependants[static_cast<std::size_t>(p)];
        if (people.empty())
            continue;
        findings.push_back(ColumnFinding(
            FindingKind::BadDependents, file, entries[kDependants], "が0～99の整数でない従業員が", people,
            "その値のまま中間ファイルに入ります。",
            "給与ソフトで従業員の扶養親族等の数を確かめるか、項目の対応で正しい項目を選び直してください。"));
    }
}

}  // namespace

void CheckFigures(const ReadView& read, const CSormaItemCheck& items, std::vector<Finding>& findings)
{
    const auto& entries = items.Entries();
    if (entries.size() < kFigures)
        return;
    // The chosen entries' items, and which entry each is.
    std::vector<std::int32_t> numbers;
    std::vector<std::size_t> entryOf;
    for (std::size_t e = 0; e < kFigures; ++e) {
        if (entries[e].chosenPosition < 0)
            continue;
        numbers.push_back(read.PayItemNumber(entries[e].defaultPayrollItem));
        entryOf.push_back(e);
    }
    if (numbers.empty())
        return;
    std::array<const ExportFileFacts*, kLastPeriod + 1> fileOf{};
    // Rows read in the wrong shape have their one finding already; their
    // figures are the shift's, not the employee's.
    std::array<std::unordered_set<std::string>, kLastPeriod + 1> misread{};
    for (const ExportFileFacts* facts : parts::ReadSummaries(read)) {
        if (facts->period < 1 || facts->period > kLastPeriod)
            continue;
        const auto p = static_cast<std::size_t>(facts->period);
        fileOf[p] = facts;
        for (const RowSample* sample : {&facts->fieldCounts, &facts->unpairedQuotes})
            for (const FaultyRow& row : sample->rows)
                misread[p].insert(row.code);
    }
    const std::int32_t nameColumn = read.EmployeeColumnNumber(kNameColumn);
    Tally tally;
    std::array<std::array<std::string_view, kFigures>, kLastPeriod + 1> values{};
    for (std::size_t r = 0; r < read.RecordCount(); ++r) {
        const RecordView record = read.Record(r);
        std::uint32_t periods = 0;
        record.VisitPayValues(numbers, [&](int period, std::size_t k, std::string_view value) {
            const std::uint32_t bit = std::uint32_t{1} << period;
            if ((periods & bit) == 0) {
                periods |= bit;
                values[static_cast<std::size_t>(period)] = {};
            }
            values[static_cast<std::size_t>(period)][entryOf[k]] = value;
        });
        for (int p = 1; p <= kLastPeriod; ++p) {
            if (misread[static_cast<std::size_t>(p)].count(record.Code()))
                periods &= ~(std::uint32_t{1} << p);
        }
        if (periods != 0)
            Count(record, nameColumn, values, periods, entries, tally);
    }
    Report(tally, entries, fileOf, findings);
}

}  // namespace corvane::preflight
