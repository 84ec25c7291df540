#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "gui/qt/Appearance.h"
#include "gui/qt/script/SandboxSystem.h"

namespace corvane::test {

// A temporary folder for one run of the program: copies of the sample
// exports in exports/, the program's own place (so its settings file and
// guides lie here), and an out/ folder for the XML files.
class GuiSandbox {
public:
    explicit GuiSandbox(const std::string& commandLine = std::string());

    bool Ready() const { return m_ready; }
    // Paths in the system's encoding.
    std::string Export(const QString& name) const;
    std::vector<std::string> SalaryExports() const;  // months 1 to 12
    std::string Out(const QString& name) const;
    std::string Root(const QString& name) const;
    std::string SettingsPath() const { return Root(QStringLiteral("Corvane.ENV")); }
    qt::SandboxSystem& System() { return m_system; }

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
    qt::SandboxSystem m_system;
};

// The date the sandbox's system reports, and the filing year that the
// sample exports give: their year (6 of the current era), not January's
// seventh year of the era.
constexpr platform::LocalDate kSandboxToday{2025, 1, 15};
inline const char kSandboxFilingYear[] = "6";

std::string ReadBytes(const std::string& path);

}  // namespace corvane::test

// A QTest main with the program's own appearance (font, style, Qt's
// Japanese texts).
#define CORVANE_GUI_TEST_MAIN(TestClass)        \
    int main(int argc, char** argv)             \
    {                                           \
        QApplication app(argc, argv);           \
        corvane::qt::SetUpAppearance(app);      \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
