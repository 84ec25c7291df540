#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// One entry of the item correspondence: which heading of the summary exports
// supplies one of the four figures of a pay period.
struct ITEMMACHTABLE {
    std::string targetItem;            // the target figure's name, shown to the user
    std::string defaultPayrollItem;    // the payroll product's usual item for it
    std::int32_t defaultPosition = 0;  // ordinal 0 to 3, also its heading position in the standard layout
    std::string chosenPayrollItem;     // heading text of the chosen column; "" when none
    std::int32_t chosenPosition = -1;  // 0-based position in the heading line; -1 when none
};

}  // namespace corvane
