#include "reliability/FaultJob.h"

#include <filesystem>
#include <stdexcept>

#include "sormaexport/CSormaFileCheck.h"

namespace corvane::reliability {

const char kEarlierSettings[] =
    "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n"
    "他社Ａ,支給合計,50,社会保険料計,72,扶養人数,93,所得税,65\r\n"
    "他社Ｂ,課税支給合計,46,,-1,扶養人数,93,,-1\r\n";

FaultJob::FaultJob()
{
    exports = dir.File("exports");
    std::filesystem::create_directory(exports);
    for (const char* name : {"employees.txt", "salary-04.txt", "bonus-1.txt"})
        std::filesystem::copy_file(std::string(CORVANE_EXAMPLES_DIR) + "/" + name, exports + "/" + name);
    list = exports + "/employees.txt";
    slots[3].path = exports + "/salary-04.txt";
    slots[12].path = exports + "/bonus-1.txt";

    // The files pass the pages' checks before every fault is made.
    CSormaFileCheck check;
    if (!check.CheckEmployeeList(list, company) || check.CheckSalaryFile(list, slots[3].path, false, false) != 4 ||
        check.CheckBonusFile(list, slots[12].path, false, false) != 1)
        throw std::runtime_error("the sample exports do not pass their checks");

    earlierSettings = kEarlierSettings;
    const std::string first = dir.File("first");
    std::filesystem::create_directory(first);
    test::TempDir scratch;
    scratch.Write("Corvane.ENV", earlierSettings);
    if (!Convert(first + "/out.XML", scratch.File("Corvane.ENV")).converted)
        throw std::runtime_error("the earlier conversion failed");
    earlierOutput = test::ReadFileBytes(first + "/out.XML");
    std::filesystem::remove_all(first);
    box.Clear();
}

CSormaItemCheck FaultJob::Items(const std::string& settings) const
{
    CSormaItemCheck items(settings);
    items.LoadSettings();
    items.PrepareChoices(slots[3].path, company);
    return items;
}

job::ConversionOutcome FaultJob::Convert(const std::string& output, CSormaItemCheck& items)
{
    job::Job job;
    job.employeeList = list;
    job.slots = slots;
    job.outputPath = output;
    job.functionId = job::kStartedByUser;
    job.filingYear = "6";
    job.companyName = company;
    return job::RunConversion(job, items, messenger);
}

job::ConversionOutcome FaultJob::Convert(const std::string& output, const std::string& settings)
{
    CSormaItemCheck items = Items(settings);
    return Convert(output, items);
}

void FaultJob::PlaceEarlierFiles(const std::string& folder) const
{
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/out.XML", earlierOutput);
    WriteBytes(folder + "/Corvane.ENV", earlierSettings);
}

}  // namespace corvane::reliability
