#include "convert/Batch.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <mutex>
#include <sstream>
#include <thread>

#include "checklist/CheckListFile.h"
#include "checklist/CheckListPage.h"
#include "convert/FolderSorting.h"
#include "convert/BatchPaths.h"
#include "convert/BatchSettings.h"
#include "convert/OutputNames.h"
#include "convert/SortedFiles.h"
#include "convert/SpillFile.h"
#include "convert/StreamMessageBox.h"
#include "fileio/AtomicFile.h"
#include "fileio/FileStatus.h"
#include "fileio/StatusMemo.h"
#include "items/CSormaItemCheck.h"
#include "job/FolderExports.h"
#include "job/JobSteps.h"
#include "job/OwnOutputs.h"
#include "sormaexport/CSormaFileCheck.h"
#include "platform/Messenger.h"
#include "text/Cp932.h"
#include "text/CsvRow.h"
#include "text/Format.h"

namespace corvane::convert {

namespace {

enum class Result { Converted, WithFindings, Refused, Failed };

// One company of a batch, as its summary row shows it. It is held for every
// company until the summary: only what the summary and the index show.
struct Company {
    std::string folder;  // the folder's name, as the system spells it
    SortedFiles files;
    SpillFile::Place outName;  // the output file's name, as the system spells it
    Result result = Result::Refused;
    int employees = -1;  // -1: the exports were not read
    int findings = 0;
    std::string note;  // the summary's last cell: why it was refused or failed, or its findings' levels
    std::unique_ptr<checklist::IndexEntry> index;  // only with --checklist; without company and folder
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

// A cell of the tab-separated summary: a tab or line break in a name would
// start another column or row.
std::string OneCell(std::string cell)
{
    for (char& c : cell) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return cell;
}

// The summary's last cell of a company.
std::string SummaryNote(Result result, const JobReport& report)
{
    if (result == Result::Refused || result == Result::Failed)
        return text::ReplaceAll(text::ReplaceAll(report.message, "\n\n", " "), "\n", " ");
    if (result == Result::WithFindings)
        return report.levels;
    return std::string();
}

// What the check lists' index shows of a company besides its name and folder.
std::unique_ptr<checklist::IndexEntry> IndexFacts(Result result, const JobReport& report,
                                                  const platform::TextCodec& codec)
{
    auto entry = std::make_unique<checklist::IndexEntry>();
    entry->converted = result == Result::Converted || result == Result::WithFindings;
    entry->counts = report.verdict;
    entry->employees = std::max(report.employees, 0);
    entry->totals = report.totals;
    const std::size_t separator = fileio::LastSeparator(report.checkList);
    entry->link = report.checkList.empty() ? std::string() : report.checkList.substr(separator + 1);
    entry->reason = codec.TextToUtf8(report.message);
    return entry;
}

// One line of the summary, "" for an empty cell.
std::vector<std::string> SummaryRow(const Company& company, const platform::TextCodec& codec)
{
    const auto number = [](int n) { return n < 0 ? std::string() : std::to_string(n); };
    const bool read = company.employees >= 0;
    return {company.files.Company(),
            codec.PathToText(company.folder),
            number(company.employees),
            company.files.HasList() ? number(static_cast<int>(company.files.Salary())) : std::string(),
            company.files.HasList() ? number(static_cast<int>(company.files.Bonus())) : std::string(),
            read ? number(company.findings) : std::string(),
            ResultText(company.result),
            company.note};
}

// The check lists' index: one row per company, in the summary's order.
std::string CheckListIndex(const std::vector<Company>& companies, const platform::TextCodec& codec)
{
    std::vector<checklist::IndexEntry> entries;
    entries.reserve(companies.size());
    for (const Company& company : companies) {
        checklist::IndexEntry entry = *company.index;
        entry.company = codec.TextToUtf8(company.files.Company());
        entry.folder = company.folder;
        entries.push_back(std::move(entry));
    }
    return checklist::BatchIndexHtml(entries, checklist::LocalNow(), checklist::ProgramVersion());
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

}  // namespace

int RunBatch(const ConvertOptions& options, std::ostream& out, std::ostream& err, const Environment& env,
             const JobRunner& runJob)
{
    StreamMessageBox box(out, err, env.codec);
    const platform::Messenger messenger(box, &env.codec);
    const std::string& root = *options.batch;
    auto folders = fileio::FolderEntries(root, true);
    if (!folders) {
        messenger.Warn("会社ごとのフォルダーがあるフォルダーを読み取れませんでした。\n\n" +
                       messenger.DisplayPath(root));
        return kExitUsage;
    }
    BatchPaths paths{
        root,
        {},
        options.outDir,
        options.settings ? *options.settings : CSormaItemCheck::DefaultSettingsPath(env.system.ExecutablePath()),
        options.summary};
    for (const auto& folder : *folders)
        paths.companies.push_back(fileio::JoinPath(root, folder));
    if (const std::string refusal = BatchPathsMessage(paths, messenger); !refusal.empty()) {
        messenger.Warn(refusal);
        return kExitUsage;
    }
    std::vector<std::string>().swap(paths.companies);
    std::vector<Company> companies(folders->size());
    for (std::size_t i = 0; i < companies.size(); ++i)
        companies[i].folder = std::move((*folders)[i]);
    folders.reset();
    const std::size_t jobs =
        options.jobs > 0 ? static_cast<std::size_t>(options.jobs) : std::max(1u, std::thread::hardware_concurrency());

    // What each company's sorting found and said waits for its turn in a
    // temporary file: a batch of thousands keeps little of each in memory.
    SpillFile spill;
    SharedLines sharedLines;
    const auto sortCompany = [&](Company& company, SpillFile& into) {
        const fileio::StatusMemo memo;
        std::ostringstream said;
        StreamMessageBox companyBox(said, said, env.codec);
        const platform::Messenger companyMessenger(companyBox, &env.codec);
        CSormaFileCheck check;
        const job::FolderExports sorted =
            job::SortFolder(fileio::JoinPath(root, company.folder), companyMessenger, check);
        const std::string problem = ReportSorting(sorted, companyMessenger) ? std::string() : companyBox.LastProblem();
        company.files = SortedFiles(sorted, check, said.str(), problem, into, sharedLines);
    };
    ForEachParallel(companies.size(), jobs, [&](std::size_t i) { sortCompany(companies[i], spill); });
    // Every name is chosen before any file is written, so that no company's file replaces another's.
    const auto chooseNames = [&] {
        std::vector<OutputNameSource> sources;
        sources.reserve(companies.size());
        for (const Company& company : companies)
            sources.push_back({company.files.Company(), company.folder, company.files.MakesJob()});
        return ChooseOutputNames(sources, env.codec);
    };
    {
        const std::vector<std::string> names = chooseNames();
        const OutputClash clashes(paths);
        // The outputs are checked one by one, in the companies' order: the first clash is named.
        for (std::size_t i = 0; i < companies.size(); ++i) {
            companies[i].outName = spill.Put(names[i]);
            const std::string output = names[i].empty() ? std::string() : fileio::JoinPath(options.outDir, names[i]);
            if (const std::string clash = clashes.MessageFor(output, messenger); !clash.empty()) {
                messenger.Warn(clash);
                return kExitUsage;
            }
        }
    }
    if (!fileio::MakeFolders(options.outDir)) {
        messenger.Warn("出力先のフォルダーを作成できませんでした。\n\n" + messenger.DisplayPath(options.outDir));
        return kExitRefused;
    }

    BatchSettings settings(paths.settings);
    std::mutex writing;
    std::size_t done = 0;
    Progress progress(err, env.codec, env.progress, companies.size());
    ForEachParallel(companies.size(), jobs, [&](std::size_t i) {
        Company& company = companies[i];
        const std::string name =
            company.files.Company().empty() ? env.codec.PathToText(company.folder) : company.files.Company();
        {
            const std::lock_guard<std::mutex> lock(writing);
            progress.Update(done, name);
        }
        const std::string folder = fileio::JoinPath(root, company.folder);
        CSormaFileCheck check;
        auto turn = company.files.Take(folder, check, spill, sharedLines);
        SpillFile again(true);
        if (!turn) {
            // The temporary file did not give the record back: the folder is
            // sorted once more, its record kept in memory for this turn.
            sortCompany(company, again);
            turn = company.files.Take(folder, check, again, sharedLines);
        }
        std::ostringstream said;
        said << turn->said;
        JobReport report;
        report.message = turn->problem;
        if (company.files.MakesJob()) {
            // The names are chosen again, as they were, should the temporary file fail here.
            auto outName = spill.Get(company.outName);
            if (!outName)
                outName = chooseNames()[i];
            ConvertOptions job = options;
            job.batch.reset();
            job.employees = turn->exports.employees;
            job.salary = turn->exports.salary;
            job.bonus = turn->exports.bonus;
            job.out = fileio::JoinPath(options.outDir, *outName);
            const int status = runJob(job, said, said, report, settings, check);
            if (status == kExitConverted)
                company.result = report.findings > 0 ? Result::WithFindings : Result::Converted;
            else
                company.result = report.failed ? Result::Failed : Result::Refused;
        }
        company.employees = report.employees;
        company.findings = report.findings;
        company.note = SummaryNote(company.result, report);
        if (options.checklist)
            company.index = IndexFacts(company.result, report, env.codec);
        const std::lock_guard<std::mutex> lock(writing);
        ++done;
        progress.Clear();
        const std::string text = said.str();
        if (!text.empty())
            err << "[" << env.codec.TextToUtf8(messenger.DisplayPath(company.folder)) << "] "
                << env.codec.TextToUtf8(ResultText(company.result)) << "\n"
                << text << std::flush;
        progress.Update(done, name);
    });
    progress.Clear();
    if (settings.Save() != fileio::WriteError::None)
        messenger.Warn(job::SettingsNotSavedMessage(settings.Path(), messenger));

    // The summary row by row: to the output, and to the summary file as it is printed.
    std::optional<fileio::AtomicFile> summaryFile;
    bool summaryWritten = true;
    if (options.summary) {
        summaryFile.emplace(*options.summary);
        summaryWritten = summaryFile->Open();
    }
    const auto printRow = [&](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out << (i == 0 ? "" : "\t") << env.codec.TextToUtf8(OneCell(row[i]));
        out << '\n';
        if (summaryFile && summaryWritten)
            summaryWritten = summaryFile->Write(text::CsvRow(row));
    };
    printRow(job::BatchSummaryHeadings());
    for (const Company& company : companies)
        printRow(SummaryRow(company, env.codec));
    out.flush();

    bool summaryFailed = false;
    if (summaryFile && !(summaryWritten && summaryFile->Commit())) {
        messenger.Warn("一覧を書き込めませんでした。\n\n" + messenger.DisplayPath(*options.summary));
        summaryFailed = true;
    }

    if (options.checklist) {
        const std::string index = fileio::JoinPath(options.outDir, "index.html");
        if (checklist::WriteHtml(index, CheckListIndex(companies, env.codec)) != fileio::WriteError::None) {
            messenger.Warn("確認表の一覧を書き込めませんでした。\n\n" + messenger.DisplayPath(index));
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

}  // namespace corvane::convert
