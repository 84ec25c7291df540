#include "ExportSlots.h"

#include <algorithm>

#include "job/CSyuukeiDataFile.h"

namespace corvane::fuzzing {

int SlotOf(CSormaFileCheck& check, const std::string& list, const std::string& summary)
{
    const int month = check.CheckSalaryFile(list, summary, false, true);
    if (month >= 1 && month <= kSalarySlotCount)
        return month - 1;
    if (check.CheckBonusFile(list, summary, false, true) == 1)
        return kSalarySlotCount;
    return -1;
}

std::vector<std::string> ReaderPaths(const std::string& list, int slot, const std::string& summary)
{
    std::vector<std::string> paths(kSummarySlotCount);
    if (slot >= 0)
        paths[static_cast<std::size_t>(slot)] = summary;
    paths.push_back(list);
    return paths;
}

std::vector<int> FreeSlots(CSormaFileCheck& check, const std::string& list, const std::vector<std::string>& summaries,
                           int fallback)
{
    std::vector<int> slots;
    for (const auto& summary : summaries) {
        int slot = SlotOf(check, list, summary);
        if (slot < 0)
            slot = fallback;
        while (std::find(slots.begin(), slots.end(), slot) != slots.end())
            slot = (slot + 1) % kSummarySlotCount;
        slots.push_back(slot);
    }
    return slots;
}

}  // namespace corvane::fuzzing
