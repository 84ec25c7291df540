#pragma once

#include <ostream>
#include <vector>

#include "bench/BatchBench.h"
#include "bench/CheckBench.h"
#include "bench/ConversionBench.h"

namespace corvane::bench {

// The machine the figures come from: processor, processors, memory, load.
void PrintMachine(std::ostream& out, int runs);
void PrintSet(std::ostream& out, const SetResult& result);
// Time and memory of each set over the set before it (both measured in this run).
void PrintGrowth(std::ostream& out, const std::vector<SetResult>& results);
void PrintBatch(std::ostream& out, const BatchResult& result);
void PrintChecks(std::ostream& out, const SampleSet& set, const std::vector<CheckTiming>& timings, int runs);

}  // namespace corvane::bench
