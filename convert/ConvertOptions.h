#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "xmlout/TransferMode.h"

namespace corvane::convert {

// --item N=HEADING: entry N (1 to 4) takes the column HEADING; an empty
// heading clears the entry. The heading is as the system passed it.
struct ItemChoice {
    int entry = 0;
    std::string heading;

    bool operator==(const ItemChoice&) const = default;
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
    bool strict = false;                // 要修正 findings of the exports' check refuse the conversion
    bool strictAll = false;             // any finding refuses it
    std::optional<std::string> report;  // where to write the reconciliation table
    // --checklist: where to write the check list; "" beside the output (with
    // --batch: each company's into --out-dir, and their index)
    std::optional<std::string> checklist;
    std::optional<std::string> folder;   // --folder: the exports are the files of this folder
    std::optional<std::string> batch;    // --batch: each subfolder is a company's folder
    std::string outDir;                  // --batch: where the companies' files go
    int jobs = 0;                        // --batch: companies at once; 0: one per processor
    std::optional<std::string> summary;  // --batch: the summary table as CSV
    bool help = false;

    bool operator==(const ConvertOptions&) const = default;
};

struct ParsedOptions {
    ConvertOptions options;
    std::string error;  // "" when the arguments are valid
};

// What an option takes from the command line.
enum class Takes {
    Nothing,  // a flag
    Value,    // the next argument; the option may be given once
    Values,   // the next argument; the option may be given again
    // the next argument unless there is none or it is an option; given once
    OptionalValue,
};

// One option of the converter: both the parsing and --help go by the table
// of these (ConvertOptionTable).
struct ConvertOption {
    const char* name;  // "--out"
    Takes takes;
    const char* placeholder;  // the value's name in the help ("PATH"); "" for a flag
    const char* japanese;     // the help, code page 932; '\n' between its lines
    const char* english;
    // Stores the value (a flag ignores it); "" when it is taken, else the usage error.
    std::string (*set)(ConvertOptions& options, const std::string& value);
};

// Every option, in the order of the help.
std::span<const ConvertOption> ConvertOptionTable();

// Parses the arguments after the program name. Every option takes its value
// as the next argument.
ParsedOptions ParseConvertOptions(const std::vector<std::string>& args);

// The usage text, UTF-8: in Japanese or in English, wrapped to 79 columns.
std::string UsageText(const platform::TextCodec& codec, bool japanese);

}  // namespace corvane::convert
