#include "job/CSyuukeiDataFile.h"

#include "sormaexport/ExportLayout.h"

namespace corvane {

SummarySlots MakeSummarySlots()
{
    SummarySlots slots;
    for (int month = 1; month <= kSalarySlotCount; ++month)
        slots[static_cast<std::size_t>(month - 1)].label = exportlayout::SalarySlotLabel(month);
    for (int bonus = 1; bonus <= kBonusSlotCount; ++bonus)
        slots[static_cast<std::size_t>(kSalarySlotCount + bonus - 1)].label = exportlayout::BonusSlotLabel(bonus);
    return slots;
}

}  // namespace corvane
