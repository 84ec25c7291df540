#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Whose a row of the wrong shape really is: a code and a name read from the
// row as it would split had its fault not been there.
struct RowOwner {
    std::string code;
    std::string name;  // without quotes; "" when none could be read

    bool operator==(const RowOwner&) const = default;
};

// Where a file's rows hold the employee's code and name, and how many fields
// its heading has.
struct RowKeys {
    std::size_t headingFields = 0;
    std::size_t codeField = 0;
    std::size_t nameField = 0;
    bool known = false;
};

// The readings of a row whose quotes do not pair up or whose number of fields
// is not the heading's, most likely first: the row with one stray quote taken
// out, with its quotes taken as text, and with its extra or missing fields
// counted before the code. Only readings whose code holds no quote, comma or
// blank are given, each once.
std::vector<RowOwner> OwnerCandidates(std::string_view line, const RowKeys& keys);

}  // namespace corvane
