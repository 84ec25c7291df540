#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/SystemService.h"
#include "platform/TextCodec.h"

namespace corvane::convert {

// What the converter takes from the system: the executable's path (for the
// default settings file), file status, the local date, and the text codec.
struct Environment {
    const platform::SystemService& system;
    const platform::TextCodec& codec;
    bool progress = false;  // --batch shows a progress line on `err` (a terminal)
    bool japanese = false;  // --help in Japanese
};

// corvane-convert's exit codes.
constexpr int kExitConverted = 0;     // --batch: every company, none with findings
constexpr int kExitRefused = 1;       // refused or failed, nothing written; --batch: at least one company
constexpr int kExitUsage = 2;         // or the output, the settings file and the exports not all different
constexpr int kExitWithFindings = 3;  // --batch: every company converted, some with findings

// corvane-convert with the arguments after the program name. Messages go to
// `err` as UTF-8 (information, the completion message, to `out`). Returns the
// exit code: 0 converted, 1 refused or failed (nothing written), 2 a usage
// error, or the output, the settings file and the exports not all different.
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const Environment& environment);
// The same on the running system.
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace corvane::convert
