// The settings file (the input's first part) read and rewritten: the
// rewrite reads back as the lines that were read, the standard ones left
// out. When the second part is an employee list, its company's choices are
// stored and saved too, and read back as that company's line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "items/CSormaItemCheck.h"
#include "sormaexport/CSormaFileCheck.h"

using namespace corvane;
using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::SplitInput(data, size, 2);
    const std::string path = fuzzing::WriteWorkFile("Corvane.ENV", parts[0]);
    std::string company;
    const bool listed = CSormaFileCheck().CheckEmployeeList(fuzzing::WriteWorkFile("employees.txt", parts[1]), company);

    CSormaItemCheck first(path);
    first.LoadSettings();
    std::vector<CSormaItemCheck::Line> kept;
    for (const auto& line : first.StoredLines()) {
        Require(!line.empty(), "a stored line has a field");
        if (!first.IsStandardLine(line))
            kept.push_back(line);
    }
    CSormaItemCheck::Line stored;
    if (listed) {
        // Not the standard line, which is never written.
        CSormaItemCheck::Clear(first.Entries()[0]);
        stored = first.CompanyLine(company);
        first.StoreCompanyLine(stored);
    }
    Require(first.SaveSettings() == fileio::WriteError::None, "the settings are saved");
    const std::string written = fuzzing::ReadWholeFile(path);

    CSormaItemCheck second(path);
    second.LoadSettings();
    if (!listed) {
        Require(kept.empty() || second.StoredLines() == kept, "the rewrite reads back as the lines read");
        return 0;
    }
    if (std::count(company.begin(), company.end(), '"') % 2 != 0) {
        // Written unquoted, as the format has it: read back, its quote swallows the line's commas and
        // the company's choices are lost (docs/reliability.md). The other lines must survive.
        for (const auto& line : kept) {
            const auto& lines = second.StoredLines();
            Require(line[0] == stored[0] || std::find(lines.begin(), lines.end(), line) != lines.end(),
                    "another company's line survives a company name with an odd quote");
        }
        return 0;
    }
    // A longer line the file held for the company keeps its further fields.
    const CSormaItemCheck::Line* back = second.StoredLineFor(company);
    Require(back != nullptr && back->size() >= stored.size() && std::equal(stored.begin(), stored.end(), back->begin()),
            "the company's line reads back as stored");
    // Saving again changes nothing.
    Require(second.SaveSettings() == fileio::WriteError::None, "the settings are saved again");
    Require(fuzzing::ReadWholeFile(path) == written, "a second save writes the same bytes");
    return 0;
}
