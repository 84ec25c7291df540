#include "job/JobSteps.h"

#include <algorithm>
#include <map>

#include "engine/CExchangeFromSormaToVeld.h"
#include "fileio/FileStatus.h"
#include "items/CSormaItemCheck.h"
#include "job/JobMessages.h"
#include "job/RefusedFile.h"
#include "job/SameContent.h"
#include "preflight/FindingText.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/ExportYear.h"
#include "text/AsciiSpace.h"
#include "text/LineReader.h"
#include "text/Cp932.h"
#include "text/Format.h"

namespace corvane::job {

namespace {

std::string PathLines(const std::vector<std::string>& paths, const platform::Messenger& messenger)
{
    std::string lines;
    for (const auto& path : paths)
        lines += messenger.DisplayPath(path) + "\n";
    return lines;
}

CSyuukeiDataFile& SalarySlot(SummarySlots& slots, int month)
{
    return slots[static_cast<std::size_t>(month - 1)];
}

}  // namespace

std::optional<std::string> EmployeeListCompany(const std::string& path)
{
    CSormaFileCheck check;
    return EmployeeListCompany(path, check);
}

std::optional<std::string> EmployeeListCompany(const std::string& path, CSormaFileCheck& check)
{
    std::string company;
    if (!check.CheckEmployeeList(path, company))
        return std::nullopt;
    return company;
}

const std::string& EmployeeListRefusedMessage()
{
    static const std::string text = messages::NotCorrectFile() + messages::ChooseEmployeeList();
    return text;
}

std::string EmployeeListRefusedMessage(const std::string& path, const platform::Messenger& messenger)
{
    const std::string note = WhatRefusedFileIs(path, Wanted::EmployeeList, std::string(), SummarySlots(), -1);
    return WithCharacterCodeNote(EmployeeListRefusedMessage(), {path}) + "\n\n" +
           RefusedFileLines(path, note, messenger);
}

std::string WithCharacterCodeNote(const std::string& message, const std::vector<std::string>& paths)
{
    const std::string* note = nullptr;
    for (const auto& path : paths) {
        const text::UnicodeForm form = CSormaFileCheck::UnicodeFormOf(path);
        if (form == text::UnicodeForm::Utf8)
            note = &messages::Utf8Note();
        else if (form == text::UnicodeForm::Utf16)
            note = &messages::Utf16Note();
        if (note)
            break;
    }
    if (!note)
        return message;
    const std::size_t firstLineEnd = message.find('\n');
    if (firstLineEnd == std::string::npos)
        return message + "\n" + *note;
    std::string noted = message;
    noted.insert(firstLineEnd + 1, *note);
    return noted;
}

int SlotHoldingFile(const SummarySlots& slots, const std::string& path, int except)
{
    const fileio::StatedPath file(path);
    for (int i = 0; i < kSummarySlotCount; ++i) {
        const std::string& held = slots[static_cast<std::size_t>(i)].path;
        if (i != except && !held.empty() && fileio::SameFile(fileio::StatedPath(held), file))
            return i;
    }
    return -1;
}

std::string PlaceSalaryFiles(const std::string& employeeList, std::vector<std::string> paths, SummarySlots& slots,
                             const platform::Messenger& messenger)
{
    CSormaFileCheck check;
    return PlaceSalaryFiles(employeeList, std::move(paths), slots, messenger, check);
}

std::string PlaceSalaryFiles(const std::string& employeeList, std::vector<std::string> paths, SummarySlots& slots,
                             const platform::Messenger& messenger, CSormaFileCheck& check)
{
    std::sort(paths.begin(), paths.end(),
              [](const std::string& a, const std::string& b) { return text::Compare(a, b) < 0; });

    // Refused files by section: their paths, and their lines of the message.
    struct Section {
        std::vector<std::string> paths;
        std::string lines;
    };
    Section notAcceptable;
    Section notSalary;
    std::map<int, std::vector<std::string>> months;
    const auto refuse = [&](Section& section, const std::string& path, int slot) {
        section.paths.push_back(path);
        section.lines +=
            RefusedFileLines(path, WhatRefusedFileIs(path, Wanted::Salary, employeeList, slots, slot), messenger);
    };
    for (const auto& path : paths) {
        const int result = check.CheckSalaryFile(employeeList, path, false, false);
        if (result == -2)
            refuse(notSalary, path, -1);
        else if (result < 1 || result > kSalarySlotCount)
            refuse(notAcceptable, path, -1);
        else if (SlotHoldingFile(slots, path, result - 1) >= 0)
            // A file in two slots would count its figures twice.
            refuse(notAcceptable, path, result - 1);
        else
            months[result].push_back(path);
    }
    // Two files for one month: which one the user meant is not known, so
    // neither replaces the month's earlier file.
    std::string sameMonth;
    for (const auto& [month, files] : months) {
        if (files.size() == 1) {
            SalarySlot(slots, month).path = files.front();
            continue;
        }
        sameMonth += text::Format("[%02d月]\n", month) + PathLines(files, messenger);
    }
    if (notAcceptable.paths.empty() && notSalary.paths.empty() && sameMonth.empty())
        return std::string();

    std::vector<std::string> refused = notAcceptable.paths;
    refused.insert(refused.end(), notSalary.paths.begin(), notSalary.paths.end());
    std::string message = WithCharacterCodeNote(messages::NotCorrectFile(), refused) + messages::ChooseSalarySummary();
    if (!notAcceptable.paths.empty())
        message += messages::NotASummarySection() + notAcceptable.lines;
    if (!notSalary.paths.empty())
        message += messages::NotSalarySection() + notSalary.lines;
    if (!sameMonth.empty())
        message += messages::SameMonthSection() + sameMonth;
    return message;
}

std::string CheckSalaryConditions(const std::string& employeeList, const SummarySlots& slots,
                                  const platform::Messenger& messenger)
{
    CSormaFileCheck check;
    std::vector<std::string> failed;
    bool first = true;
    for (int month = 1; month <= kSalarySlotCount; ++month) {
        const std::string& path = slots[static_cast<std::size_t>(month - 1)].path;
        if (path.empty())
            continue;
        if (check.CheckSalaryFile(employeeList, path, true, first) < 0)
            failed.push_back(path);
        first = false;
    }
    if (failed.empty())
        return std::string();
    return WithCharacterCodeNote(messages::NotCorrectFile(), failed) + messages::ChooseSalarySummary() +
           messages::NotSameConditionsSection() + PathLines(failed, messenger);
}

bool AcceptBonusFile(const std::string& employeeList, const std::string& path, const SummarySlots& slots, int slot)
{
    CSormaFileCheck check;
    return AcceptBonusFile(employeeList, path, slots, slot, check);
}

bool AcceptBonusFile(const std::string& employeeList, const std::string& path, const SummarySlots& slots, int slot,
                     CSormaFileCheck& check)
{
    return check.CheckBonusFile(employeeList, path, false, false) >= 0 && SlotHoldingFile(slots, path, slot) < 0;
}

const std::string& BonusFileRefusedMessage()
{
    static const std::string text =
        messages::NotCorrectFile() + messages::ChooseSummary() + messages::BonusNotASummarySection();
    return text;
}

std::string BonusFileRefusedMessage(const RefusedBonus& refused, const std::string& employeeList,
                                    const SummarySlots& slots, const platform::Messenger& messenger)
{
    return BonusFilesRefusedMessage({refused}, employeeList, slots, messenger);
}

std::string BonusFilesRefusedMessage(const std::vector<RefusedBonus>& refused, const std::string& employeeList,
                                     const SummarySlots& slots, const platform::Messenger& messenger)
{
    std::vector<std::string> paths;
    std::string lines;
    for (const auto& [path, slot] : refused) {
        paths.push_back(path);
        lines += RefusedFileLines(path, WhatRefusedFileIs(path, Wanted::Bonus, employeeList, slots, slot), messenger);
    }
    return WithCharacterCodeNote(BonusFileRefusedMessage(), paths) + lines;
}

std::string CheckAllConditions(const std::string& employeeList, const SummarySlots& slots,
                               const platform::Messenger& messenger)
{
    CSormaFileCheck check;
    return CheckAllConditions(employeeList, slots, messenger, check);
}

std::string CheckAllConditions(const std::string& employeeList, const SummarySlots& slots,
                               const platform::Messenger& messenger, CSormaFileCheck& check)
{
    std::vector<std::string> failed;
    bool first = true;
    for (int i = 0; i < kSummarySlotCount; ++i) {
        const std::string& path = slots[static_cast<std::size_t>(i)].path;
        if (path.empty())
            continue;
        const int result = i < kSalarySlotCount ? check.CheckSalaryFile(employeeList, path, true, first)
                                                : check.CheckBonusFile(employeeList, path, true, first);
        if (result < 0)
            failed.push_back(path);
        first = false;
    }
    if (failed.empty())
        return std::string();
    return WithCharacterCodeNote(messages::NotCorrectFile(), failed) + messages::ChooseBonusSummary() +
           messages::NotSameConditionsSection() + PathLines(failed, messenger);
}

std::string ReferenceFile(const SummarySlots& slots)
{
    for (const auto& slot : slots) {
        if (!slot.path.empty())
            return slot.path;
    }
    return std::string();
}

PreparedChoices PrepareItemChoices(const Job& job, CSormaItemCheck& items, const platform::Messenger& messenger)
{
    CSormaFileCheck check;
    return PrepareItemChoices(job, items, messenger, check);
}

PreparedChoices PrepareItemChoices(const Job& job, CSormaItemCheck& items, const platform::Messenger& messenger,
                                   CSormaFileCheck& check)
{
    PreparedChoices prepared;
    const std::string reference = ReferenceFile(job.slots);
    if (reference.empty())
        return prepared;
    prepared.refusal = {CheckAllConditions(job.employeeList, job.slots, messenger, check), platform::Icon::None};
    if (prepared.refusal)
        return prepared;
    prepared.passOver = items.PrepareChoices(reference, job.companyName);
    return prepared;
}

std::string MissingFilesMessage(const std::string& employeeList, const SummarySlots& slots,
                                const std::function<bool(const std::string&)>& fileExists,
                                const platform::Messenger& messenger)
{
    std::string report;
    if (!fileExists(employeeList))
        report += messages::MissingEmployeeListSection() + messenger.DisplayPath(employeeList) + "\n";
    bool headed = false;
    for (const auto& slot : slots) {
        if (slot.path.empty() || fileExists(slot.path))
            continue;
        if (!headed) {
            report += messages::MissingSummariesSection();
            headed = true;
        }
        report += text::Format("(%s)%s\n", slot.label.c_str(), messenger.DisplayPath(slot.path).c_str());
    }
    if (report.empty())
        return std::string();
    return messages::MissingFilesHead() + report;
}

std::vector<std::string> ExportPaths(const Job& job)
{
    std::vector<std::string> paths = {job.employeeList};
    for (const auto& slot : job.slots) {
        if (!slot.path.empty())
            paths.push_back(slot.path);
    }
    return paths;
}

std::string SameFileMessage(const std::string& outputPath, const std::vector<std::string>& exports,
                            const std::string& settingsPath, const platform::Messenger& messenger)
{
    // Each path's status asked once: the output and the settings file are compared with every export.
    const fileio::StatedPath output(outputPath);
    const fileio::StatedPath settings(settingsPath);
    std::vector<fileio::StatedPath> stated;
    stated.reserve(exports.size());
    for (const auto& path : exports) {
        stated.emplace_back(path);
        if (fileio::SameFile(output, stated.back()))
            return messages::OutputIsAnExport() + messages::ChooseAnotherOutput() + messenger.DisplayPath(outputPath);
    }
    if (fileio::SameFile(output, settings))
        return messages::OutputIsTheSettings() + messages::ChooseAnotherOutput() + messenger.DisplayPath(outputPath);
    for (const auto& path : stated) {
        if (fileio::SameFile(settings, path))
            return messages::SettingsIsAnExport() + messenger.DisplayPath(settingsPath);
    }
    return std::string();
}

Refusal CheckBeforeConversion(const Job& job, const std::string& settingsPath,
                              const std::function<bool(const std::string&)>& fileExists,
                              const platform::Messenger& messenger)
{
    const std::string missing = MissingFilesMessage(job.employeeList, job.slots, fileExists, messenger);
    if (!missing.empty())
        return {missing, platform::Icon::None};
    return {SameFileMessage(job.outputPath, ExportPaths(job), settingsPath, messenger), platform::Icon::Warning};
}

bool IsValidFilingYear(const std::string& text)
{
    // LeadingInt clamps, so a long run of digits is refused rather than wrapping into range.
    const int year = text::LeadingInt(text);
    return year >= 1 && year <= 98;
}

const std::string& FilingYearRefusedMessage()
{
    static const std::string text =
        "正しい申告年度を指定してください。\n"
        "令和の年を1～98の数字で入力してください（令和6年なら6）。";
    return text;
}

std::string DefaultFilingYear(const platform::LocalDate& today)
{
    // 令和 began on 1 May 2019; before it the year is one of 平成.
    const bool reiwa = today.year > 2019 || (today.year == 2019 && today.month >= 5);
    return std::to_string(today.year - (reiwa ? 2018 : 1988));
}

std::optional<int> SummariesYear(const SummarySlots& slots)
{
    CSormaFileCheck check;
    return SummariesYear(slots, check);
}

std::optional<int> SummariesYear(const SummarySlots& slots, CSormaFileCheck& check)
{
    std::optional<int> shared;
    for (const auto& slot : slots) {
        if (slot.path.empty())
            continue;
        const auto year = check.TitleYear(slot.path);
        if (!year)
            continue;
        if (shared && *shared != *year)
            return std::nullopt;
        shared = year;
    }
    return shared;
}

std::string DefaultFilingYear(const SummarySlots& slots, const platform::LocalDate& today)
{
    CSormaFileCheck check;
    return DefaultFilingYear(slots, today, check);
}

std::string DefaultFilingYear(const SummarySlots& slots, const platform::LocalDate& today, CSormaFileCheck& check)
{
    const auto year = SummariesYear(slots, check);
    const int filing = year ? exportyear::FilingYearOf(*year) : 0;
    return IsValidFilingYear(std::to_string(filing)) ? std::to_string(filing) : DefaultFilingYear(today);
}

std::string HalfWidthDigits(const std::string& text)
{
    // Full-width digits are 82 4F to 82 58.
    std::string half;
    half.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text::CharLengthAt(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto trail = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (lead == 0x82 && trail >= 0x4F && trail <= 0x58)
            half.push_back(static_cast<char>('0' + (trail - 0x4F)));
        else
            half.append(text, i, length);
        i += length;
    }
    return half;
}

std::string SettingsNotSavedMessage(const std::string& settingsPath, const platform::Messenger& messenger)
{
    return messages::SettingsNotSaved() + messenger.DisplayPath(settingsPath);
}

bool ConfirmFindings(const std::vector<preflight::Finding>& findings, const platform::Messenger& messenger,
                     std::function<void()> showCheckList)
{
    if (findings.empty())
        return true;
    const auto display = [&messenger](const std::string& path) { return messenger.DisplayPath(path); };
    platform::FindingsBox box;
    box.caption = platform::AppTitle();
    box.question = preflight::ProceedQuestion(findings);
    box.details = preflight::FindingDetails(findings, display);
    box.showChecklist = std::move(showCheckList);
    return messenger.Service().ShowFindings(box) == platform::Answer::Yes;
}

ConversionOutcome RunConversion(const Job& job, CSormaItemCheck& items, const platform::Messenger& messenger,
                                const ReviewFindings& review, const AfterConversion& after, SettingsSaving saving)
{
    std::vector<std::string> paths;
    paths.reserve(kSummarySlotCount + 1);
    for (const auto& slot : job.slots)
        paths.push_back(slot.path);
    if (!job.employeeList.empty())
        paths.push_back(job.employeeList);

    ConversionOutcome outcome;
    {
        CExchangeFromSormaToVeld engine(messenger);
        std::vector<preflight::Finding> findings;
        if (review || after) {
            engine.SetBeforeWrite([&](const CSormaKyuuyo& reader, const CExportXMLVeld& store) {
                // The check of the exports sees what the reader read, not the
                // files: copies are told here, where the job's files are known.
                findings = SameContentFindings(ExportPaths(job), messenger);
                for (auto& copy : findings) {
                    copy.affected = preflight::EmployeesOfFile(reader, copy.file);
                    copy.count = std::max<std::size_t>(copy.affected.size(), 1);
                }
                const auto verified = preflight::VerifyExports(reader, items, job.filingYear);
                findings.insert(findings.end(), verified.begin(), verified.end());
                outcome.declined = review && !review(findings, store);
                // A file written despite findings does not end as a clean one does.
                if (!outcome.declined && !findings.empty())
                    engine.SetCompletionMessage(
                        preflight::CompletedWithFindingsMessage(preflight::LevelCounts(findings)));
                return !outcome.declined;
            });
        }
        if (after)
            engine.SetAfterWrite([&](const CExportXMLVeld& store) { return after(findings, store); });
        outcome.converted = engine.Exchange(paths, static_cast<int>(paths.size()), job.outputPath, job.mode,
                                            text::Format("%d", job.functionId), items, job.filingYear);
    }
    if (!outcome.converted)
        return outcome;
    // Without summary files the choices are all empty: storing them would
    // wipe the company's line.
    if (!ReferenceFile(job.slots).empty()) {
        items.StoreCompanyLine(items.CompanyLine(job.companyName));
        if (saving == SettingsSaving::Now)
            outcome.settingsError = items.SaveSettings();
    }
    return outcome;
}

}  // namespace corvane::job
