#include "bench/ConversionBench.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "bench/ChildProcess.h"
#include "bench/IoFloor.h"
#include "bench/Rounds.h"

namespace corvane::bench {

namespace {

namespace fs = std::filesystem;

constexpr int kSalaryMonths = 12;
constexpr int kBonuses = 5;

std::vector<std::string> ConvertArguments(const std::string& convert, const SampleSet& set, const std::string& out)
{
    // A fixed filing year, so that the run does not depend on the date; the
    // settings file in the set's folder, so that nothing is written next to the program.
    std::vector<std::string> argv = {
        convert, "--employees", set.employeeList, "--out", out, "--settings", set.folder + "/Corvane.ENV", "--year",
        "6"};
    for (const auto& path : set.salary) {
        argv.push_back("--salary");
        argv.push_back(path);
    }
    for (const auto& path : set.bonus) {
        argv.push_back("--bonus");
        argv.push_back(path);
    }
    return argv;
}

}  // namespace

std::vector<std::string> SampleSet::AllFiles() const
{
    std::vector<std::string> files = {employeeList};
    files.insert(files.end(), salary.begin(), salary.end());
    files.insert(files.end(), bonus.begin(), bonus.end());
    return files;
}

std::string GenerateSet(const std::string& samplegen, int employees, const std::string& folder, SampleSet& set)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return "cannot create " + folder + ": " + ec.message();
    const ChildRun run = RunChild(
        {samplegen, "--employees", std::to_string(employees), "--bonuses", std::to_string(kBonuses), "--out", folder},
        folder + "/samplegen.log");
    if (run.exitCode != 0)
        return "corvane-samplegen failed: " + run.output;

    set = SampleSet();
    set.employees = employees;
    set.folder = folder;
    set.employeeList = folder + "/employees.txt";
    char name[32];
    for (int month = 1; month <= kSalaryMonths; ++month) {
        std::snprintf(name, sizeof name, "/salary-%02d.txt", month);
        set.salary.push_back(folder + name);
    }
    for (int bonus = 1; bonus <= kBonuses; ++bonus) {
        std::snprintf(name, sizeof name, "/bonus-%d.txt", bonus);
        set.bonus.push_back(folder + name);
    }
    for (const auto& path : set.AllFiles()) {
        const auto size = fs::file_size(path, ec);
        if (ec)
            return "missing export " + path;
        set.inputBytes += static_cast<long long>(size);
    }
    return std::string();
}

SetResult MeasureConversion(const std::string& convert, const SampleSet& set, int runs)
{
    SetResult result;
    result.set = set;
    const std::string out = set.folder + "/out.XML";
    const std::string floorOut = set.folder + "/floor.XML";
    const std::string log = set.folder + "/convert.log";
    const auto argv = ConvertArguments(convert, set, out);
    const auto inputs = set.AllFiles();

    // The warm-up also leaves an output in place, so that every counted run
    // replaces a file of the same size, the conversion and the floor alike.
    const ChildRun warm = RunChild(argv, log);
    std::error_code ec;
    if (warm.exitCode != 0) {
        result.error = "corvane-convert failed: " + warm.output;
        return result;
    }
    result.outputBytes = static_cast<long long>(fs::file_size(out, ec));
    if (!MeasureIoFloor(inputs, floorOut, result.outputBytes).ok) {
        result.error = "the I/O floor could not be measured in " + set.folder;
        return result;
    }

    const Rounds rounds = MeasureRounds(
        runs, [&] { return MeasureIoFloor(inputs, floorOut, result.outputBytes); }, {{"corvane-convert", argv}}, log,
        FloorOrder::Alternating,
        [&] {
            return static_cast<long long>(fs::file_size(out, ec)) == result.outputBytes
                       ? std::string()
                       : std::string("the output changed size between runs");
        });
    result.error = rounds.error;
    result.conversionSeconds = rounds.Seconds(0);
    result.peakRssBytes = rounds.PeakRssBytes(0);
    result.floorSeconds = rounds.FloorSeconds();
    result.floorReadSeconds = rounds.FloorReadSeconds();
    result.floorWriteSeconds = rounds.FloorWriteSeconds();
    result.conversionOverFloor = rounds.OverFloor(0);
    result.conversionCpuSeconds = rounds.CpuSeconds(0);
    result.fsyncs = rounds.Fsyncs(0);
    return result;
}

}  // namespace corvane::bench
