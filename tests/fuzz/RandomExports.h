#pragma once

#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"

namespace corvane::fuzz {

// An employee list and an April salary summary of random employees: any
// valid Shift_JIS characters in codes, names and items, quoted fields with
// commas among them.
struct RandomExports {
    struct Row {
        std::vector<std::string> list;    // fields of the employee list row
        std::vector<std::string> salary;  // fields of the salary row
    };

    static const std::vector<std::string>& ListColumns();
    // The salary summary's columns; the four figures are at 2 to 5.
    static const std::vector<std::string>& SalaryColumns();

    static RandomExports Make(Rng& rng, std::size_t maxEmployees);

    std::string ListBytes() const;
    std::string SalaryBytes() const;
    // The value that the reader gives for a list field or a salary field.
    static std::string Stored(const std::string& field, bool amount);

    std::string company;
    std::vector<Row> rows;
};

}  // namespace corvane::fuzz
