#include "text/CsvRow.h"

namespace corvane::text {

namespace {

std::string Field(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (const char c : value) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    return quoted + "\"";
}

}  // namespace

std::string CsvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i)
        row += (i == 0 ? "" : ",") + Field(fields[i]);
    return row + "\r\n";
}

}  // namespace corvane::text
