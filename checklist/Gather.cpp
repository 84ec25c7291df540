#include "checklist/Gather.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unordered_set>

#include "checklist/Sha256.h"
#include "fileio/OpenFile.h"
#include "items/CSormaItemCheck.h"
#include "job/FolderExports.h"
#include "preflight/FindingText.h"
#include "preflight/StoreTotals.h"
#include "sormaexport/ExportLayout.h"
#include "text/Format.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::checklist {

namespace {

using exportlayout::kFirstBonusPeriod;
using exportlayout::kSalaryMonths;

// A file's facts and its first line (the title line of an export).
struct ReadFile {
    FileFacts facts;
    std::string titleLine;
};

ReadFile Read(const std::string& path)
{
    ReadFile read;
    read.facts.path = path;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(fileio::OpenFile(path, "rb"), &std::fclose);
    if (!file)
        return read;
    Sha256 hash;
    std::vector<char> buffer(1 << 16);
    bool inTitle = true;
    char last = '\n';
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
        hash.Update(buffer.data(), got);
        read.facts.size += got;
        const char* end = buffer.data() + got;
        const char* start = buffer.data();
        read.facts.lines += static_cast<long>(std::count(start, end, '\n'));
        if (inTitle) {
            const char* lineEnd = std::find(start, end, '\n');
            read.titleLine.append(start, static_cast<std::size_t>(lineEnd - start));
            inTitle = lineEnd == end;
        }
        last = end[-1];
    }
    if (std::ferror(file.get()))
        return read;
    // A last line without its line end is a line too.
    if (read.facts.size > 0 && last != '\n')
        ++read.facts.lines;
    if (!read.titleLine.empty() && read.titleLine.back() == '\r')
        read.titleLine.pop_back();
    read.facts.sha256 = hash.HexDigest();
    return read;
}

// The title line's field `index` (0-based), quotes taken off.
std::string TitleField(const std::string& line, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        start = line.find(',', start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    std::string field = line.substr(start, line.find(',', start) - start);
    field.erase(std::remove(field.begin(), field.end(), '"'), field.end());
    return field;
}

std::string LocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    // The C runtime keeps localtime's result per thread: a batch's threads do not meet.
    local = *std::localtime(&now);
#else
    localtime_r(&now, &local);
#endif
    return text::Format("%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour, local.tm_min, local.tm_sec);
}

std::string VersionText()
{
    std::string version = GetProductVersion();
    std::replace(version.begin(), version.end(), ',', '.');
    version.erase(std::remove(version.begin(), version.end(), ' '), version.end());
    return "Corvane " + version;
}

// "20240430" as "2024/04/30"; anything else as it is.
std::string SlashedDate(const std::string& date)
{
    if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string::npos)
        return date;
    return date.substr(0, 4) + "/" + date.substr(4, 2) + "/" + date.substr(6, 2);
}

Amounts AmountsOf(const preflight::Sums& sums)
{
    return {sums.gross, sums.deductions, sums.tax};
}

FindingEntry EntryOf(const preflight::Finding& finding, const platform::TextCodec& codec)
{
    FindingEntry entry;
    entry.mustFix = finding.level == preflight::Level::MustFix;
    entry.kind = codec.TextToUtf8(preflight::KindTitle(finding.kind));
    entry.file = finding.file;
    entry.line = finding.line;
    entry.column = codec.TextToUtf8(finding.column);
    entry.text = codec.TextToUtf8(finding.text);
    entry.outcome = codec.TextToUtf8(finding.outcome);
    entry.fix = codec.TextToUtf8(finding.fix);
    for (const auto& person : finding.affected) {
        entry.affected.push_back({codec.TextToUtf8(person.code), codec.TextToUtf8(person.name), person.line,
                                  codec.TextToUtf8(person.value), codec.TextToUtf8(person.outcome)});
    }
    return entry;
}

// The codes of the employees that a finding names.
std::unordered_set<std::string> NamedCodes(const std::vector<preflight::Finding>& findings)
{
    std::unordered_set<std::string> codes;
    for (const auto& finding : findings) {
        if (!finding.employee.empty())
            codes.insert(finding.employee);
        for (const auto& person : finding.affected)
            codes.insert(person.code);
    }
    return codes;
}

EmployeeRow RowOf(const CSyain& employee, const platform::TextCodec& codec, bool flagged)
{
    const preflight::EmployeeYear year = preflight::YearOf(employee);
    EmployeeRow row;
    row.code = codec.TextToUtf8(employee.Code());
    row.name = codec.TextToUtf8(employee.Name());
    // The status codes of the conversion: 2 retired, 3 retired by death.
    const std::string& status = employee.Item("就業状況");
    const std::string& retiredOn = employee.Item("退職年月日");
    row.retired = status == "2" || status == "3" || !retiredOn.empty();
    row.retiredOn = codec.TextToUtf8(SlashedDate(retiredOn));
    row.months = year.months;
    row.bonuses = year.bonuses;
    row.salary = AmountsOf(year.salary);
    row.bonus = AmountsOf(year.bonus);
    row.dependants = codec.TextToUtf8(year.dependants);
    row.flagged = flagged;
    return row;
}

std::string SlotRole(int slot)
{
    return slot < kSalaryMonths ? std::to_string(slot + 1) + "月" : "賞与" + std::to_string(slot - kSalaryMonths + 1);
}

std::string PaymentDate(const std::string& path)
{
    const int date = job::BonusPaymentDate(path);
    if (date == 0)
        return std::string();
    return text::Format("%04d/%02d/%02d", date / 10000, date / 100 % 100, date % 100);
}

}  // namespace

std::string LocalNow()
{
    return LocalTime();
}

std::string ProgramVersion()
{
    return VersionText();
}

FileFacts ReadFacts(const std::string& path)
{
    return Read(path).facts;
}

CheckList Gather(const Conversion& conversion, bool written)
{
    const job::Job& job = conversion.job;
    const platform::TextCodec& codec = conversion.codec;
    CheckList list;
    list.filingYear = codec.TextToUtf8(job.filingYear);
    list.mode = codec.TextToUtf8(job.mode == TransferMode::Easy ? "簡易モード" : "標準モード");
    list.convertedAt = LocalNow();
    list.version = ProgramVersion();
    list.outputPath = job.outputPath;
    if (written)
        list.output = ReadFacts(job.outputPath);

    std::string company = job.companyName;
    std::string exportYear;
    if (!job.employeeList.empty()) {
        ReadFile read = Read(job.employeeList);
        if (company.empty())
            company = TitleField(read.titleLine, 1);
        list.inputs.push_back({codec.TextToUtf8("従業員一覧表"), std::move(read.facts)});
    }
    for (int slot = 0; slot < static_cast<int>(job.slots.size()); ++slot) {
        const std::string& path = job.slots[static_cast<std::size_t>(slot)].path;
        if (path.empty())
            continue;
        ReadFile read = Read(path);
        // The summaries' title line names the year they belong to (「令和 6年分」).
        if (exportYear.empty())
            exportYear = TitleField(read.titleLine, 2);
        list.inputs.push_back({codec.TextToUtf8(SlotRole(slot)), std::move(read.facts)});
    }
    list.company = codec.TextToUtf8(company);
    list.exportYear = codec.TextToUtf8(exportYear);

    for (const auto& finding : conversion.findings)
        list.findings.push_back(EntryOf(finding, codec));
    for (const auto& total : preflight::PeriodTotals(conversion.store)) {
        PaymentRow payment;
        payment.bonus = total.period >= kFirstBonusPeriod;
        payment.number = payment.bonus ? total.period - kFirstBonusPeriod + 1 : total.period;
        const int slot = payment.bonus ? kSalaryMonths + payment.number - 1 : payment.number - 1;
        payment.file = job.slots[static_cast<std::size_t>(slot)].path;
        if (payment.bonus && !payment.file.empty())
            payment.paidOn = PaymentDate(payment.file);
        payment.employees = total.employees;
        payment.amounts = AmountsOf(total.sums);
        list.payments.push_back(std::move(payment));
    }
    list.employees.reserve(conversion.store.Syain().size());
    const auto named = NamedCodes(conversion.findings);
    for (const auto& employee : conversion.store.Syain())
        list.employees.push_back(RowOf(*employee, codec, named.count(employee->Code()) > 0));
    for (const auto& entry : conversion.items.Entries()) {
        list.items.push_back({codec.TextToUtf8(entry.targetItem), codec.TextToUtf8(entry.chosenPayrollItem),
                              entry.chosenPayrollItem.empty() ? -1 : entry.chosenPosition});
    }
    return list;
}

}  // namespace corvane::checklist
