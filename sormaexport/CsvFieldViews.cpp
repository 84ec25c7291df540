#include "sormaexport/CsvFieldViews.h"

#include "text/AsciiSpace.h"

namespace corvane {

void SplitCsvFieldViews(std::string_view line, std::vector<std::string_view>& fields,
                        std::size_t maxFields)
{
    fields.clear();
    if (maxFields == 0)
        return;
    line = text::Trim(line);
    // A code page 932 trail byte is 0x40 or above, so a '"' or ',' byte is
    // always a character of its own: bytes can be examined one by one.
    bool insideQuotes = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            insideQuotes = !insideQuotes;
        } else if (c == ',' && !insideQuotes) {
            fields.push_back(line.substr(start, i - start));
            if (fields.size() == maxFields)
                return;
            start = i + 1;
        }
    }
    fields.push_back(line.substr(start));
}

}  // namespace corvane
