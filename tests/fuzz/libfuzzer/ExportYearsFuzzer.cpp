// The exports' dates and years (年分): the date and year readers on every
// line and field of the input, then the reader and the check before writing
// on an employee list and two summaries with a typed filing year. Input: the
// filing year's line, then lines of dates; the employee list; two summaries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ExportSlots.h"
#include "FuzzInput.h"
#include "items/CSormaItemCheck.h"
#include "job/CSyuukeiDataFile.h"
#include "preflight/FindingText.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportDate.h"
#include "sormaexport/ExportYear.h"
#include "support/RecordingMessageBox.h"
#include "text/Format.h"

using namespace corvane;
using fuzzing::Require;

namespace {

// Years that DateText and EraYearText write in a form the readers take back:
// four Western digits before the eras, two digits of an era's year after.
bool WrittenBack(int year)
{
    return year >= 1000 && year <= exportyear::YearOfFilingYear(99);
}

void CheckDate(const exportdate::Date& date)
{
    Require(exportdate::IsValid(date), "a date read is a day of the calendar");
    Require(date.year <= 9999, "a date read has a year of four digits at most");
    Require(exportdate::EightDigits(date) == text::Format("%04d%02d%02d", date.year, date.month, date.day),
            "eight digits are the year, month and day");
    if (!WrittenBack(date.year))
        return;
    Require(exportdate::ParseDate(exportdate::DateText(date)) == date, "a date written in words reads back");
    Require(exportdate::ParseDate(text::Format("%d/%d/%d", date.year, date.month, date.day)) == date,
            "a date written with slashes reads back");
}

void CheckYear(int year)
{
    Require(year >= 0 && year <= 9999, "a year read has four digits at most");
    if (!WrittenBack(year))
        return;
    const std::string title = "給与集計表,会社," + exportdate::EraYearText(year) + "分";
    Require(exportyear::TitleYear(title) == year, "a 年分 written in words reads back");
}

void CheckText(std::string_view text)
{
    if (const auto date = exportdate::ParseDate(text))
        CheckDate(*date);
    if (const auto year = exportdate::ParseYear(text, "年分"))
        CheckYear(*year);
}

void CheckLine(std::string_view line)
{
    CheckText(line);
    for (const auto& field : SplitCsvLine(line))
        CheckText(field);
    if (const auto year = exportyear::TitleYear(line))
        CheckYear(*year);
    if (const auto paid = exportyear::PaymentDate(line))
        CheckDate(*paid);
    if (const auto period = exportyear::TallyPeriod(line)) {
        CheckDate(period->first);
        CheckDate(period->last);
        Require(period->first <= period->last, "a tally period does not end before it begins");
    }
}

void CheckLines(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        CheckLine(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::SplitInput(data, size, 4);
    for (const auto& part : parts)
        CheckLines(part);

    const std::string filingYear = parts[0].substr(0, parts[0].find_first_of("\r\n"));
    const std::string list = fuzzing::WriteWorkFile("employees.txt", parts[1]);
    const std::vector<std::string> summaries = {fuzzing::WriteWorkFile("summary-1.txt", parts[2]),
                                                fuzzing::WriteWorkFile("summary-2.txt", parts[3])};
    CSormaFileCheck check;
    std::string company;
    // A list its check refuses is read all the same, as what its title says.
    const bool listIsList = check.CheckEmployeeList(list, company);
    // Summaries the checks refuse go to April and May: their title lines are read all the same.
    const auto slots = fuzzing::FreeSlots(check, list, summaries, 3);
    std::vector<std::string> paths(kSummarySlotCount);
    for (std::size_t i = 0; i < summaries.size(); ++i)
        paths[static_cast<std::size_t>(slots[i])] = summaries[i];
    paths.push_back(list);

    CSormaItemCheck items(fuzzing::WorkFolder() + "/Corvane.ENV");
    items.PrepareChoices(summaries[0], company);
    test::RecordingMessageBox box;
    const platform::Messenger messenger(box);
    CSormaKyuuyo reader(messenger);
    if (!reader.Read(paths, static_cast<int>(paths.size()), items))
        return 0;

    const auto findings = preflight::VerifyExports(reader, items, filingYear);
    const bool typed = text::LeadingInt(filingYear) >= 1;
    for (const auto& finding : findings) {
        Require(!finding.text.empty() && !finding.fix.empty(), "a finding says what was found and its fix");
        switch (finding.kind) {
        case preflight::FindingKind::FilingYear:
            Require(typed, "a filing year is compared only when one was typed");
            Require(finding.file.empty(), "the filing year is no file's");
            break;
        case preflight::FindingKind::SummaryYears:
        case preflight::FindingKind::BonusOutsideYear:
            Require(
                finding.file == summaries[0] || finding.file == summaries[1] || (!listIsList && finding.file == list),
                "a year finding names a file read as a summary");
            Require(finding.line > 0, "a year finding names its line");
            break;
        default:
            Require(finding.file.empty() || finding.file == list || finding.file == summaries[0] ||
                        finding.file == summaries[1],
                    "a finding names a file of the job");
        }
    }
    if (!findings.empty()) {
        const auto display = [](const std::string& path) { return path; };
        Require(!preflight::FindingDetails(findings, display).empty(), "findings have details");
        Require(!preflight::ProceedQuestion(findings).empty(), "findings make a question");
    }
    return 0;
}
