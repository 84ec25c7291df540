#include "sormaexport/RowOwner.h"

#include <algorithm>

#include "sormaexport/CsvLine.h"
#include "text/AsciiSpace.h"

namespace corvane {

namespace {

// Quotes tried one at a time: a stray one is rarely far into a row.
constexpr std::size_t kQuotesTried = 16;
// Longer than any code an export holds.
constexpr std::size_t kLongestCode = 20;

bool Readable(std::string_view code)
{
    return !code.empty() && code.size() <= kLongestCode && code.find_first_of("\", \t") == std::string_view::npos;
}

std::string Unquoted(std::string_view field)
{
    std::string text;
    for (const char c : field) {
        if (c != '"')
            text.push_back(c);
    }
    return std::string(text::Trim(text));
}

// A quote or comma byte is never part of a double-byte character.
std::vector<std::string> SplitIgnoringQuotes(std::string_view line)
{
    std::vector<std::string> fields(1);
    for (const char c : text::Trim(line)) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    }
    return fields;
}

void AddReadings(const std::vector<std::string>& fields, const RowKeys& keys, std::vector<RowOwner>& owners)
{
    const auto add = [&](std::size_t code, std::size_t name) {
        if (code >= fields.size() || !Readable(fields[code]))
            return;
        RowOwner owner{fields[code], name < fields.size() ? Unquoted(fields[name]) : std::string()};
        if (std::find(owners.begin(), owners.end(), owner) == owners.end())
            owners.push_back(std::move(owner));
    };
    // Fields added or lost before the code moved it along by as many.
    const auto shift = static_cast<std::ptrdiff_t>(fields.size()) - static_cast<std::ptrdiff_t>(keys.headingFields);
    const auto moved = [&](std::size_t field) {
        const auto at = static_cast<std::ptrdiff_t>(field) + shift;
        return at < 0 ? fields.size() : static_cast<std::size_t>(at);
    };
    if (shift != 0)
        add(moved(keys.codeField), keys.nameField < keys.codeField ? moved(keys.nameField) : keys.nameField);
    add(keys.codeField, keys.nameField);
}

}  // namespace

std::vector<RowOwner> OwnerCandidates(std::string_view line, const RowKeys& keys)
{
    std::vector<RowOwner> owners;
    if (!keys.known)
        return owners;
    std::vector<std::string> fields;
    // One stray quote out: the reading that gives the heading's shape.
    std::size_t tried = 0;
    for (std::size_t at = line.find('"'); at != std::string_view::npos && tried < kQuotesTried;
         at = line.find('"', at + 1), ++tried) {
        std::string mended(line.substr(0, at));
        mended.append(line.substr(at + 1));
        SplitCsvLine(mended, fields);
        if (fields.size() == keys.headingFields)
            AddReadings(fields, keys, owners);
    }
    AddReadings(SplitIgnoringQuotes(line), keys, owners);
    SplitCsvLine(line, fields);
    AddReadings(fields, keys, owners);
    return owners;
}

}  // namespace corvane
