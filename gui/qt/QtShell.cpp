#include "gui/qt/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "gui/qt/QtText.h"

namespace corvane::qt {

void QtShell::Open(const std::string& path)
{
    const QString file = FromPath(path);
    m_opened << file;
    if (m_scripted || !QFileInfo(file).isFile())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

}  // namespace corvane::qt
