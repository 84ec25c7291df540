#include "sormaexport/CsvLine.h"

#include "text/AsciiSpace.h"
#include "text/Cp932.h"

namespace corvane {

void SplitCsvLine(std::string_view line, std::vector<std::string>& fields)
{
    line = text::Trim(line);
    std::size_t count = 0;
    auto field = [&]() -> std::string& {
        if (count == fields.size())
            fields.emplace_back();
        return fields[count];
    };
    field().clear();
    unsigned quotes = 0;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t len = text::CharLengthAt(line, i);
        if (len == 1) {
            if (line[i] == '"') {
                ++quotes;
            } else if (line[i] == ',' && quotes % 2 == 0) {
                field().assign(line.substr(start, i - start));
                ++count;
                field().clear();
                start = i + 1;
            }
        }
        i += len;
    }
    field().assign(line.substr(start));
    ++count;
    fields.resize(count);
}

bool IsBlankCsvRow(std::string_view line)
{
    // Neither byte can be part of a double-byte character.
    for (const char c : line) {
        if (c != ',' && !text::IsAsciiSpace(c))
            return false;
    }
    return true;
}

std::vector<std::string> SplitCsvLine(std::string_view line)
{
    std::vector<std::string> fields;
    SplitCsvLine(line, fields);
    return fields;
}

}  // namespace corvane
