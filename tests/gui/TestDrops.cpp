// Files handed over the way a desktop user does it: dragged from the file
// manager onto the wizard's pages (real drag events through the window), and
// long paths shown with their file name whole.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <sstream>

#include "GuiSandbox.h"
#include "gui/qt/QtPlatform.h"
#include "gui/qt/QtText.h"
#include "gui/qt/Widgets.h"
#include "gui/qt/script/WizardDriver.h"
#include "wizard/CCorvaneApp.h"
#include "wizard/PageMessages.h"

using corvane::platform::ControlId;
using corvane::qt::PathField;
using corvane::qt::QtPlatform;
using corvane::qt::WizardDriver;
using corvane::qt::WizardSheet;
using corvane::test::GuiSandbox;

namespace {

QString Q(const std::string& path)
{
    return corvane::qt::FromPath(path);
}

void Run(QtPlatform& platform)
{
    const corvane::platform::Services services = platform.Services();
    std::ostringstream out;
    corvane::CCorvaneApp app(services, out);
    app.Run();
}

}  // namespace

class TestDrops : public QObject {
    Q_OBJECT

private slots:
    void aFolderOnTheEmployeePageFillsEveryPage();
    void filesOnTheSalaryListAndOnBonusRowsGoWhereTheyLand();
    void longPathsShowTheirFileNameWholeAndTheWholePathAsTooltip();
};

void TestDrops::aFolderOnTheEmployeePageFillsEveryPage()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    const QString folder = QFileInfo(Q(sandbox.Export(QStringLiteral("employees.txt")))).path();
    QFile notes(folder + QStringLiteral("/notes.pdf"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("%PDF-1.4\n") > 0);
    notes.close();

    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        // The start page takes no files.
        QVERIFY(!user.DropFiles(ControlId::StartIntro, {folder}));
        user.Next();
        QVERIFY(!sheet.NextButton()->isEnabled());
        QVERIFY(user.DropFiles(ControlId::EmployeePath, {folder}));
        QCOMPARE(user.Text(ControlId::EmployeePath), Q(sandbox.Export(QStringLiteral("employees.txt"))));
        QVERIFY(sheet.NextButton()->isEnabled());
        user.Next();
        QCOMPARE(user.Page(), 2);
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(user.Cell(ControlId::SalaryList, month - 1, 1),
                     Q(sandbox.Export(QStringLiteral("salary-%1.txt").arg(month, 2, 10, QLatin1Char('0')))));
        user.Next();
        QCOMPARE(user.Page(), 3);
        QCOMPARE(user.Text(ControlId::BonusPath1), Q(sandbox.Export(QStringLiteral("bonus-1.txt"))));
        QCOMPARE(user.Text(ControlId::BonusPath2), Q(sandbox.Export(QStringLiteral("bonus-2.txt"))));
        QCOMPARE(user.Text(ControlId::BonusPath3), QString());
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
    const auto& messages = platform.MessageBoxes().Messages();
    // The last one asked whether to discard the input.
    QCOMPARE(messages.size(), std::size_t{2});
    QCOMPARE(messages[1].text, corvane::qt::FromText(corvane::DiscardQuestion()));
    QCOMPARE(messages[0].icon, corvane::platform::Icon::Information);
    QVERIFY2(messages[0].text.contains(QStringLiteral(u"給与集計表：12か月分\n賞与集計表：2回分")),
             qPrintable(messages[0].text));
    QVERIFY2(
        messages[0].text.endsWith(QStringLiteral(u"読み込みませんでした。\n") + folder + QStringLiteral("/notes.pdf")),
        qPrintable(messages[0].text));
}

void TestDrops::filesOnTheSalaryListAndOnBonusRowsGoWhereTheyLand()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    const auto path = [&](const char* name) { return Q(sandbox.Export(QString::fromLatin1(name))); };
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        // One file on the group's frame: a 参照 choice of it.
        QVERIFY(user.DropFiles(ControlId::EmployeeGroup, {path("employees.txt")}));
        QCOMPARE(user.Text(ControlId::EmployeePath), path("employees.txt"));
        user.Next();

        // On the row of January: each file goes to its own month.
        QVERIFY(user.DropFiles(ControlId::SalaryList, {path("salary-06.txt"), path("salary-04.txt")}, 0));
        QCOMPARE(user.Cell(ControlId::SalaryList, 0, 1), QString());
        QCOMPARE(user.Cell(ControlId::SalaryList, 3, 1), path("salary-04.txt"));
        QCOMPARE(user.Cell(ControlId::SalaryList, 5, 1), path("salary-06.txt"));
        // A drag that carries no local file is not taken.
        QVERIFY(!user.DropFiles(ControlId::SalaryList, {QString()}));
        user.Next();

        QVERIFY(user.DropFiles(corvane::platform::BonusLabelControl(3), {path("bonus-2.txt")}));
        QVERIFY(user.DropFiles(corvane::platform::BonusBrowseControl(1), {path("bonus-1.txt")}));
        QCOMPARE(user.Text(ControlId::BonusPath1), path("bonus-1.txt"));
        QCOMPARE(user.Text(ControlId::BonusPath2), QString());
        QCOMPARE(user.Text(ControlId::BonusPath3), path("bonus-2.txt"));
        // A salary summary on row 4's field: refused as its button would refuse it.
        QVERIFY(user.DropFiles(ControlId::BonusPath4, {path("salary-01.txt")}));
        QCOMPARE(user.Text(ControlId::BonusPath4), QString());
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
    const auto& messages = platform.MessageBoxes().Messages();
    // The last one asked whether to discard the input.
    QCOMPARE(messages.size(), std::size_t{2});
    QCOMPARE(messages[1].text, corvane::qt::FromText(corvane::DiscardQuestion()));
    QVERIFY(messages[0].text.startsWith(QStringLiteral(u"選択されたファイルは正しいファイルではありません。")));
}

void TestDrops::longPathsShowTheirFileNameWholeAndTheWholePathAsTooltip()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    const QString root = QFileInfo(Q(sandbox.Export(QStringLiteral("employees.txt")))).path();
    const QString deep = root + QStringLiteral(
                                    u"/令和6年分 年末調整/関与先 株式会社サンプル商事 本社経理部/"
                                    u"給与計算システムからのエクスポート 2024年12月作成");
    QVERIFY(QDir().mkpath(deep));
    for (const QString& name :
         {QStringLiteral("employees.txt"), QStringLiteral("salary-04.txt"), QStringLiteral("bonus-1.txt")})
        QVERIFY(QFile::copy(root + QLatin1Char('/') + name, deep + QLatin1Char('/') + name));

    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        const QString list = deep + QStringLiteral("/employees.txt");
        QVERIFY(user.DropFiles(ControlId::EmployeePath, {list}));
        auto* field = sheet.findChild<PathField*>(corvane::qt::ControlObjectName(ControlId::EmployeePath));
        QVERIFY(field);
        // The field holds the whole path (the logic reads it back); it shows
        // the start and the file name.
        QCOMPARE(field->text(), list);
        QCOMPARE(field->toolTip(), list);
        const QString shown = field->ShownText();
        QVERIFY2(shown.contains(QChar(0x2026)) && shown.startsWith(root.left(4)) &&
                     shown.endsWith(QStringLiteral("/employees.txt")),
                 qPrintable(shown));
        QVERIFY(field->fontMetrics().horizontalAdvance(shown) <= field->width());
        user.Next();
        QCOMPARE(user.Page(), 2);  // the list was read from the whole path

        QVERIFY(user.DropFiles(ControlId::SalaryList, {deep + QStringLiteral("/salary-04.txt")}));
        auto* table = sheet.ControlAs<QTableWidget>(ControlId::SalaryList);
        const QTableWidgetItem* cell = table->item(3, 1);
        QCOMPARE(cell->text(), deep + QStringLiteral("/salary-04.txt"));
        QCOMPARE(cell->toolTip(), cell->text());
        QCOMPARE(table->item(3, 0)->toolTip(), QString());
        QCOMPARE(table->textElideMode(), Qt::ElideMiddle);
        // The file column takes the rest of the list's width.
        QCOMPARE(table->horizontalHeader()->sectionResizeMode(1), QHeaderView::Stretch);
        QCOMPARE(table->columnWidth(0) + table->columnWidth(1), table->viewport()->width());
        QVERIFY(table->fontMetrics().horizontalAdvance(cell->text()) > table->columnWidth(1));
        user.Next();

        QVERIFY(user.DropFiles(ControlId::BonusPath1, {deep + QStringLiteral("/bonus-1.txt")}));
        auto* bonus = sheet.findChild<PathField*>(corvane::qt::ControlObjectName(ControlId::BonusPath1));
        QVERIFY(bonus && bonus->ShownText().endsWith(QStringLiteral("/bonus-1.txt")));
        QCOMPARE(bonus->toolTip(), deep + QStringLiteral("/bonus-1.txt"));
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
}

CORVANE_GUI_TEST_MAIN(TestDrops)
#include "TestDrops.moc"
