// The export reader and the check before writing, on an employee list and
// one summary file (the input cut in two). Whatever the bytes, the reader
// ends, a refused read leaves no employees, and every finding has its text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ExportSlots.h"
#include "FuzzInput.h"
#include "items/CSormaItemCheck.h"
#include "preflight/FindingText.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "support/RecordingMessageBox.h"

using namespace corvane;
using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::SplitInput(data, size, 2);
    const std::string list = fuzzing::WriteWorkFile("employees.txt", parts[0]);
    const std::string summary = fuzzing::WriteWorkFile("summary.txt", parts[1]);

    CSormaFileCheck check;
    std::string company;
    check.CheckEmployeeList(list, company);
    // Summaries the checks refuse are read too: the reader must bear them.
    const int slot = fuzzing::SlotOf(check, list, summary);
    const auto paths = fuzzing::ReaderPaths(list, slot < 0 ? 3 : slot, summary);

    CSormaItemCheck items(fuzzing::WorkFolder() + "/Corvane.ENV");
    items.PrepareChoices(summary, company);
    test::RecordingMessageBox box;
    const platform::Messenger messenger(box);
    CSormaKyuuyo reader(messenger);
    const bool read = reader.Read(paths, static_cast<int>(paths.size()), items);
    Require(read || reader.GetEmployeeCodes().empty(), "a refused read leaves no employees");
    Require(read || !box.Messages().empty(), "a refused read says why");
    if (!read)
        return 0;
    for (const auto& code : reader.GetEmployeeCodes()) {
        Require(!code.empty(), "no employee without a code");
        for (int period = 0; period <= 19; ++period)
            reader.GetPayValueView(code, period, "所得税");
        reader.GetDepartmentCode(std::string(reader.GetEmployeeValueView(code, "所属部門")));
        reader.GetPayeeCode(std::string(reader.GetEmployeeValueView(code, "住民税･納付先")));
    }

    const auto findings = preflight::VerifyExports(reader, items);
    for (const auto& finding : findings) {
        Require(!finding.text.empty(), "a finding says what was found");
        Require(finding.file.empty() || finding.file == list || finding.file == summary,
                "a finding names a file of the job");
        Require(finding.line >= 0, "a finding's line is a line");
    }
    if (!findings.empty()) {
        const auto display = [](const std::string& path) { return path; };
        Require(!preflight::FindingDetails(findings, display).empty(), "findings have details");
        Require(!preflight::ProceedQuestion(findings).empty(), "findings make a question");
    }
    return 0;
}
