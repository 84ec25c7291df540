#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "checklist/CheckList.h"
#include "convert/Convert.h"
#include "convert/ConvertOptions.h"

namespace corvane {
class CSormaFileCheck;
}

namespace corvane::convert {

// What a batch's summary needs of one company's run.
struct JobReport {
    int employees = -1;  // -1: the exports were not read
    int findings = 0;
    std::string levels;   // the findings' levels and people: 「要修正 2人、要確認 1人」
    bool failed = false;  // a fault rather than a refusal
    std::string message;  // the last message other than information
    // --checklist: the file written ("" when none was), its verdict and totals
    std::string checkList;
    checklist::LevelCounts verdict;
    checklist::Amounts totals;
};

class BatchSettings;

// Runs one company's job (the single job, its folder sorted into the
// options) with its messages going to `out` and `err`, its company's line
// kept in `settings`, its files identified by `check`, which holds what the
// sorting found of them; returns its exit code.
using JobRunner = std::function<int(const ConvertOptions& options, std::ostream& out, std::ostream& err,
                                    JobReport& report, BatchSettings& settings, CSormaFileCheck& check)>;

// --batch: sorts each subfolder of the root as a company's exports, runs the
// companies on threads through `runJob`, saves the settings file once, and
// prints the summary table.
int RunBatch(const ConvertOptions& options, std::ostream& out, std::ostream& err, const Environment& env,
             const JobRunner& runJob);

}  // namespace corvane::convert
