#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// Realistic payroll exports for trying and benchmarking the converter: an
// employee list with every column, twelve salary summaries and up to five
// bonus summaries of one company and one year. Everything is a function of
// the options, so one seed always gives the same bytes.
namespace corvane::samplegen {

struct SampleOptions {
    int employees = 20;
    std::uint64_t seed = 1;
    int bonuses = 5;  // bonus summaries to write, 0 to 5
    // The employee list's codes carry a leading zero that the summaries'
    // codes lost, as when a summary was saved again by a spreadsheet.
    bool zeroLostCodes = false;
};

struct SampleFile {
    std::string name;   // file name: employees.txt, salary-01.txt ..., bonus-1.txt ...
    std::string bytes;  // Shift_JIS, CR LF line ends
};

// The files in this order: the employee list, salary months 1 to 12, bonus 1 to `bonuses`.
std::vector<SampleFile> GenerateSampleExports(const SampleOptions& options);

// The company name written into every file (code page 932).
const std::string& SampleCompanyName();

// Writes the files into `folder` (which must exist), each replaced whole.
// False, with a reason in `error`, when one cannot be written.
bool WriteSampleExports(const std::string& folder, const SampleOptions& options, std::string& error);

// The command line: --employees N --out DIR [--seed S] [--bonuses N]
// [--zero-lost-codes] [--help].
// Returns the exit code: 0 done, 1 a file could not be written, 2 a usage error.
int RunSampleGen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace corvane::samplegen
