#include "job/CSyuukeiDataFile.h"

#include "text/Format.h"

namespace corvane {

SummarySlots MakeSummarySlots()
{
    SummarySlots slots;
    for (int month = 1; month <= kSalarySlotCount; ++month)
        slots[static_cast<std::size_t>(month - 1)].label = text::Format("給与 %02d月分", month);
    for (int bonus = 1; bonus <= kBonusSlotCount; ++bonus)
        slots[static_cast<std::size_t>(kSalarySlotCount + bonus - 1)].label = text::Format("賞与 %02d回分", bonus);
    return slots;
}

}  // namespace corvane
