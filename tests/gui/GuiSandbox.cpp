#include "GuiSandbox.h"

#include <QDir>
#include <QFile>
#include <fstream>
#include <iterator>

#include "gui/qt/QtText.h"

namespace corvane::test {

namespace {

std::string RootOf(const QTemporaryDir& dir)
{
    return qt::ToPath(dir.path());
}

}  // namespace

GuiSandbox::GuiSandbox(const std::string& commandLine)
    : m_system(RootOf(m_dir) + "/corvane", kSandboxToday, commandLine)
{
    if (!m_dir.isValid())
        return;
    const QDir root(m_dir.path());
    if (!root.mkdir(QStringLiteral("exports")) || !root.mkdir(QStringLiteral("out")))
        return;
    const QDir examples(QString::fromUtf8(CORVANE_EXAMPLES_DIR));
    const QStringList names = examples.entryList({QStringLiteral("*.txt")}, QDir::Files);
    if (names.isEmpty())
        return;
    for (const QString& name : names) {
        if (!QFile::copy(examples.filePath(name), root.filePath(QStringLiteral("exports/") + name)))
            return;
    }
    m_ready = true;
}

std::string GuiSandbox::Export(const QString& name) const
{
    return qt::ToPath(m_dir.filePath(QStringLiteral("exports/") + name));
}

std::vector<std::string> GuiSandbox::SalaryExports() const
{
    std::vector<std::string> files;
    for (int month = 1; month <= 12; ++month)
        files.push_back(Export(QStringLiteral("salary-%1.txt").arg(month, 2, 10, QLatin1Char('0'))));
    return files;
}

std::string GuiSandbox::Out(const QString& name) const
{
    return qt::ToPath(m_dir.filePath(QStringLiteral("out/") + name));
}

std::string GuiSandbox::Root(const QString& name) const
{
    return qt::ToPath(m_dir.filePath(name));
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace corvane::test
