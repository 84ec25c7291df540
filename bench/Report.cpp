#include "bench/Report.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace corvane::bench {

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Seconds(const Spread& s)
{
    return Fixed(s.median, 3) + " s (" + Fixed(s.min, 3) + " .. " + Fixed(s.max, 3) + ")";
}

std::string Milliseconds(const Spread& s)
{
    return Fixed(s.median * 1000, 2) + " ms (" + Fixed(s.min * 1000, 2) + " .. " + Fixed(s.max * 1000, 2) + ")";
}

std::string Mebibytes(const Spread& s)
{
    return Fixed(s.median / kMiB, 1) + " MiB (" + Fixed(s.min / kMiB, 1) + " .. " + Fixed(s.max / kMiB, 1) + ")";
}

std::string FirstLineStarting(const std::string& file, const std::string& key)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) {
            const auto colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(line.find_first_not_of(" \t", colon + 1));
        }
    }
    return "unknown";
}

std::string LoadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    return one.empty() ? "unknown" : one + " (1 min), " + five + " (5 min)";
}

}  // namespace

void PrintMachine(std::ostream& out, int runs)
{
    struct utsname name {};
    ::uname(&name);
    const long processors = ::sysconf(_SC_NPROCESSORS_ONLN);
    const double memory = static_cast<double>(::sysconf(_SC_PHYS_PAGES)) * static_cast<double>(::sysconf(_SC_PAGESIZE));
    out << "machine: " << FirstLineStarting("/proc/cpuinfo", "model name") << ", " << processors << " processors, "
        << Fixed(memory / (kMiB * 1024), 1) << " GiB, " << name.sysname << " " << name.release << "\n";
    out << "load average at start: " << LoadAverage() << "\n";
    out << "every figure: median of " << runs << " runs after one warm-up (min .. max)\n\n";
}

void PrintSet(std::ostream& out, const SetResult& r)
{
    const double input = static_cast<double>(r.set.inputBytes);
    out << "N = " << r.set.employees << " employees: " << r.set.AllFiles().size() << " files, input "
        << r.set.inputBytes << " bytes, output " << r.outputBytes << " bytes\n";
    out << "  conversion           wall " << Seconds(r.conversionSeconds) << ", peak RSS " << Mebibytes(r.peakRssBytes)
        << "\n";
    out << "  conversion CPU       " << Seconds(r.conversionCpuSeconds) << " (user + system), "
        << Fixed(r.fsyncs.median, 0) << " fsync\n";
    out << "  I/O floor            " << Seconds(r.floorSeconds) << ": read " << Fixed(r.floorReadSeconds.median, 3)
        << " s, write + fsync + rename " << Fixed(r.floorWriteSeconds.median, 3) << " s\n";
    out << "  conversion / floor   " << Fixed(r.conversionOverFloor.median, 2) << " ("
        << Fixed(r.conversionOverFloor.min, 2) << " .. " << Fixed(r.conversionOverFloor.max, 2) << ")\n";
    out << "  peak memory / input  " << Fixed(r.peakRssBytes.median / input, 3)
        << " (peak - input = " << Fixed((r.peakRssBytes.median - input) / kMiB, 1) << " MiB)\n";
    // One line per set for scripts and the CI check.
    out << "result employees=" << r.set.employees << " input_bytes=" << r.set.inputBytes
        << " output_bytes=" << r.outputBytes << " wall_s=" << Fixed(r.conversionSeconds.median, 4)
        << " peak_rss_bytes=" << static_cast<long long>(r.peakRssBytes.median)
        << " floor_s=" << Fixed(r.floorSeconds.median, 4)
        << " time_over_floor=" << Fixed(r.conversionOverFloor.median, 3)
        << " memory_over_input=" << Fixed(r.peakRssBytes.median / input, 3) << "\n\n";
}

void PrintGrowth(std::ostream& out, const std::vector<SetResult>& results)
{
    for (std::size_t i = 1; i < results.size(); ++i) {
        const SetResult& a = results[i - 1];
        const SetResult& b = results[i];
        out << "growth " << b.set.employees << " / " << a.set.employees << ": employees x"
            << Fixed(static_cast<double>(b.set.employees) / a.set.employees, 2) << ", input x"
            << Fixed(static_cast<double>(b.set.inputBytes) / static_cast<double>(a.set.inputBytes), 2) << ", time x"
            << Fixed(b.conversionSeconds.median / a.conversionSeconds.median, 2) << ", peak memory x"
            << Fixed(b.peakRssBytes.median / a.peakRssBytes.median, 2) << "\n";
    }
    if (results.size() > 1)
        out << "\n";
}

void PrintBatch(std::ostream& out, const BatchResult& r)
{
    out << "batch: " << r.companies << " companies x " << r.employees << " employees, input " << r.inputBytes
        << " bytes, output " << r.outputBytes << " bytes\n";
    out << "  --jobs 1             wall " << Seconds(r.oneJobSeconds) << "\n";
    out << "  default (" << r.processors << " jobs)     wall " << Seconds(r.defaultJobsSeconds) << "\n";
    out << "  I/O floor            " << Seconds(r.floorSeconds) << "\n";
    out << "  batch / floor        --jobs 1: " << Fixed(r.oneJobOverFloor.median, 2) << " ("
        << Fixed(r.oneJobOverFloor.min, 2) << " .. " << Fixed(r.oneJobOverFloor.max, 2)
        << "), default: " << Fixed(r.defaultJobsOverFloor.median, 2) << " (" << Fixed(r.defaultJobsOverFloor.min, 2)
        << " .. " << Fixed(r.defaultJobsOverFloor.max, 2) << ")\n";
    const double companies = r.companies;
    const auto perCompany = [companies](const Spread& s) { return s.median < 0 ? -1.0 : s.median / companies; };
    out << "  CPU (user + system)  --jobs 1: " << Seconds(r.oneJobCpuSeconds) << ", "
        << Fixed(perCompany(r.oneJobCpuSeconds) * 1000, 2)
        << " ms per company; default: " << Seconds(r.defaultJobsCpuSeconds) << ", "
        << Fixed(perCompany(r.defaultJobsCpuSeconds) * 1000, 2) << " ms per company\n";
    out << "  fsync per company    --jobs 1: " << Fixed(perCompany(r.oneJobFsyncs), 3)
        << ", default: " << Fixed(perCompany(r.defaultJobsFsyncs), 3) << " (the floor: 1)\n";
    out << "result batch companies=" << r.companies << " employees=" << r.employees
        << " one_job_s=" << Fixed(r.oneJobSeconds.median, 4)
        << " default_jobs_s=" << Fixed(r.defaultJobsSeconds.median, 4) << " floor_s=" << Fixed(r.floorSeconds.median, 4)
        << " one_job_over_floor=" << Fixed(r.oneJobOverFloor.median, 3)
        << " default_over_floor=" << Fixed(r.defaultJobsOverFloor.median, 3)
        << " one_job_cpu_s=" << Fixed(r.oneJobCpuSeconds.median, 4)
        << " default_cpu_s=" << Fixed(r.defaultJobsCpuSeconds.median, 4)
        << " one_job_fsyncs_per_company=" << Fixed(perCompany(r.oneJobFsyncs), 4)
        << " default_fsyncs_per_company=" << Fixed(perCompany(r.defaultJobsFsyncs), 4) << "\n\n";
}

void PrintChecks(std::ostream& out, const SampleSet& set, const std::vector<CheckTiming>& timings, int runs)
{
    out << "identification checks, one file of the " << set.employees << "-employee set (median of " << runs
        << ", in this process):\n";
    for (const auto& t : timings) {
        out << "  " << t.what << ": " << Milliseconds(t.seconds) << ", file " << t.fileBytes << " bytes, result "
            << t.result << "\n";
    }
    out << "load average at end: " << LoadAverage() << "\n";
}

}  // namespace corvane::bench
