#pragma once

#include <array>
#include <string>

#include "sormaexport/ExportLayout.h"

namespace corvane {

// One summary file slot of the wizard sheet.
struct CSyuukeiDataFile {
    std::string label;  // exportlayout::SalarySlotLabel or BonusSlotLabel
    std::string path;   // "" for an empty slot

    bool operator==(const CSyuukeiDataFile&) const = default;
};

constexpr int kSalarySlotCount = exportlayout::kSalaryMonths;
constexpr int kBonusSlotCount = exportlayout::kBonusCount;
constexpr int kSummarySlotCount = kSalarySlotCount + kBonusSlotCount;

// Salary months 1 to 12 (positions 0 to 11), then bonus 1 to 5 (12 to 16).
using SummarySlots = std::array<CSyuukeiDataFile, kSummarySlotCount>;

// The seventeen slots with their labels and empty paths.
SummarySlots MakeSummarySlots();

}  // namespace corvane
