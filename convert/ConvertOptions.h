#pragma once

#include <optional>
#include <string>
#include <vector>

#include "xmlout/TransferMode.h"

namespace corvane::convert {

// --item N=HEADING: entry N (1 to 4) takes the column HEADING; an empty
// heading clears the entry. The heading is as the system passed it.
struct ItemChoice {
    int entry = 0;
    std::string heading;
};

struct ConvertOptions {
    std::string employees;
    std::string out;
    std::vector<std::string> salary;
    std::vector<std::string> bonus;
    std::optional<std::string> year;
    TransferMode mode = TransferMode::Normal;
    std::optional<std::string> settings;
    std::vector<ItemChoice> items;
    bool allowUnmapped = false;
    bool strict = false;                 // findings of the exports' check refuse the conversion
    std::optional<std::string> report;   // where to write the reconciliation table
    std::optional<std::string> folder;   // --folder: the exports are the files of this folder
    std::optional<std::string> batch;    // --batch: each subfolder is a company's folder
    std::string outDir;                  // --batch: where the companies' files go
    int jobs = 0;                        // --batch: companies at once; 0: one per processor
    std::optional<std::string> summary;  // --batch: the summary table as CSV
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
