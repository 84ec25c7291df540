#include "bench/BatchBench.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>
#include <vector>

#include "bench/ChildProcess.h"
#include "bench/ConversionBench.h"
#include "bench/IoFloor.h"
#include "bench/Rounds.h"

namespace corvane::bench {

namespace {

namespace fs = std::filesystem;

// The I/O floor of the whole batch: each company's floor, one after another.
FloorRun BatchFloor(const std::vector<std::vector<std::string>>& inputs, const std::string& outDir,
                    const std::vector<long long>& outputBytes)
{
    FloorRun total;
    total.ok = true;
    for (std::size_t i = 0; i < inputs.size() && total.ok; ++i) {
        const FloorRun one = MeasureIoFloor(inputs[i], outDir + "/floor-" + std::to_string(i) + ".XML", outputBytes[i]);
        total.ok = one.ok;
        total.readSeconds += one.readSeconds;
        total.writeSeconds += one.writeSeconds;
        total.bytesRead += one.bytesRead;
    }
    return total;
}

}  // namespace

BatchResult MeasureBatch(const std::string& convert, const std::string& samplegen, const std::string& folder,
                         int companies, int employees, int runs)
{
    BatchResult result;
    result.companies = companies;
    result.employees = employees;
    result.processors = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    SampleSet set;
    result.error = GenerateSet(samplegen, employees, folder + "/sample", set);
    if (!result.error.empty())
        return result;

    const std::string root = folder + "/companies";
    const std::string outDir = folder + "/out";
    const std::string floorDir = folder + "/floor";
    std::error_code ec;
    fs::create_directories(floorDir, ec);
    std::vector<std::vector<std::string>> inputs;
    char name[32];
    for (int c = 0; c < companies; ++c) {
        std::snprintf(name, sizeof name, "/%04d", c);
        const std::string company = root + name;
        fs::create_directories(company, ec);
        std::vector<std::string> files;
        for (const auto& path : set.AllFiles()) {
            const std::string copy = company + "/" + fs::path(path).filename().string();
            fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec);
            if (ec) {
                result.error = "cannot copy " + path + ": " + ec.message();
                return result;
            }
            files.push_back(copy);
        }
        inputs.push_back(files);
        result.inputBytes += set.inputBytes;
    }

    const std::vector<std::string> base = {
        convert, "--batch", root, "--out-dir", outDir, "--settings", folder + "/Corvane.ENV", "--year", "6"};
    auto oneJob = base;
    oneJob.insert(oneJob.end(), {"--jobs", "1"});
    const std::string log = folder + "/batch.log";
    // The warm-up leaves every output in place, as in the single conversion.
    const ChildRun warm = RunChild(base, log);
    if (warm.exitCode != 0) {
        result.error = "corvane-convert --batch failed: " + warm.output;
        return result;
    }
    std::vector<long long> outputBytes;
    for (const auto& entry : fs::directory_iterator(outDir, ec)) {
        outputBytes.push_back(static_cast<long long>(fs::file_size(entry.path(), ec)));
        result.outputBytes += outputBytes.back();
    }
    if (static_cast<int>(outputBytes.size()) != companies) {
        result.error = "the batch wrote " + std::to_string(outputBytes.size()) + " files for " +
                       std::to_string(companies) + " companies";
        return result;
    }

    const Rounds rounds = MeasureRounds(
        runs, [&] { return BatchFloor(inputs, floorDir, outputBytes); },
        {{"corvane-convert --batch --jobs 1", oneJob}, {"corvane-convert --batch", base}}, log, FloorOrder::First);
    result.error = rounds.error;
    result.oneJobSeconds = rounds.Seconds(0);
    result.defaultJobsSeconds = rounds.Seconds(1);
    result.floorSeconds = rounds.FloorSeconds();
    result.oneJobOverFloor = rounds.OverFloor(0);
    result.defaultJobsOverFloor = rounds.OverFloor(1);
    result.oneJobCpuSeconds = rounds.CpuSeconds(0);
    result.defaultJobsCpuSeconds = rounds.CpuSeconds(1);
    result.oneJobFsyncs = rounds.Fsyncs(0);
    result.defaultJobsFsyncs = rounds.Fsyncs(1);
    return result;
}

}  // namespace corvane::bench
