#pragma once

#include <array>
#include <string>

namespace corvane {

// One summary file slot of the wizard sheet.
struct CSyuukeiDataFile {
    std::string label;  // "給与 %02d月分" or "賞与 %02d回分"
    std::string path;   // "" for an empty slot
};

constexpr int kSalarySlotCount = 12;
constexpr int kBonusSlotCount = 5;
constexpr int kSummarySlotCount = kSalarySlotCount + kBonusSlotCount;

// Salary months 1 to 12 (positions 0 to 11), then bonus 1 to 5 (12 to 16).
using SummarySlots = std::array<CSyuukeiDataFile, kSummarySlotCount>;

// The seventeen slots with their labels and empty paths.
SummarySlots MakeSummarySlots();

}  // namespace corvane
