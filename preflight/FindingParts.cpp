#include "preflight/FindingParts.h"

#include "preflight/Words.h"

namespace corvane::preflight::parts {

namespace {

constexpr std::size_t kNamed = 5;  // employees named in a finding's text

}  // namespace

Finding Make(FindingKind kind, Level level, std::string file, std::string text, std::string outcome, std::string fix)
{
    Finding finding;
    finding.kind = kind;
    finding.level = level;
    finding.file = std::move(file);
    finding.text = std::move(text);
    finding.outcome = std::move(outcome);
    finding.fix = std::move(fix);
    return finding;
}

Affected Employee(const RecordView& record, std::int32_t nameColumn, std::string value)
{
    Affected affected;
    affected.code = record.Code();
    affected.name = ShortName(record.EmployeeValue(nameColumn));
    affected.value = std::move(value);
    return affected;
}

void CountPeople(Finding& finding)
{
    finding.count = finding.affected.size();
    if (!finding.affected.empty())
        finding.employee = finding.affected.front().code;
}

std::string People(const std::vector<Affected>& affected)
{
    std::string text;
    for (std::size_t i = 0; i < affected.size() && i < kNamed; ++i) {
        const Affected& each = affected[i];
        text += (text.empty() ? "" : "、") + (each.name.empty() ? each.code : each.code + " " + each.name);
    }
    return affected.size() > kNamed ? text + "ほか" : text;
}

std::vector<const ExportFileFacts*> ReadSummaries(const ReadView& read)
{
    std::vector<const ExportFileFacts*> summaries;
    for (const auto& facts : read.Files()) {
        if (!facts.employeeList && facts.period != -1)
            summaries.push_back(&facts);
    }
    return summaries;
}

}  // namespace corvane::preflight::parts
