#include "convert/Convert.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "convert/ConvertOptions.h"
#include "convert/SafeFileName.h"
#include "job/FolderExports.h"
#include "convert/StreamMessageBox.h"
#include "fileio/FileLock.h"
#include "fileio/FileStatus.h"
#include "items/CSormaItemCheck.h"
#include "platform/ConsoleOutput.h"
#include "platform/HostSystem.h"
#include "platform/Messenger.h"
#include "preflight/FindingText.h"
#include "preflight/ReconciliationReport.h"
#include "sormaexport/ExportLayout.h"
#include "text/Cp932.h"
#include "text/CsvRow.h"
#include "text/Format.h"
#include "job/CSyuukeiDataFile.h"
#include "xmlout/CExportXMLVeld.h"
#include "job/JobSteps.h"
#include "job/PlaceExports.h"

namespace corvane::convert {

namespace {

constexpr int kExitConverted = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWithFindings = 3;

const char kUsage[] =
    "Usage: corvane-convert --employees PATH --out PATH [--salary PATH]... [--bonus PATH]...\n"
    "                       [--year N] [--mode normal|easy] [--settings PATH]\n"
    "                       [--item N=HEADING]... [--allow-unmapped] [--strict]\n"
    "                       [--report PATH] [--help]\n"
    "       corvane-convert --folder DIR --out PATH [the options above but\n"
    "                       --employees, --salary, --bonus]\n"
    "       corvane-convert --batch ROOT --out-dir DIR [--jobs N] [--summary PATH]\n"
    "                       [--year N] [--mode normal|easy] [--settings PATH]\n"
    "                       [--allow-unmapped] [--strict]\n"
    "\n"
    "ソルマ給与のエクスポートファイルから、ヴェルドが取り込む中間ファイルを作成します。\n"
    "Converts the payroll exports into the intermediate XML file, with the wizard's\n"
    "checks and messages and no window.\n"
    "\n"
    "  --employees PATH  the employee list export (従業員一覧表)\n"
    "  --out PATH        the XML file to write (an existing file is replaced)\n"
    "  --salary PATH     a salary summary export; its own label names its month\n"
    "  --bonus PATH      a bonus summary export: bonus 1 to 5 in the order given\n"
    "  --year N          the filing year (申告年度), 1 to 98; default: the year of the\n"
    "                    current era (令和: this year minus 2018)\n"
    "  --mode MODE       normal (標準モード, the default) or easy (簡易モード)\n"
    "  --settings PATH   the settings file; default: Corvane.ENV next to the program, or\n"
    "                    ~/.config/corvane/ when that folder is not writable (Linux)\n"
    "  --item N=HEADING  take figure N from the summary column HEADING:\n"
    "                    1 総支給金額, 2 社会保険料等の控除額, 3 扶養親族等の数, 4 算出税額;\n"
    "                    N= leaves figure N without a column\n"
    "  --allow-unmapped  convert even when a figure has no column\n"
    "  --strict          refuse the conversion when the check of the exports finds\n"
    "                    anything (without it the findings are warnings)\n"
    "  --report PATH     also write a reconciliation table (CSV, Shift_JIS, CR LF): one\n"
    "                    row per employee with the months and bonuses that have figures\n"
    "                    and the year's sums, then the findings; written whenever the\n"
    "                    exports were read, also when --strict refuses\n"
    "  --folder DIR      take the exports from the files in DIR, sorted by the same\n"
    "                    checks: the employee list, the salary files by the month of\n"
    "                    their label, the bonus files by their payment date (支給日),\n"
    "                    else by name; other files are listed and left out\n"
    "  --batch ROOT      convert each subfolder of ROOT as with --folder, one company\n"
    "                    each, into --out-dir as <company>.XML (<company>_<folder>.XML\n"
    "                    when two companies' names give one file); a refused company\n"
    "                    does not stop the others; the summary table goes to stdout\n"
    "  --out-dir DIR     where --batch writes (created when missing)\n"
    "  --jobs N          companies converted at once; default: one per processor\n"
    "  --summary PATH    also write the summary as CSV (Shift_JIS, CR LF)\n"
    "  --help            show this text\n"
    "\n"
    "Before anything is written, the exports are checked for what would make the\n"
    "figures wrong: codes missing from the employee list, rows with a wrong number of\n"
    "fields or unpaired quotes, a file cut off part-way, repeated codes, dates that\n"
    "convert to none, figures that are no number. Each finding is a warning on stderr.\n"
    "\n"
    "Exit status: 0 converted; 1 refused or failed, nothing written (the message is on\n"
    "stderr); 2 usage error, or --out, --settings and the exports are not all different\n"
    "files. With --batch: 0 every company converted without findings; 3 every company\n"
    "converted, some with findings; 1 at least one company refused or failed; 2 usage\n"
    "error.\n";

const char kWarningMark[] = "警告: ";
const char kStrictRefusal[] =
    "--strict が指定されているため、確認事項があるエクスポートファイルからは中間ファイルを作成しません。";

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

// What a batch's summary needs of one company's run.
struct JobReport {
    int employees = -1;  // -1: the exports were not read
    int findings = 0;
    bool failed = false;  // a fault rather than a refusal
    std::string message;  // the last message other than information
};

// The exports that the options name, handed over as a folder's sorting would.
job::FolderExports ExportsOf(const ConvertOptions& options)
{
    job::FolderExports exports;
    exports.employees = options.employees;
    exports.salary = options.salary;
    exports.bonus = options.bonus;
    return exports;
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
    if (!clash.empty() || !options.report)
        return clash;
    taken.push_back(options.out);
    taken.push_back(settingsPath);
    for (const auto& path : taken) {
        if (fileio::SameFile(*options.report, path))
            return "照合表の保存先に、中間ファイル、設定ファイルまたはエクスポートファイルと同じファイルが"
                   "指定されています。\n別の保存先を指定してください。\n\n" +
                   messenger.DisplayPath(*options.report);
    }
    return std::string();
}

// `shared`: other threads of a batch rewrite the settings file meanwhile.
void LoadSettings(CSormaItemCheck& items, bool shared)
{
    if (!shared) {
        items.LoadSettings();
        return;
    }
    // Read under the lock that the savers hold: on Windows a file open for
    // reading cannot be replaced, and a file being replaced cannot be opened.
    fileio::FileLock lock(items.SettingsPath() + ".lock");
    lock.Acquire();
    items.LoadSettings();
}

// The job of the options, without its files (job::PlaceExports places them).
job::Job JobOf(const ConvertOptions& options, const Environment& env)
{
    job::Job job;
    job.outputPath = options.out;
    job.mode = options.mode;
    job.functionId = job::kStartedByUser;
    job.filingYear = options.year ? *options.year : job::DefaultFilingYear(env.system.Today());
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
// through the steps of job/JobSteps.h in their order. `jobReport`: a company
// of a batch, whose settings file other threads rewrite meanwhile.
int RunJob(const ConvertOptions& options, const job::FolderExports& exports, std::ostream& out, std::ostream& err,
           const Environment& env, JobReport* jobReport = nullptr)
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

    CSormaItemCheck items(options.settings ? *options.settings
                                           : CSormaItemCheck::DefaultSettingsPath(env.system.ExecutablePath()));
    const std::string clash = FileClash(options, exports, items.SettingsPath(), messenger);
    if (!clash.empty()) {
        messenger.Warn(clash);
        return kExitUsage;
    }
    LoadSettings(items, jobReport != nullptr);

    job::Job job = JobOf(options, env);
    const job::Placement placed = job::PlaceExports(exports, job, messenger);
    if (!placed.refusal.empty())
        return Refuse({placed.refusal}, messenger);
    const job::PreparedChoices prepared = job::PrepareItemChoices(job, items, messenger);
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

    bool reportFailed = false;
    const auto review = [&](const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store) {
        const auto display = [&messenger](const std::string& path) { return messenger.DisplayPath(path); };
        report.employees = static_cast<int>(store.Syain().size());
        report.findings = static_cast<int>(findings.size());
        for (const auto& finding : findings)
            messenger.Warn(kWarningMark + preflight::FindingBlock(finding, display));
        if (options.report)
            reportFailed =
                !WriteReport(*options.report, preflight::ReconciliationCsv(store, findings, display), messenger);
        if (reportFailed)
            return false;
        if (options.strict && !findings.empty()) {
            messenger.Warn(kStrictRefusal);
            return false;
        }
        return true;
    };
    const job::ConversionOutcome outcome = job::RunConversion(job, items, messenger, review);
    if (!outcome.converted) {
        report.failed = !outcome.declined || reportFailed;
        return kExitRefused;
    }
    if (outcome.settingsError != fileio::WriteError::None)
        messenger.Warn(job::SettingsNotSavedMessage(items.SettingsPath(), messenger));
    return kExitConverted;
}

// The job of the options' own files (--employees, --salary, --bonus).
int Run(const ConvertOptions& options, std::ostream& out, std::ostream& err, const Environment& env,
        JobReport* jobReport = nullptr)
{
    return RunJob(options, ExportsOf(options), out, err, env, jobReport);
}

const char kIgnoredMark[] = "エクスポートファイルではないため使いません: ";

// Lists the files that are no export and shows the refusal, if any; false when the folder makes no job.
bool ReportSorting(const job::FolderExports& sorted, const platform::Messenger& messenger)
{
    for (const auto& path : sorted.ignored)
        messenger.Show(kIgnoredMark + messenger.DisplayPath(path), platform::Icon::None);
    if (sorted.refusal.empty())
        return true;
    messenger.Warn(sorted.refusal);
    return false;
}

enum class Result { Converted, WithFindings, Refused, Failed };

// One company of a batch, as its summary row shows it.
struct Company {
    std::string folder;  // the folder's name, as the system spells it
    job::FolderExports exports;
    std::string outName;  // the output file's name, as the system spells it
    JobReport report;
    Result result = Result::Refused;
    std::string messages;  // everything the run said, written whole at its end
};

const char* ResultText(Result result)
{
    switch (result) {
    case Result::Converted:
        return "変換済";
    case Result::WithFindings:
        return "確認あり";
    case Result::Refused:
        return "拒否";
    case Result::Failed:
        return "失敗";
    }
    return "";
}

// Runs `work(i)` for i from 0 to count - 1 on up to `jobs` threads at once.
void ForEachParallel(std::size_t count, std::size_t jobs, const std::function<void(std::size_t)>& work)
{
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < std::min(jobs, count); ++t)
        threads.emplace_back(worker);
    worker();
    for (auto& thread : threads)
        thread.join();
}

std::string AsciiLower(std::string s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// Output names from the company names; companies whose names would be the
// same file (also by case, as on Windows) get their folder's name added.
void NameOutputs(std::vector<Company>& companies, const platform::TextCodec& codec)
{
    std::map<std::string, int> uses;
    for (Company& company : companies) {
        if (!company.exports.refusal.empty())
            continue;
        const std::string safe = SafeFileName(company.exports.company);
        company.outName = safe.empty() ? company.folder : codec.TextToPath(safe);
        ++uses[AsciiLower(company.outName)];
    }
    for (Company& company : companies) {
        if (company.exports.refusal.empty() && uses[AsciiLower(company.outName)] > 1 &&
            company.outName != company.folder)
            company.outName += "_" + company.folder;
        if (company.exports.refusal.empty())
            company.outName += ".XML";
    }
}

// One line of the summary, "" for an empty cell.
std::vector<std::string> SummaryRow(const Company& company, const platform::TextCodec& codec)
{
    const auto number = [](int n) { return n < 0 ? std::string() : std::to_string(n); };
    const bool read = company.report.employees >= 0;
    std::string message;
    if (company.result == Result::Refused || company.result == Result::Failed) {
        message = text::ReplaceAll(company.report.message, "\n\n", " ");
        message = text::ReplaceAll(message, "\n", " ");
    }
    return {company.exports.company,
            codec.PathToText(company.folder),
            number(company.report.employees),
            company.exports.employees.empty() ? std::string() : number(static_cast<int>(company.exports.salary.size())),
            company.exports.employees.empty() ? std::string() : number(static_cast<int>(company.exports.bonus.size())),
            read ? number(company.report.findings) : std::string(),
            ResultText(company.result),
            message};
}

const std::vector<std::string> kSummaryHeadings = {"会社名",     "フォルダー", "従業員数", "給与の月数",
                                                   "賞与の回数", "確認事項",   "結果",     "メッセージ"};

// The summary table with its headings, code page 932.
std::vector<std::vector<std::string>> SummaryRows(const std::vector<Company>& companies,
                                                  const platform::TextCodec& codec)
{
    std::vector<std::vector<std::string>> rows = {kSummaryHeadings};
    for (const Company& company : companies)
        rows.push_back(SummaryRow(company, codec));
    return rows;
}

std::string SummaryCsv(const std::vector<std::vector<std::string>>& rows)
{
    std::string csv;
    for (const auto& row : rows)
        csv += text::CsvRow(row);
    return csv;
}

// The progress line on a terminal: rewritten in place, cleared before a company's messages.
class Progress {
public:
    Progress(std::ostream& err, const platform::TextCodec& codec, bool shown, std::size_t total)
        : m_err(err), m_codec(codec), m_shown(shown), m_total(total), m_start(std::time(nullptr))
    {}

    void Update(std::size_t done, const std::string& current)
    {
        if (!m_shown)
            return;
        const long elapsed = static_cast<long>(std::difftime(std::time(nullptr), m_start));
        const std::string line =
            m_codec.TextToUtf8(text::Format("%d/%d 社 %ld:%02ld ", static_cast<int>(done), static_cast<int>(m_total),
                                            elapsed / 60, elapsed % 60) +
                               current);
        Clear();
        m_err << line << std::flush;
        m_width = line.size();
    }

    void Clear()
    {
        if (m_shown && m_width > 0)
            m_err << '\r' << std::string(m_width, ' ') << '\r' << std::flush;
        m_width = 0;
    }

private:
    std::ostream& m_err;
    const platform::TextCodec& m_codec;
    bool m_shown;
    std::size_t m_total;
    std::time_t m_start;
    std::size_t m_width = 0;
};

int RunBatch(const ConvertOptions& options, std::ostream& out, std::ostream& err, const Environment& env)
{
    StreamMessageBox box(out, err, env.codec);
    const platform::Messenger messenger(box, &env.codec);
    const std::string& root = *options.batch;
    auto folders = fileio::FolderEntries(root, true);
    if (folders) {
        // An output folder inside ROOT is no company.
        std::erase_if(*folders, [&](const std::string& name) {
            return fileio::SameFile(fileio::JoinPath(root, name), options.outDir);
        });
    }
    if (!folders) {
        messenger.Warn("会社ごとのフォルダーがあるフォルダーを読み取れませんでした。\n\n" +
                       messenger.DisplayPath(root));
        return kExitUsage;
    }
    if (!fileio::MakeFolders(options.outDir)) {
        messenger.Warn("出力先のフォルダーを作成できませんでした。\n\n" + messenger.DisplayPath(options.outDir));
        return kExitRefused;
    }
    std::vector<Company> companies(folders->size());
    const std::size_t jobs =
        options.jobs > 0 ? static_cast<std::size_t>(options.jobs) : std::max(1u, std::thread::hardware_concurrency());

    ForEachParallel(companies.size(), jobs, [&](std::size_t i) {
        Company& company = companies[i];
        company.folder = (*folders)[i];
        std::ostringstream said;
        StreamMessageBox companyBox(said, said, env.codec);
        const platform::Messenger companyMessenger(companyBox, &env.codec);
        company.exports = job::SortFolder(fileio::JoinPath(root, company.folder), companyMessenger);
        if (!ReportSorting(company.exports, companyMessenger))
            company.report.message = companyBox.LastProblem();
        company.messages = said.str();
    });
    NameOutputs(companies, env.codec);

    std::mutex writing;
    std::size_t done = 0;
    Progress progress(err, env.codec, env.progress, companies.size());
    ForEachParallel(companies.size(), jobs, [&](std::size_t i) {
        Company& company = companies[i];
        const std::string name =
            company.exports.company.empty() ? env.codec.PathToText(company.folder) : company.exports.company;
        {
            const std::lock_guard<std::mutex> lock(writing);
            progress.Update(done, name);
        }
        std::ostringstream said;
        said << company.messages;
        if (company.exports.refusal.empty()) {
            ConvertOptions job = options;
            job.batch.reset();
            job.employees = company.exports.employees;
            job.salary = company.exports.salary;
            job.bonus = company.exports.bonus;
            job.out = fileio::JoinPath(options.outDir, company.outName);
            const int status = Run(job, said, said, env, &company.report);
            if (status == kExitConverted)
                company.result = company.report.findings > 0 ? Result::WithFindings : Result::Converted;
            else
                company.result = company.report.failed ? Result::Failed : Result::Refused;
        }
        const std::lock_guard<std::mutex> lock(writing);
        ++done;
        progress.Clear();
        const std::string text = said.str();
        if (!text.empty())
            err << "[" << company.folder << "] " << env.codec.TextToUtf8(ResultText(company.result)) << "\n"
                << text << std::flush;
        progress.Update(done, name);
    });
    progress.Clear();

    const auto rows = SummaryRows(companies, env.codec);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out << (i == 0 ? "" : "\t") << env.codec.TextToUtf8(row[i]);
        out << '\n';
    }
    out.flush();

    bool summaryFailed = false;
    if (options.summary) {
        const std::string csv = SummaryCsv(rows);
        fileio::AtomicFile file(*options.summary);
        if (!(file.Open() && file.Write(csv.data(), csv.size()) && file.Commit())) {
            messenger.Warn("一覧を書き込めませんでした。\n\n" + messenger.DisplayPath(*options.summary));
            summaryFailed = true;
        }
    }

    bool findings = false;
    bool refused = summaryFailed || companies.empty();
    for (const Company& company : companies) {
        findings = findings || company.result == Result::WithFindings;
        refused = refused || company.result == Result::Refused || company.result == Result::Failed;
    }
    if (companies.empty())
        messenger.Warn("会社ごとのフォルダーがありません。\n\n" + messenger.DisplayPath(root));
    return refused ? kExitRefused : findings ? kExitWithFindings : kExitConverted;
}

}  // namespace

std::string UsageText(const platform::TextCodec& codec)
{
    return codec.TextToUtf8(kUsage);
}

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const Environment& environment)
{
    ParsedOptions parsed = ParseConvertOptions(args);
    if (parsed.error.empty() && !parsed.options.help)
        parsed.error = ConvertTexts(parsed.options, environment.codec);
    if (!parsed.error.empty()) {
        err << "corvane-convert: " << parsed.error << "\n\n" << UsageText(environment.codec);
        return kExitUsage;
    }
    if (parsed.options.help) {
        out << UsageText(environment.codec);
        return kExitConverted;
    }
    if (parsed.options.batch)
        return RunBatch(parsed.options, out, err, environment);
    if (parsed.options.folder) {
        StreamMessageBox box(out, err, environment.codec);
        const platform::Messenger messenger(box, &environment.codec);
        const job::FolderExports sorted = job::SortFolder(*parsed.options.folder, messenger);
        if (!ReportSorting(sorted, messenger))
            return kExitRefused;
        return RunJob(parsed.options, sorted, out, err, environment);
    }
    return Run(parsed.options, out, err, environment);
}

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const platform::HostSystem system{std::string()};
    return RunConvert(args, out, err,
                      Environment{system, platform::SystemTextCodec(), platform::ConsoleOutput::ErrorIsTerminal()});
}

}  // namespace corvane::convert
