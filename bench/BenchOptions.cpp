#include "bench/BenchOptions.h"

#include <charconv>

namespace corvane::bench {

const char kBenchUsage[] =
    "Usage: corvane-bench [--employees N]... [--runs R] [--dir DIR] [--keep]\n"
    "                     [--companies C] [--company-employees E]\n"
    "                     [--convert PATH] [--samplegen PATH]\n"
    "\n"
    "Generates exports for N employees (every employee column, twelve salary and five\n"
    "bonus summaries), converts them with corvane-convert R times after a warm-up and\n"
    "prints medians: wall time, peak resident memory, input and output bytes, the\n"
    "I/O floor (reading every input, writing and fsyncing an output of the same size)\n"
    "and the ratios; then the identification checks for one file of the largest set;\n"
    "then a whole office: C company folders of E employees each (default 300 x 30;\n"
    "--companies 0 leaves it out), converted by one corvane-convert --batch with\n"
    "--jobs 1 and with the default jobs, beside the I/O floor of all their files.\n"
    "Default: --employees 1000 --employees 10000 --employees 50000 --runs 5\n"
    "--dir corvane-bench-data. Each set is made in DIR/N; those folders are removed\n"
    "afterwards, and DIR too when nothing else is in it, unless --keep.\n";

namespace {

bool ParseCount(const std::string& text, int low, int high, int& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

}  // namespace

ParsedBenchOptions ParseBenchOptions(const std::vector<std::string>& args)
{
    ParsedBenchOptions parsed;
    BenchOptions& o = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg == "--keep") {
            o.keep = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            parsed.error = arg + " needs a value or is unknown";
            return parsed;
        }
        const std::string& value = args[++i];
        int n = 0;
        if (arg == "--employees" && ParseCount(value, 1, 1000000, n)) {
            o.employees.push_back(n);
        } else if (arg == "--runs" && ParseCount(value, 1, 100, n)) {
            o.runs = n;
        } else if (arg == "--companies" && ParseCount(value, 0, 100000, n)) {
            o.companies = n;
        } else if (arg == "--company-employees" && ParseCount(value, 1, 100000, n)) {
            o.companyEmployees = n;
        } else if (arg == "--dir" && !value.empty()) {
            o.dir = value;
        } else if (arg == "--convert" && !value.empty()) {
            o.convert = value;
        } else if (arg == "--samplegen" && !value.empty()) {
            o.samplegen = value;
        } else {
            parsed.error = "bad option or value: " + arg + " " + value;
            return parsed;
        }
    }
    if (o.employees.empty())
        o.employees = {1000, 10000, 50000};
    return parsed;
}

}  // namespace corvane::bench
