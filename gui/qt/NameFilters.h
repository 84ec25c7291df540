#pragma once

#include <QStringList>
#include <string>

namespace corvane::qt {

// Qt's name filters for a file dialog filter "description|patterns|...||"
// (code page 932): each description as written without trailing blanks,
// followed by its patterns in parentheses unless it already ends in them,
// since Qt takes the patterns from the last parentheses.
QStringList NameFilters(const std::string& filter);

}  // namespace corvane::qt
