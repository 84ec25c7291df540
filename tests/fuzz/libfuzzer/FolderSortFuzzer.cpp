// The folder sorting on a folder of up to six files made from the input:
// each part's first line names a file, the rest is its bytes. A folder that
// makes a job has one employee list, at most twelve salary files and five
// bonus files in payment order, and every file lands in exactly one place;
// one that does not is refused with a message.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "job/FolderExports.h"
#include "support/RecordingMessageBox.h"
#include "text/Cp932.h"

using namespace corvane;
using fuzzing::Require;

namespace {

constexpr std::size_t kMaxFiles = 6;

// A portable name from the part's first line: letters, digits, '.', '-',
// '_' (others become '_'), at most 40 bytes; names already taken get a number.
std::string FileName(const std::string& line, std::size_t index, const std::vector<std::string>& taken)
{
    std::string name;
    for (char c : line.substr(0, 40)) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                           c == '-' || c == '_';
        name += plain ? c : '_';
    }
    if (name.empty() || name == "." || name == "..")
        name = "file.txt";
    if (std::find(taken.begin(), taken.end(), name) != taken.end())
        name = std::to_string(index) + name;
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string folder = fuzzing::WorkFolder() + "/folder";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::vector<std::string> names;
    std::vector<std::string> paths;
    for (const std::string& part : fuzzing::SplitInput(data, size, kMaxFiles)) {
        const std::size_t end = part.find('\n');
        if (part.empty())
            continue;
        names.push_back(FileName(part.substr(0, end), names.size(), names));
        paths.push_back(
            fuzzing::WriteWorkFile("folder/" + names.back(), end == std::string::npos ? "" : part.substr(end + 1)));
    }

    test::RecordingMessageBox box;
    const platform::Messenger messenger(box);
    const job::FolderExports exports = job::SortFolder(folder, messenger);
    job::UndatedBonusNote(exports, messenger);
    if (!exports.refusal.empty()) {
        Require(text::IsWellFormedText(exports.refusal), "a refusal is text");
        return 0;
    }
    Require(!exports.employees.empty(), "a job has an employee list");
    Require(exports.salary.size() <= 12 && exports.bonus.size() <= 5, "at most twelve salaries and five bonuses");
    Require(job::InPaymentOrder(exports.bonus) == exports.bonus, "bonuses in payment order");
    for (const auto& undated : exports.undatedBonus)
        Require(std::count(exports.bonus.begin(), exports.bonus.end(), undated) == 1, "an undated bonus is a bonus");

    std::vector<std::string> placed{exports.employees};
    for (const auto* list : {&exports.salary, &exports.bonus, &exports.ignored, &exports.ownOutputs})
        placed.insert(placed.end(), list->begin(), list->end());
    std::vector<std::string> visible;
    for (const auto& path : paths) {
        // Hidden files are no part of a folder's files.
        if (std::filesystem::path(path).filename().string().front() != '.')
            visible.push_back(path);
    }
    std::sort(placed.begin(), placed.end());
    std::sort(visible.begin(), visible.end());
    Require(placed == visible, "every file lands in exactly one place");
    return 0;
}
