#include "bench/CheckBench.h"

#include <filesystem>
#include <functional>

#include "bench/Clock.h"
#include "sormaexport/CSormaFileCheck.h"

namespace corvane::bench {

namespace {

CheckTiming Time(const std::string& what, const std::string& path, int runs, const std::function<int()>& check)
{
    CheckTiming timing;
    timing.what = what;
    std::error_code ec;
    timing.fileBytes = static_cast<long long>(std::filesystem::file_size(path, ec));
    timing.result = check();
    std::vector<double> seconds;
    for (int r = 0; r < runs; ++r) {
        const double start = MonotonicSeconds();
        check();
        seconds.push_back(MonotonicSeconds() - start);
    }
    timing.seconds = SpreadOf(seconds);
    return timing;
}

std::string FileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

}  // namespace

std::vector<CheckTiming> MeasureChecks(const SampleSet& set, int runs)
{
    const std::string& list = set.employeeList;
    const std::string& salary = set.salary.front();
    const std::string& bonus = set.bonus.front();
    std::vector<CheckTiming> timings;
    // The employee file page's check of its file.
    timings.push_back(Time("CheckEmployeeList(" + FileName(list) + ")", list, runs, [&] {
        CSormaFileCheck check;
        std::string company;
        return check.CheckEmployeeList(list, company) ? 1 : 0;
    }));
    // A salary file picked on its page, first of a series that compares conditions;
    // each such check examines the employee list as well.
    timings.push_back(Time("CheckSalaryFile(" + FileName(list) + ", " + FileName(salary) + ")", salary, runs, [&] {
        CSormaFileCheck check;
        return check.CheckSalaryFile(list, salary, true, true);
    }));
    timings.push_back(Time("CheckBonusFile(" + FileName(list) + ", " + FileName(bonus) + ")", bonus, runs, [&] {
        CSormaFileCheck check;
        return check.CheckBonusFile(list, bonus, true, true);
    }));
    return timings;
}

}  // namespace corvane::bench
