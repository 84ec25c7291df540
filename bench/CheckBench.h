#pragma once

#include <string>
#include <vector>

#include "bench/ConversionBench.h"
#include "bench/Stats.h"

namespace corvane::bench {

// One identification check as a page makes it for one picked file.
struct CheckTiming {
    std::string what;  // the call, with the file it examined
    long long fileBytes = 0;
    int result = 0;  // what the check answered (1 = true for the employee list)
    Spread seconds;
};

// The employee list, the first salary month and the first bonus of `set`,
// each checked `runs` times in this process after one warm-up.
std::vector<CheckTiming> MeasureChecks(const SampleSet& set, int runs);

}  // namespace corvane::bench
