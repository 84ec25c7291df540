#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// One employee's values as read from the exports. Only what a file filled is
// held: the employee columns and pay items that a header gave a field
// position, each in the slot that the reader assigned to it. A value that is
// not held reads as "".
struct SORMADATA {
    std::string code;  // the employee code that keys the record

    // Employee fields by employee slot. Rows written before a later header
    // added columns are shorter; the missing slots read as "".
    std::vector<std::string> employee;

    // Pay values: one row of the reader's pay slots for each filled period,
    // rows in period order (the rank of the period in filledPeriods).
    std::vector<std::string> pay;
    // Bit p - 1 is set for each period p (1 to 18) that a summary row filled.
    std::uint32_t filledPeriods = 0;
};

}  // namespace corvane
