#pragma once

#include <string>
#include <vector>

namespace corvane::bench {

struct BenchOptions {
    std::vector<int> employees;  // the sets to measure, in order; default 1,000, 10,000, 50,000
    int runs = 5;                // counted runs of each measurement, after one warm-up
    std::string dir = "corvane-bench-data";
    std::string convert;  // corvane-convert and corvane-samplegen; default: the built ones
    std::string samplegen;
    int companies = 300;  // the batch case: companies of `companyEmployees` each; 0 leaves it out
    int companyEmployees = 30;
    bool keep = false;  // keep the generated exports and outputs
    bool help = false;
};

struct ParsedBenchOptions {
    BenchOptions options;
    std::string error;  // "" when the arguments are valid
};

ParsedBenchOptions ParseBenchOptions(const std::vector<std::string>& args);
extern const char kBenchUsage[];

}  // namespace corvane::bench
