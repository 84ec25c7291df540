#include "gui/qt/NameFilters.h"

#include "gui/qt/QtText.h"
#include "platform/FileDialog.h"

namespace corvane::qt {

QStringList NameFilters(const std::string& filter)
{
    QStringList filters;
    for (const platform::FileFilter& entry : platform::ParseFilter(filter)) {
        QString description = FromText(entry.description);
        while (!description.isEmpty() && description.back().isSpace())
            description.chop(1);
        QString patterns = FromText(entry.patterns);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString tail = QLatin1Char('(') + patterns + QLatin1Char(')');
        if (!description.endsWith(tail))
            description += (description.isEmpty() ? QString() : QStringLiteral(" ")) + tail;
        filters << description;
    }
    return filters;
}

}  // namespace corvane::qt
