#pragma once

#include <string>

#include "bench/Stats.h"

namespace corvane::bench {

// A whole office's run: `companies` company folders of `employees` each,
// converted by one corvane-convert --batch.
struct BatchResult {
    int companies = 0;
    int employees = 0;
    long long inputBytes = 0;   // all companies' exports
    long long outputBytes = 0;  // all companies' XML files
    int processors = 0;         // what the default --jobs uses
    Spread oneJobSeconds;       // --jobs 1
    Spread defaultJobsSeconds;  // no --jobs
    Spread floorSeconds;        // every input read once, every output written as the writer does
    Spread oneJobOverFloor;
    Spread defaultJobsOverFloor;
    Spread oneJobCpuSeconds;  // user + system of the whole batch process
    Spread defaultJobsCpuSeconds;
    Spread oneJobFsyncs;  // of the whole batch; -1 when not counted
    Spread defaultJobsFsyncs;
    std::string error;  // "" when every run succeeded
};

// Generates one company's exports, copies them into `companies` folders
// under `folder`, and measures the batch with --jobs 1 and with the
// default, each beside the I/O floor, `runs` times after a warm-up.
BatchResult MeasureBatch(const std::string& convert, const std::string& samplegen, const std::string& folder,
                         int companies, int employees, int runs);

}  // namespace corvane::bench
