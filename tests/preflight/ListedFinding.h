#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

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

// The kinds of `findings`, in their order.
inline std::vector<FindingKind> KindsOf(const std::vector<Finding>& findings)
{
    std::vector<FindingKind> kinds;
    kinds.reserve(findings.size());
    for (const auto& finding : findings)
        kinds.push_back(finding.kind);
    return kinds;
}

}  // namespace corvane::preflight
