#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane::convert {

// --item N=HEADING: entry N (1 to 4) takes the column HEADING; an empty
// heading clears the entry. The heading is as the system passed it.
struct ItemChoice {
    int entry = 0;
    std::string heading;
};

enum class Mode { Normal, Easy };

struct ConvertOptions {
    std::string employees;
    std::string out;
    std::vector<std::string> salary;
    std::vector<std::string> bonus;
    std::optional<std::string> year;
    Mode mode = Mode::Normal;
    std::optional<std::string> settings;
    std::vector<ItemChoice> items;
    bool allowUnmapped = false;
    bool strict = false;                // findings of the exports' check refuse the conversion
    std::optional<std::string> report;  // where to write the reconciliation table
    bool help = false;
};

struct ParsedOptions {
    ConvertOptions options;
    std::string error;  // "" when the arguments are valid
};

// Parses the arguments after the program name. Every option takes its value
// as the next argument.
ParsedOptions ParseConvertOptions(const std::vector<std::string>& args);

}  // namespace corvane::convert
