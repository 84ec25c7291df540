#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "preflight/Finding.h"

namespace corvane::preflight {

// A finding as the tests of its wording list one.
inline Finding Listed(FindingKind kind, std::string file, long line, std::string employee, std::size_t count,
                      std::string text)
{
    Finding finding;
    finding.kind = kind;
    finding.file = std::move(file);
    finding.line = line;
    finding.employee = std::move(employee);
    finding.count = count;
    finding.text = std::move(text);
    return finding;
}

}  // namespace corvane::preflight
