// A whole conversion through the job steps, on an employee list and one
// summary file (the input cut in two), the summary in the slot the checks
// give it. Either the document is written, well-formed and code page 932,
// or the job is refused with a message and the earlier document stays as it
// was; no temporary file is left behind.
#include <algorithm>
#include <cstdio>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ExportSlots.h"
#include "FuzzInput.h"
#include "XmlCheck.h"
#include "items/CSormaItemCheck.h"
#include "job/JobSteps.h"
#include "support/RecordingMessageBox.h"

using namespace corvane;
using fuzzing::Require;

namespace {

const std::string kEarlier = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<REPORT/>\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::SplitInput(data, size, 2);
    const std::string& folder = fuzzing::WorkFolder();
    // Nothing of the last input's run: its settings would change this one's choices.
    std::filesystem::remove(folder + "/Corvane.ENV");
    job::Job job;
    job.employeeList = fuzzing::WriteWorkFile("employees.txt", parts[0]);
    const std::string summary = fuzzing::WriteWorkFile("summary.txt", parts[1]);
    job.outputPath = fuzzing::WriteWorkFile("out.XML", kEarlier);
    job.functionId = job::kStartedByUser;
    job.filingYear = "7";
    job.mode = size % 2 == 0 ? TransferMode::Normal : TransferMode::Easy;

    CSormaFileCheck check;
    check.CheckEmployeeList(job.employeeList, job.companyName);
    const int slot = fuzzing::SlotOf(check, job.employeeList, summary);
    job.slots[static_cast<std::size_t>(slot < 0 ? 3 : slot)].path = summary;
    CSormaItemCheck items(folder + "/Corvane.ENV");
    items.PrepareChoices(summary, job.companyName);

    test::RecordingMessageBox box;
    const platform::Messenger messenger(box);
    const auto review = [](const std::vector<preflight::Finding>& findings, const CExportXMLVeld&) {
        for (const auto& finding : findings)
            Require(!finding.text.empty(), "a finding says what was found");
        return true;
    };
    const job::ConversionOutcome outcome = job::RunConversion(job, items, messenger, review);

    const std::string written = fuzzing::ReadWholeFile(job.outputPath);
    if (outcome.converted) {
        const std::string problem = fuzzing::XmlProblem(written);
        if (!problem.empty())
            std::fprintf(stderr, "the document: %s\n", problem.c_str());
        Require(problem.empty(), "the document is well-formed code page 932");
    } else {
        Require(!box.Messages().empty(), "a refused job says why");
        Require(written == kEarlier, "a refused job leaves the earlier document whole");
    }
    for (const auto& shown : box.Messages())
        Require(!shown.text.empty(), "no empty message");
    for (const auto& name : fuzzing::FolderNames(folder)) {
        static const std::vector<std::string> kKnown{"employees.txt", "summary.txt", "out.XML", "Corvane.ENV",
                                                     "Corvane.ENV.lock"};
        Require(std::find(kKnown.begin(), kKnown.end(), name) != kKnown.end(), "no file left behind");
    }
    return 0;
}
