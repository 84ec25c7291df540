#pragma once

#include <optional>
#include <string_view>

namespace corvane::preflight {

// A pay figure as the target reads it, once double quotes and thousands
// separators are gone: an optional sign, digits, an optional decimal part.
// "" (or only quotes) is no figure and counts as a number.
bool IsNumber(std::string_view value);
// The whole part of such a figure; nullopt for "" and for what is no number.
std::optional<long long> WholeValue(std::string_view value);

}  // namespace corvane::preflight
