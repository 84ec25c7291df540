// corvane-bench: the whole conversion at company scale, beside its I/O floor.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/BenchOptions.h"
#include "bench/CheckBench.h"
#include "bench/ConversionBench.h"
#include "bench/Report.h"

namespace {

namespace bench = corvane::bench;

int Run(const bench::BenchOptions& options)
{
    const std::string convert = options.convert.empty() ? CORVANE_CONVERT_PATH : options.convert;
    const std::string samplegen = options.samplegen.empty() ? CORVANE_SAMPLEGEN_PATH : options.samplegen;
    bench::PrintMachine(std::cout, options.runs);

    std::vector<bench::SetResult> results;
    for (const int employees : options.employees) {
        bench::SampleSet set;
        const std::string folder = options.dir + "/" + std::to_string(employees);
        const std::string error = bench::GenerateSet(samplegen, employees, folder, set);
        if (!error.empty()) {
            std::cerr << "corvane-bench: " << error << "\n";
            return 1;
        }
        results.push_back(bench::MeasureConversion(convert, set, options.runs));
        if (!results.back().error.empty()) {
            std::cerr << "corvane-bench: " << results.back().error << "\n";
            return 1;
        }
        bench::PrintSet(std::cout, results.back());
        // Only the largest set's files are needed for the checks.
        if (!options.keep && employees != options.employees.back())
            std::filesystem::remove_all(folder);
    }
    bench::PrintGrowth(std::cout, results);
    const bench::SampleSet& largest = results.back().set;
    if (options.companies > 0) {
        const std::string folder = options.dir + "/batch";
        const auto batch =
            bench::MeasureBatch(convert, samplegen, folder, options.companies, options.companyEmployees, options.runs);
        if (!batch.error.empty()) {
            std::cerr << "corvane-bench: " << batch.error << "\n";
            return 1;
        }
        bench::PrintBatch(std::cout, batch);
        if (!options.keep)
            std::filesystem::remove_all(folder);
    }
    bench::PrintChecks(std::cout, largest, bench::MeasureChecks(largest, options.runs), options.runs);
    if (!options.keep) {
        // Only what this run made: the set's folder, then --dir itself if nothing else is in it.
        std::filesystem::remove_all(largest.folder);
        std::error_code ec;
        std::filesystem::remove(options.dir, ec);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto parsed = bench::ParseBenchOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "corvane-bench: " << parsed.error << "\n\n" << bench::kBenchUsage;
        return 2;
    }
    if (parsed.options.help) {
        std::cout << bench::kBenchUsage;
        return 0;
    }
    return Run(parsed.options);
}
