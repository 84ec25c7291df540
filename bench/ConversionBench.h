#pragma once

#include <string>
#include <vector>

#include "bench/Stats.h"

namespace corvane::bench {

// The files of one generated set, in the order the converter takes them.
struct SampleSet {
    int employees = 0;
    std::string folder;
    std::string employeeList;
    std::vector<std::string> salary;  // months 1 to 12
    std::vector<std::string> bonus;   // bonus 1 to 5
    long long inputBytes = 0;         // all files together

    std::vector<std::string> AllFiles() const;
};

// Writes the exports for `employees` into `folder` with corvane-samplegen;
// "" when done, else what went wrong.
std::string GenerateSet(const std::string& samplegen, int employees, const std::string& folder, SampleSet& set);

struct SetResult {
    SampleSet set;
    long long outputBytes = 0;
    Spread conversionSeconds;
    Spread peakRssBytes;
    Spread floorSeconds;
    Spread floorReadSeconds;
    Spread floorWriteSeconds;
    Spread conversionOverFloor;   // run by run: each conversion over the floor measured next to it
    Spread conversionCpuSeconds;  // user + system (wait4)
    Spread fsyncs;                // -1 when not counted
    std::string error;            // "" when every run succeeded
};

// One warm-up, then `runs` rounds of the I/O floor and the whole conversion
// (corvane-convert as a child process), alternating which goes first.
SetResult MeasureConversion(const std::string& convert, const SampleSet& set, int runs);

}  // namespace corvane::bench
