#pragma once

#include <cstdint>
#include <string>

#include "sormaexport/PackedValues.h"
#include "sormaexport/RowFacts.h"

namespace corvane {

// One employee's values as read from the exports. Only what a file filled is
// held: the employee columns and pay items that a header gave a field
// position, each in the slot that the reader assigned to it. A value that is
// not held reads as "".
struct SORMADATA {
    std::string code;  // the employee code that keys the record

    // The employee fields by employee slot (the first employeeCount values;
    // fewer than the reader's slots when a later header added columns), then
    // one row of the reader's pay slots for each filled period, rows in
    // period order.
    PackedValues values;
    std::uint32_t employeeCount = 0;
    // Bit p - 1 is set for each period p (1 to 18) that a summary row filled.
    std::uint32_t filledPeriods = 0;
    // Bit e is set for each entry e of the read's path list (below
    // kMaxTrackedFiles) that had a row with this code.
    FileMask files = 0;
};

}  // namespace corvane
