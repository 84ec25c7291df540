#include "preflight/PeriodChecks.h"

#include <algorithm>
#include <array>
#include <optional>

#include "items/CSormaItemCheck.h"
#include "preflight/Figure.h"
#include "preflight/FindingParts.h"
#include "preflight/PeriodDates.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ExportYear.h"

namespace corvane::preflight {

namespace {

using exportdate::Date;
using exportdate::DateRange;
using exportlayout::kLastPeriod;

const char* const kNameColumn = "氏名";
const char* const kJoinedColumn = "入社年月日";
const char* const kLeftColumn = "退職年月日";
// The figures that are pay: the dependants' count is none.
constexpr std::array<std::size_t, 3> kPayEntries = {0, 1, 3};

struct PeriodDays {
    const ExportFileFacts* facts = nullptr;
    std::optional<DateRange> days;
};

std::string DaysText(const DateRange& days)
{
    if (days.first == days.last)
        return "支給日 " + exportdate::DateText(days.first);
    return exportdate::DateText(days.first) + "～" + exportdate::DateText(days.last);
}

Finding PeriodFinding(const PeriodDays& period, bool left, std::vector<Affected> affected)
{
    const std::string label =
        "「" + exportlayout::PeriodLabel(period.facts->period) + "」（" + DaysText(*period.days) + "）";
    Finding finding = parts::Make(
        left ? FindingKind::PayAfterLeaving : FindingKind::PayBeforeJoining, Level::MustFix, period.facts->path,
        std::string(left ? "退職年月日より後" : "入社年月日より前") + "の" + label + "に金額がある従業員が" +
            std::to_string(affected.size()) + "人います（" + parts::People(affected) +
            "）。従業員コードがほかの人に使い回され、その人の給与が入っている可能性があります。",
        "これらの金額は、従業員一覧表のこの従業員の給与として中間ファイルに入ります。",
        "集計表のこの行がだれの給与か確かめてください。別の人の給与なら、従業員一覧表をエクスポートし直してください。");
    finding.column = left ? kLeftColumn : kJoinedColumn;
    finding.affected = std::move(affected);
    parts::CountPeople(finding);
    return finding;
}

}  // namespace

void CheckEmploymentPeriods(const ReadView& read, const CSormaItemCheck& items, std::vector<Finding>& findings)
{
    std::array<PeriodDays, kLastPeriod + 1> periods{};
    bool any = false;
    for (const ExportFileFacts* facts : parts::ReadSummaries(read)) {
        if (facts->period < 1 || facts->period > kLastPeriod)
            continue;
        PeriodDays& period = periods[static_cast<std::size_t>(facts->period)];
        period.facts = facts;
        period.days = DaysOf(*facts);
        any = any || period.days.has_value();
    }
    std::vector<std::int32_t> numbers;
    const auto& entries = items.Entries();
    for (const std::size_t e : kPayEntries) {
        if (e < entries.size() && entries[e].chosenPosition >= 0)
            numbers.push_back(read.PayItemNumber(entries[e].defaultPayrollItem));
    }
    if (!any || numbers.empty())
        return;
    // Most employees were there all through the files' days: their figures need no look.
    Date earliest{9999, 12, 31};
    Date latest{};
    for (const PeriodDays& period : periods) {
        if (period.days) {
            earliest = std::min(earliest, period.days->first);
            latest = std::max(latest, period.days->last);
        }
    }

    const std::int32_t nameColumn = read.EmployeeColumnNumber(kNameColumn);
    const std::int32_t joinedColumn = read.EmployeeColumnNumber(kJoinedColumn);
    const std::int32_t leftColumn = read.EmployeeColumnNumber(kLeftColumn);
    // By period: those paid after leaving, those paid before joining.
    std::array<std::array<std::vector<Affected>, 2>, kLastPeriod + 1> found{};
    for (std::size_t r = 0; r < read.RecordCount(); ++r) {
        const RecordView record = read.Record(r);
        if (!record.Listed())
            continue;
        const std::string_view leftValue = record.EmployeeValue(leftColumn);
        const std::string_view joinedValue = record.EmployeeValue(joinedColumn);
        // A date that is not there or cannot be read stays year 0.
        const Date left = exportdate::ParseDate(leftValue).value_or(Date{});
        const Date joined = exportdate::ParseDate(joinedValue).value_or(Date{});
        const bool hasLeft = left.year != 0;
        const bool hasJoined = joined.year != 0;
        if ((!hasLeft || left >= latest) && (!hasJoined || joined <= earliest))
            continue;
        std::uint32_t paid = 0;  // bit p for period p with a figure other than zero
        record.VisitPayValues(numbers, [&](int period, std::size_t, std::string_view value) {
            const auto figure = WholeValue(value);
            if (figure && *figure != 0)
                paid |= std::uint32_t{1} << period;
        });
        for (int p = 1; p <= kLastPeriod; ++p) {
            const auto& days = periods[static_cast<std::size_t>(p)].days;
            if ((paid & (std::uint32_t{1} << p)) == 0 || !days)
                continue;
            if (hasLeft && days->first > left)
                found[static_cast<std::size_t>(p)][0].push_back(
                    parts::Employee(record, nameColumn, std::string(leftValue)));
            else if (hasJoined && days->last < joined)
                found[static_cast<std::size_t>(p)][1].push_back(
                    parts::Employee(record, nameColumn, std::string(joinedValue)));
        }
    }
    for (std::size_t side = 0; side < 2; ++side) {
        for (int p = 1; p <= kLastPeriod; ++p) {
            auto& affected = found[static_cast<std::size_t>(p)][side];
            if (!affected.empty())
                findings.push_back(PeriodFinding(periods[static_cast<std::size_t>(p)], side == 0, std::move(affected)));
        }
    }
}

}  // namespace corvane::preflight
