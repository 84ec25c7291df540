#include "gui/qt/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "gui/qt/QtText.h"

namespace corvane::qt {

bool QtShell::Open(const std::string& path)
{
    const QString file = FromPath(path);
    m_opened << file;
    if (m_scripted)
        return m_opens;
    if (!QFileInfo(file).isFile())
        return false;
    // False when xdg-open is missing or knows no program for the type.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

}  // namespace corvane::qt
