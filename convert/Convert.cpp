#include "convert/Convert.h"

#include <algorithm>
#include <optional>

#include "checklist/CheckListFile.h"
#include "checklist/CheckListPage.h"
#include "convert/Batch.h"
#include "convert/BatchSettings.h"
#include "convert/ConvertOptions.h"
#include "convert/FolderSorting.h"
#include "convert/HelpLanguage.h"
#include "job/FolderExports.h"
#include "job/Job.h"
#include "job/PlaceExports.h"
#include "convert/StreamMessageBox.h"
#include "fileio/AtomicFile.h"
#include "fileio/FileStatus.h"
#include "fileio/StatusMemo.h"
#include "items/CSormaItemCheck.h"
#include "platform/ConsoleOutput.h"
#include "platform/HostSystem.h"
#include "platform/Messenger.h"
#include "preflight/FindingText.h"
#include "preflight/PeriodDates.h"
#include "preflight/ReconciliationReport.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/ExportLayout.h"
#include "job/CSyuukeiDataFile.h"
#include "text/Format.h"
#include "xmlout/CExportXMLVeld.h"
#include "job/JobSteps.h"

namespace corvane::convert {

namespace {

const char kWarningMark[] = "警告: ";
const char kStrictRefusal[] =
    "--strict が指定されているため、要修正の確認事項があるエクスポートファイルからは中間ファイルを作成しません。";
const char kStrictAllRefusal[] =
    "--strict-all が指定されているため、確認事項があるエクスポートファイルからは中間ファイルを作成しません。";
// Employees listed per finding on stderr; the report has them all.
constexpr std::size_t kShownEmployees = 20;
const char kRestInReport[] = "（--report に全員）";

// The findings as warnings, one per level, 要修正 first: the level with the
// people it concerns, then every finding of it.
void WarnFindings(const std::vector<preflight::Finding>& findings, const platform::Messenger& messenger)
{
    const auto display = [&messenger](const std::string& path) { return messenger.DisplayPath(path); };
    for (const auto level : {preflight::Level::MustFix, preflight::Level::ToConfirm}) {
        std::vector<preflight::Finding> ofLevel;
        for (const auto& finding : findings) {
            if (finding.level == level)
                ofLevel.push_back(finding);
        }
        if (ofLevel.empty())
            continue;
        std::string text = kWarningMark + preflight::LevelCounts(ofLevel) + "\n";
        for (const auto& finding : ofLevel)
            text += "\n" + preflight::FindingBlock(finding, display, kShownEmployees, kRestInReport);
        messenger.Warn(text);
    }
}

// The report's heading block for the job.
preflight::ReportHeading HeadingOf(const job::Job& job, const std::string& company, const platform::LocalDate& today)
{
    return {company, preflight::StatedYear(job::ReferenceFile(job.slots)), job.filingYear,
            text::Format("%04d/%02d/%02d", today.year, today.month, today.day)};
}

// Writes the reconciliation table; false, after a message naming the file, when it could not.
bool WriteReport(const std::string& path, const std::string& csv, const platform::Messenger& messenger)
{
    fileio::AtomicFile file(path);
    if (file.Open() && file.Write(csv.data(), csv.size()) && file.Commit())
        return true;
    messenger.Warn("照合表を書き込めませんでした。中間ファイルは作成していません。\n\n" + messenger.DisplayPath(path));
    return false;
}

using exportlayout::kFirstChoosableHeading;

// Applies the --item choices to the entries; "" when all were applied, else
// the message naming the first heading that is not there.
std::string ApplyItemChoices(const std::vector<ItemChoice>& choices, CSormaItemCheck& items,
                             const std::string& reference, const platform::Messenger& messenger)
{
    std::vector<std::string> headings;
    items.ReadHeadings(reference, headings);
    for (const ItemChoice& choice : choices) {
        ITEMMACHTABLE& entry = items.Entries()[static_cast<std::size_t>(choice.entry - 1)];
        const std::string& heading = choice.heading;
        if (heading.empty()) {
            CSormaItemCheck::Clear(entry);
            continue;
        }
        std::size_t position = kFirstChoosableHeading;
        while (position < headings.size() && headings[position] != heading)
            ++position;
        if (position >= headings.size())
            return "指定された項目「" + heading + "」は、集計表の項目にありません。\n\n" +
                   messenger.DisplayPath(reference);
        CSormaItemCheck::Choose(entry, heading, static_cast<std::int32_t>(position));
    }
    return std::string();
}

// "" when every entry has a column, else the message naming those without one.
std::string UnmappedEntriesMessage(const CSormaItemCheck& items)
{
    std::string names;
    for (const ITEMMACHTABLE& entry : items.Entries()) {
        if (entry.chosenPayrollItem.empty() || entry.chosenPosition < 0)
            names += entry.targetItem + "\n";
    }
    if (names.empty())
        return std::string();
    return "未選択の項目が存在します。未選択の項目は正しく連動されません。\n\n" + names +
           "\n--item で項目を指定するか、--allow-unmapped を指定してください。";
}

// The texts that go into the document or the settings file, converted to
// code page 932 in place; "" when all could be, else the usage error.
std::string ConvertTexts(ConvertOptions& options, const platform::TextCodec& codec)
{
    const char lacking[] = " holds a character that Shift_JIS (code page 932) lacks: ";
    if (options.year) {
        const auto year = codec.ArgumentToText(*options.year);
        if (!year)
            return "--year" + (lacking + *options.year);
        options.year = *year;
    }
    for (ItemChoice& choice : options.items) {
        const auto heading = codec.ArgumentToText(choice.heading);
        if (!heading)
            return "--item" + (lacking + std::to_string(choice.entry)) + "=" + choice.heading;
        choice.heading = *heading;
    }
    return std::string();
}

// The exports that the options name, handed over as a folder's sorting would.
job::FolderExports ExportsOf(const ConvertOptions& options)
{
    job::FolderExports exports;
    exports.employees = options.employees;
    exports.salary = options.salary;
    exports.bonus = options.bonus;
    return exports;
}

// Where --checklist writes: its path, or beside the output.
std::string CheckListPath(const ConvertOptions& options)
{
    return options.checklist && !options.checklist->empty() ? *options.checklist
                                                            : checklist::CheckListPathFor(options.out);
}

// Before anything is read: the message when the output, the settings file,
// the report and the exports are not all different files; "" when they are.
std::string FileClash(const ConvertOptions& options, const job::FolderExports& exports, const std::string& settingsPath,
                      const platform::Messenger& messenger)
{
    std::vector<std::string> taken = {exports.employees};
    taken.insert(taken.end(), exports.salary.begin(), exports.salary.end());
    taken.insert(taken.end(), exports.bonus.begin(), exports.bonus.end());
    std::string clash = job::SameFileMessage(options.out, taken, settingsPath, messenger);
    if (!clash.empty())
        return clash;
    taken.push_back(options.out);
    taken.push_back(settingsPath);
    if (options.report) {
        for (const auto& path : taken) {
            if (fileio::SameFile(*options.report, path))
                return "照合表の保存先に、中間ファイル、設定ファイルまたはエクスポートファイルと同じファイルが"
                       "指定されています。\n別の保存先を指定してください。\n\n" +
                       messenger.DisplayPath(*options.report);
        }
        taken.push_back(*options.report);
    }
    if (options.checklist) {
        const std::string checkList = CheckListPath(options);
        for (const auto& path : taken) {
            if (fileio::SameFile(checkList, path))
                return "確認表の保存先に、中間ファイル、設定ファイル、照合表またはエクスポートファイルと同じ"
                       "ファイルが指定されています。\n別の保存先を指定してください。\n\n" +
                       messenger.DisplayPath(checkList);
        }
    }
    return std::string();
}

// The job of the options, without its files (job::PlaceExports places them).
job::Job JobOf(const ConvertOptions& options)
{
    job::Job job;
    job.outputPath = options.out;
    job.mode = options.mode;
    job.functionId = job::kStartedByUser;
    // Without --year the default follows the exports, once they are placed.
    if (options.year)
        job.filingYear = job::HalfWidthDigits(*options.year);
    return job;
}

// --item and --allow-unmapped, once the choices are prepared; "" when the job may go on.
std::string ChooseItems(const ConvertOptions& options, const job::Job& job, CSormaItemCheck& items,
                        const platform::Messenger& messenger)
{
    const std::string reference = job::ReferenceFile(job.slots);
    if (reference.empty())
        return std::string();
    std::string missing = ApplyItemChoices(options.items, items, reference, messenger);
    if (!missing.empty() || options.allowUnmapped)
        return missing;
    return UnmappedEntriesMessage(items);
}

int Refuse(const job::Refusal& refusal, const platform::Messenger& messenger)
{
    messenger.Show(refusal.message, refusal.icon);
    return kExitRefused;
}

// The single job over `exports` (a folder's, or the options' own files),
// through the steps of job/JobSteps.h in their order, every file identified
// by `check` (the one that sorted the folder, when it was one). `jobReport`
// and `batch`: a company of a batch, whose settings the batch reads and saves.
int RunJob(const ConvertOptions& options, const job::FolderExports& exports, CSormaFileCheck& check, std::ostream& out,
           std::ostream& err, const Environment& env, JobReport* jobReport = nullptr, BatchSettings* batch = nullptr)
{
    StreamMessageBox box(out, err, env.codec);
    JobReport unused;
    JobReport& report = jobReport ? *jobReport : unused;
    struct LastMessage {
        const StreamMessageBox& box;
        JobReport& report;
        ~LastMessage() { report.message = box.LastProblem(); }
    } lastMessage{box, report};
    const platform::Messenger messenger(box, &env.codec);

    // The checks before the conversion write nothing and ask about each file many times.
    std::optional<fileio::StatusMemo> memo(std::in_place);
    CSormaItemCheck items(options.settings ? *options.settings
                                           : CSormaItemCheck::DefaultSettingsPath(env.system.ExecutablePath()));
    const std::string clash = FileClash(options, exports, items.SettingsPath(), messenger);
    if (!clash.empty()) {
        messenger.Warn(clash);
        return kExitUsage;
    }
    if (!batch)
        items.LoadSettings();

    job::Job job = JobOf(options);
    const job::Placement placed = job::PlaceExports(exports, job, messenger, check);
    if (!placed.refusal.empty())
        return Refuse({placed.refusal}, messenger);
    if (!options.year)
        job.filingYear = job::DefaultFilingYear(job.slots, env.system.Today(), check);
    if (batch) {
        if (const auto line = batch->LineFor(job.companyName))
            items.UseStoredLine(*line);
    }
    const job::PreparedChoices prepared = job::PrepareItemChoices(job, items, messenger, check);
    if (prepared.refusal)
        return Refuse(prepared.refusal, messenger);
    const std::string unchosen = ChooseItems(options, job, items, messenger);
    if (!unchosen.empty())
        return Refuse({unchosen}, messenger);
    const job::Refusal beforeConversion = job::CheckBeforeConversion(
        job, items.SettingsPath(), [&env](const std::string& path) { return env.system.FileExists(path); }, messenger);
    if (beforeConversion)
        return Refuse(beforeConversion, messenger);
    if (!job::IsValidFilingYear(job.filingYear))
        return Refuse({job::FilingYearRefusedMessage(), platform::Icon::None}, messenger);

    memo.reset();

    bool reportFailed = false;
    const auto review = [&](const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store) {
        const auto display = [&messenger](const std::string& path) { return messenger.DisplayPath(path); };
        report.employees = static_cast<int>(store.Syain().size());
        report.findings = static_cast<int>(findings.size());
        report.levels = findings.empty() ? std::string() : preflight::LevelCounts(findings);
        WarnFindings(findings, messenger);
        if (options.report)
            reportFailed =
                !WriteReport(*options.report,
                             preflight::ReconciliationCsv(store, findings, display,
                                                          HeadingOf(job, job.companyName, env.system.Today())),
                             messenger);
        if (reportFailed)
            return false;
        const bool mustFix = std::any_of(findings.begin(), findings.end(), [](const preflight::Finding& finding) {
            return finding.level == preflight::Level::MustFix;
        });
        if (options.strictAll && !findings.empty()) {
            messenger.Warn(kStrictAllRefusal);
            return false;
        }
        if (options.strict && mustFix) {
            messenger.Warn(kStrictRefusal);
            return false;
        }
        return true;
    };
    job::AfterConversion after;
    if (options.checklist) {
        after = [&](const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store) {
            const checklist::CheckList list =
                checklist::Gather({job, items, findings, store, env.codec}, /*written=*/true);
            const std::string path = CheckListPath(options);
            const bool written = checklist::WriteHtml(path, checklist::CheckListHtml(list)) == fileio::WriteError::None;
            report.checkList = written ? path : std::string();
            report.verdict = checklist::CountLevels(list.findings);
            report.totals = checklist::TotalsOf(list.payments).all;
            return checklist::CheckListNote(written, path, messenger);
        };
    }
    const job::ConversionOutcome outcome = job::RunConversion(
        job, items, messenger, review, after, batch ? job::SettingsSaving::ByCaller : job::SettingsSaving::Now);
    if (!outcome.converted) {
        report.failed = !outcome.declined || reportFailed;
        return kExitRefused;
    }
    if (batch)
        batch->Keep(items.UnsavedLines());
    if (outcome.settingsError != fileio::WriteError::None)
        messenger.Warn(job::SettingsNotSavedMessage(items.SettingsPath(), messenger));
    return kExitConverted;
}

// The job of the options' own files (--employees, --salary, --bonus).
int Run(const ConvertOptions& options, std::ostream& out, std::ostream& err, const Environment& env,
        CSormaFileCheck& check, JobReport* jobReport = nullptr, BatchSettings* batch = nullptr)
{
    return RunJob(options, ExportsOf(options), check, out, err, env, jobReport, batch);
}

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const Environment& environment)
{
    ParsedOptions parsed = ParseConvertOptions(args);
    if (parsed.error.empty() && !parsed.options.help)
        parsed.error = ConvertTexts(parsed.options, environment.codec);
    if (!parsed.error.empty()) {
        err << "corvane-convert: " << parsed.error << "\n\n" << UsageText(environment.codec, environment.japanese);
        return kExitUsage;
    }
    if (parsed.options.help) {
        out << UsageText(environment.codec, environment.japanese);
        return kExitConverted;
    }
    if (parsed.options.batch) {
        return RunBatch(parsed.options, out, err, environment,
                        [&environment](const ConvertOptions& job, std::ostream& jobOut, std::ostream& jobErr,
                                       JobReport& report, BatchSettings& settings, CSormaFileCheck& check) {
                            return Run(job, jobOut, jobErr, environment, check, &report, &settings);
                        });
    }
    if (parsed.options.folder) {
        StreamMessageBox box(out, err, environment.codec);
        const platform::Messenger messenger(box, &environment.codec);
        CSormaFileCheck check;
        const job::FolderExports sorted = job::SortFolder(*parsed.options.folder, messenger, check);
        if (!ReportSorting(sorted, messenger))
            return kExitRefused;
        return RunJob(parsed.options, sorted, check, out, err, environment);
    }
    CSormaFileCheck check;
    return Run(parsed.options, out, err, environment, check);
}

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const platform::HostSystem system{std::string()};
    return RunConvert(args, out, err,
                      Environment{system, platform::SystemTextCodec(), platform::ConsoleOutput::ErrorIsTerminal(),
                                  UserReadsJapanese()});
}

}  // namespace corvane::convert
