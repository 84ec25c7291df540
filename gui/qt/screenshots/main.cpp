// corvane-screenshots: renders every wizard page and the item selection
// dialog to PNG files, walking the wizard on the sample exports with
// scripted file dialogs and message boxes.
//   corvane-screenshots --examples DIR --out DIR
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTimer>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTextStream>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "gui/qt/AppIcon.h"
#include "gui/qt/FindingsDialog.h"
#include "gui/qt/Appearance.h"
#include "gui/qt/QtFileDialogs.h"
#include "gui/qt/QtPlatform.h"
#include "gui/qt/QtText.h"
#include "gui/qt/script/SandboxSystem.h"
#include "gui/qt/script/WizardDriver.h"
#include "tools/samplegen/SampleExports.h"
#include "wizard/CCorvaneApp.h"

namespace {

using corvane::platform::ControlId;
using namespace corvane::qt;

constexpr int kTitleBarHeight = 30;

// The window as the desktop would show it: the grab of its client area under
// a plain title bar with the icon and the caption.
QImage Framed(QWidget& window)
{
    Settle();
    const QPixmap client = window.grab();
    QImage image(client.width() + 2, client.height() + kTitleBarHeight + 1, QImage::Format_ARGB32);
    image.fill(QColor(0x60, 0x60, 0x60));
    QPainter p(&image);
    p.fillRect(QRect(1, 1, client.width(), kTitleBarHeight - 1), QColor(0xe8, 0xec, 0xf2));
    p.drawPixmap(8, (kTitleBarHeight - 16) / 2, AppIconPixmap(16));
    QFont font = QApplication::font();
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(30, 0, client.width() - 60, kTitleBarHeight), Qt::AlignVCenter | Qt::AlignLeft,
               window.windowTitle());
    p.drawPixmap(1, kTitleBarHeight, client);
    return image;
}

// Until the dialog's folder listing has settled (at most a few seconds).
void WaitForListing(QFileDialog& dialog)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    QElapsedTimer timer;
    timer.start();
    int rows = -1;
    int stable = 0;
    while (model && timer.elapsed() < 5000 && stable < 10) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const int now = model->rowCount(model->index(dialog.directory().absolutePath()));
        stable = now == rows && now > 0 ? stable + 1 : 0;
        rows = now;
    }
    Settle();
}

class Shooter {
public:
    explicit Shooter(QString folder) : m_folder(std::move(folder)) {}

    void Shoot(QWidget& window, const QString& name)
    {
        const QString path = m_folder + QLatin1Char('/') + name;
        if (!Framed(window).save(path, "PNG"))
            m_failed << path;
        else
            std::cout << QDir::toNativeSeparators(path).toStdString() << '\n';
    }
    const QStringList& Failed() const { return m_failed; }

private:
    QString m_folder;
    QStringList m_failed;
};

QString Argument(const QStringList& args, const QString& option)
{
    const qsizetype i = args.indexOf(option);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

// The sample exports copied to a folder whose name does not change between
// runs, so that the pictures do not either.
bool CopyExamples(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    if (!QDir().mkpath(to))
        return false;
    for (const QString& name : QDir(from).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        if (!QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

std::string Path(const QString& folder, const QString& name)
{
    return ToPath(folder + QLatin1Char('/') + name);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpAppearance(app);
    const QStringList args = QApplication::arguments();
    const QString examples = Argument(args, QStringLiteral("--examples"));
    const QString out = Argument(args, QStringLiteral("--out"));
    if (examples.isEmpty() || out.isEmpty()) {
        std::cerr << "usage: corvane-screenshots --examples DIR --out DIR\n";
        return 2;
    }
    if (JapaneseFontFamily().isEmpty())
        std::cerr << "corvane-screenshots: no Japanese font installed (fonts-noto-cjk)\n";

    const QString work = QDir::tempPath() + QStringLiteral("/corvane-screenshots");
    const QString exports = work + QStringLiteral("/exports");
    if (!CopyExamples(examples, exports) || !QDir().mkpath(out)) {
        std::cerr << "corvane-screenshots: cannot prepare " << work.toStdString() << '\n';
        return 1;
    }

    Shooter shooter(out);

    std::vector<std::string> salary;
    for (int month = 1; month <= 12; ++month)
        salary.push_back(Path(exports, QStringLiteral("salary-%1.txt").arg(month, 2, 10, QLatin1Char('0'))));

    // Pages 2 to 4 with the sample exports; `shoot` takes a picture of each.
    const auto chooseExports = [&](WizardDriver& user, QtPlatform& platform, bool shoot) {
        WizardSheet& sheet = user.Sheet();
        user.Next();
        platform.FileDialogs().QueueOpen({Path(exports, QStringLiteral("employees.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        if (shoot)
            shooter.Shoot(sheet, QStringLiteral("2-employee-list.png"));

        user.Next();
        platform.FileDialogs().QueueOpen(salary);
        user.Press(ControlId::SalaryBrowse);
        user.SelectRows(ControlId::SalaryList, {3});
        if (shoot)
            shooter.Shoot(sheet, QStringLiteral("3-salary-files.png"));

        user.Next();
        platform.FileDialogs().QueueOpen({Path(exports, QStringLiteral("bonus-1.txt"))});
        user.Press(corvane::platform::BonusBrowseControl(1));
        platform.FileDialogs().QueueOpen({Path(exports, QStringLiteral("bonus-2.txt"))});
        user.Press(corvane::platform::BonusBrowseControl(2));
        if (shoot)
            shooter.Shoot(sheet, QStringLiteral("4-bonus-files.png"));
        user.Next();
    };

    SandboxSystem system(Path(work, QStringLiteral("corvane")), {2025, 1, 15});
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(system);
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        shooter.Shoot(sheet, QStringLiteral("1-start.png"));
        chooseExports(user, platform, true);
        shooter.Shoot(sheet, QStringLiteral("5-item-correspondence.png"));

        platform.Host().QueueDialog([&](ItemSelectionDialog& dialog) {
            DialogDriver chooser(dialog);
            // The "保険" of the row's own heading: a search with several hits.
            chooser.Type(ControlId::SearchEdit, chooser.Text(ControlId::SearchEdit).mid(2, 2));
            chooser.Press(ControlId::SearchButton);
            shooter.Shoot(dialog, QStringLiteral("5a-item-selection.png"));
            chooser.Press(ControlId::DialogCancel);
        });
        user.SelectRows(ControlId::ItemsList, {1});
        user.Press(ControlId::ItemsBrowse);

        user.Next();
        platform.FileDialogs().QueueSave(Path(work, QStringLiteral("out/VELD2025.XML")));
        user.Press(ControlId::OutputBrowse);
        shooter.Shoot(sheet, QStringLiteral("6-output.png"));

        // キャンセル with files chosen: the real question box, then はい.
        platform.MessageBoxes().SetScripted(false);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shooter.Shoot(*box, QStringLiteral("6c-cancel-question.png"));
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QMessageBox::YesRole)
                    button->click();
            }
        });
        user.Cancel();
        platform.MessageBoxes().SetScripted(true);
    });
    {
        const corvane::platform::Services services = platform.Services();
        corvane::CCorvaneApp corvane(services, std::cout);
        corvane.Run();
    }

    // Started by the caller with its output path: location and name greyed.
    SandboxSystem called(Path(work, QStringLiteral("corvane")), {2025, 1, 15},
                         "100,32769,3," + Path(work, QStringLiteral("out/VELD2025.XML")));
    QtPlatform calledPlatform(std::string(), reply);
    calledPlatform.UseSystem(called);
    calledPlatform.Script();
    calledPlatform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        chooseExports(user, calledPlatform, false);
        user.Next();
        shooter.Shoot(sheet, QStringLiteral("6b-output-started-by-caller.png"));
        calledPlatform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    {
        const corvane::platform::Services services = calledPlatform.Services();
        corvane::CCorvaneApp corvane(services, std::cout);
        corvane.Run();
    }

    // The findings box, on 60 employees whose summaries lost the codes' leading zero.
    const QString zeroLost = work + QStringLiteral("/zero-lost");
    QDir().mkpath(zeroLost);
    corvane::samplegen::SampleOptions zeroLostSet;
    zeroLostSet.employees = 60;
    zeroLostSet.bonuses = 0;
    zeroLostSet.zeroLostCodes = true;
    std::string error;
    if (!corvane::samplegen::WriteSampleExports(ToPath(zeroLost), zeroLostSet, error))
        std::cerr << "corvane-screenshots: " << error << '\n';
    QtPlatform findingsPlatform(std::string(), reply);
    findingsPlatform.UseSystem(system);
    findingsPlatform.Script();
    findingsPlatform.MessageBoxes().QueueFindings([&](FindingsDialog& box) {
        shooter.Shoot(box, QStringLiteral("7-findings.png"));
        box.reject();
    });
    findingsPlatform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        findingsPlatform.FileDialogs().QueueOpen({Path(zeroLost, QStringLiteral("employees.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        user.Next();
        std::vector<std::string> months;
        for (int month = 1; month <= 12; ++month)
            months.push_back(Path(zeroLost, QStringLiteral("salary-%1.txt").arg(month, 2, 10, QLatin1Char('0'))));
        findingsPlatform.FileDialogs().QueueOpen(months);
        user.Press(ControlId::SalaryBrowse);
        user.Next();
        user.Next();
        if (user.Page() == 4)
            user.Next();
        findingsPlatform.FileDialogs().QueueSave(Path(work, QStringLiteral("out/zero-lost.XML")));
        user.Press(ControlId::OutputBrowse);
        user.Finish();
        findingsPlatform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    {
        const corvane::platform::Services services = findingsPlatform.Services();
        corvane::CCorvaneApp corvane(services, std::cout);
        corvane.Run();
    }

    // The open dialog of the salary page as Qt draws it where the desktop
    // offers no dialog of its own, on the sample exports.
    if (!platform.FileDialogs().OpenRequests().empty()) {
        QDir(exports).mkdir(QStringLiteral("2023"));
        // Fixed dates, so that the picture does not change from run to run.
        const QDateTime date(QDate(2025, 1, 10), QTime(9, 0));
        for (const QFileInfo& entry : QDir(exports).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            QFile file(entry.absoluteFilePath());
            if (entry.isFile() && file.open(QIODevice::ReadWrite))
                file.setFileTime(date, QFileDevice::FileModificationTime);
        }
        std::error_code ignored;
        std::filesystem::last_write_time(ToPath(exports + QStringLiteral("/2023")),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::seconds(date.secsTo(QDateTime::currentDateTime())),
                                         ignored);
        QFileDialog dialog;
        corvane::platform::OpenFileRequest request = platform.FileDialogs().OpenRequests()[1];
        request.initialFileName.clear();
        ConfigureOpenDialog(dialog, request, exports);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        WaitForListing(dialog);
        shooter.Shoot(dialog, QStringLiteral("3a-file-dialog.png"));
        dialog.close();
    }

    const QStringList faults =
        platform.Faults() + calledPlatform.Faults() + findingsPlatform.Faults() + shooter.Failed();
    for (const QString& fault : faults)
        std::cerr << "corvane-screenshots: " << fault.toStdString() << '\n';
    return faults.isEmpty() ? 0 : 1;
}
