#pragma once

#include <string>

namespace corvane {

// A value that the intermediate file cannot carry: a control character other
// than tab, LF and CR, or a byte that is no character (a lead byte without
// its trail byte among them). Written as it is, the file would not be
// well-formed and the year-end product could not read it.
struct UnwritableValue {
    enum class Source { Employee, Company, FilingYear };

    Source source = Source::Employee;
    // Employee values: the employee's code and name, the summary file's
    // label for a pay figure ("" for the employee list), and the column.
    std::string code;
    std::string name;
    std::string period;
    std::string column;
    unsigned char byte = 0;  // the first byte that cannot be written
};

// The first byte of `value` that cannot be written into `found`; false when
// every byte can be.
bool FindUnwritableByte(const std::string& value, UnwritableValue& found);

// The refusal that names the employee and the column (code page 932).
std::string UnwritableValueMessage(const UnwritableValue& found);

}  // namespace corvane
