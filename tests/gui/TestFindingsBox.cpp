// The findings box as the clerk meets it: its size on the screen, the whole
// list of employees, the copy and check list buttons, いいえ as the default;
// and keys typed while the program was busy answering nothing.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <sstream>

#include "GuiSandbox.h"
#include "gui/qt/FindingsDialog.h"
#include "gui/qt/QtWaitCursor.h"
#include "gui/qt/QtPlatform.h"
#include "gui/qt/QtText.h"
#include "gui/qt/script/WizardDriver.h"
#include "platform/Messenger.h"
#include "tools/samplegen/SampleExports.h"
#include "wizard/CCorvaneApp.h"
#include "wizard/ControlCaptions.h"
#include "wizard/PageMessages.h"

using corvane::platform::ControlId;
using corvane::qt::FindingsDialog;
using corvane::qt::FromText;
using corvane::qt::QtPlatform;
using corvane::qt::WizardDriver;
using corvane::qt::WizardSheet;
using corvane::test::GuiSandbox;

namespace {

constexpr int kEmployees = 60;

// The sample set of kEmployees employees whose codes lost their leading
// zero in the summaries. Returns the codes as the employee list holds them.
QStringList WriteZeroLostSet(const QString& folder)
{
    corvane::samplegen::SampleOptions options;
    options.employees = kEmployees;
    options.bonuses = 0;
    options.zeroLostCodes = true;
    std::string error;
    if (!corvane::samplegen::WriteSampleExports(corvane::qt::ToPath(folder), options, error))
        return {};
    // The codes, sixth field of the lines after the heading.
    QFile list(folder + QStringLiteral("/employees.txt"));
    if (!list.open(QIODevice::ReadOnly))
        return {};
    QStringList codes;
    for (int number = 1; !list.atEnd(); ++number) {
        const QList<QByteArray> fields = list.readLine().split(',');
        if (number > 3 && fields.size() > 5)
            codes << QString::fromLatin1(fields[5]);
    }
    return codes;
}

// The window as the desktop places it lies inside the screen's work area.
bool InsideWorkArea(const QWidget& window)
{
    return window.screen()->availableGeometry().contains(window.frameGeometry());
}

QString SixtyLines()
{
    QStringList lines;
    for (int i = 1; i <= kEmployees; ++i)
        lines << QStringLiteral(u"0%1 従業員%1：4月の給与の金額がすべて空欄になる").arg(1000 + i);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

class TestFindingsBox : public QObject {
    Q_OBJECT

private slots:
    void opensForFifteenLinesInsideTheScreenAndShowsEveryLine();
    void copiesTheWholeListAndShowsTheCheckListOnlyWithItsHook();
    void enterAndEscapeAnswerNo();
    void theWizardAsksWithEveryEmployeeOfAZeroLostSet();
    void inputQueuedWhileBusyIsDropped();
};

void TestFindingsBox::opensForFifteenLinesInsideTheScreenAndShowsEveryLine()
{
    const QString details = SixtyLines();
    FindingsDialog box(QStringLiteral("caption"), QStringLiteral(u"質問\n\nこのまま中間ファイルを作成しますか？"),
                       details, {});
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY2(box.VisibleDetailLines() >= FindingsDialog::kShownLines,
             qPrintable(QString::number(box.VisibleDetailLines())));
    QVERIFY(InsideWorkArea(box));
    QCOMPARE(box.Details()->toPlainText(), details);
    QVERIFY(box.Details()->isReadOnly());
    // The rest is reached by scrolling, down to the last employee.
    QScrollBar* bar = box.Details()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QVERIFY(box.Details()
                ->cursorForPosition(QPoint(4, box.Details()->viewport()->height() - 8))
                .block()
                .text()
                .startsWith(QStringLiteral("01060")));

    // It grows with the window, and the user may make it smaller than it opened.
    const int before = box.Details()->height();
    box.resize(box.width(), box.height() + 100);
    QTRY_VERIFY(box.Details()->height() >= before + 100);
    QVERIFY(box.minimumSizeHint().height() < box.height() - 100);
    box.reject();
}

void TestFindingsBox::copiesTheWholeListAndShowsTheCheckListOnlyWithItsHook()
{
    const QString details = SixtyLines();
    int checklists = 0;
    FindingsDialog box(QStringLiteral("caption"), QStringLiteral("question"), details, [&] { ++checklists; });
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.CopyButton()->text(), FromText(corvane::ControlCaption(ControlId::FindingsCopy)));
    QApplication::clipboard()->clear();
    QTest::mouseClick(box.CopyButton(), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), details);
    QVERIFY(box.isVisible());

    QVERIFY(box.ChecklistButton() && box.ChecklistButton()->isVisible());
    QTest::mouseClick(box.ChecklistButton(), Qt::LeftButton);
    QCOMPARE(checklists, 1);
    QVERIFY(box.isVisible());
    QTest::mouseClick(box.YesButton(), Qt::LeftButton);
    QCOMPARE(box.Answer(), corvane::platform::Answer::Yes);

    FindingsDialog plain(QStringLiteral("caption"), QStringLiteral("question"), details, {});
    QVERIFY(!plain.ChecklistButton());
}

void TestFindingsBox::enterAndEscapeAnswerNo()
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        FindingsDialog box(QStringLiteral("caption"), QStringLiteral("question"), SixtyLines(), {});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.NoButton()->isDefault());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box, key);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.Answer(), corvane::platform::Answer::No);
    }
}

void TestFindingsBox::theWizardAsksWithEveryEmployeeOfAZeroLostSet()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    const QString folder = QString::fromStdString(sandbox.Root(QStringLiteral("zero-lost")));
    QVERIFY(QDir().mkpath(folder));
    const QStringList codes = WriteZeroLostSet(folder);
    QCOMPARE(codes.size(), kEmployees);
    std::vector<std::string> salary;
    for (int month = 1; month <= 12; ++month)
        salary.push_back(
            corvane::qt::ToPath(folder + QStringLiteral("/salary-%1.txt").arg(month, 2, 10, QLatin1Char('0'))));

    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    const std::string output = sandbox.Out(QStringLiteral("zero-lost.XML"));
    QString shown;
    platform.MessageBoxes().QueueFindings([&](FindingsDialog& box) {
        QVERIFY(box.isVisible());
        QVERIFY2(box.VisibleDetailLines() >= FindingsDialog::kShownLines,
                 qPrintable(QString::number(box.VisibleDetailLines())));
        QVERIFY(InsideWorkArea(box));
        shown = box.Details()->toPlainText();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        platform.FileDialogs().QueueOpen({corvane::qt::ToPath(folder + QStringLiteral("/employees.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        user.Next();
        platform.FileDialogs().QueueOpen(salary);
        user.Press(ControlId::SalaryBrowse);
        user.Next();
        user.Next();
        if (user.Page() == 4)
            user.Next();
        QCOMPARE(user.Page(), 5);
        platform.FileDialogs().QueueSave(output);
        user.Press(ControlId::OutputBrowse);
        user.Finish();
        // いいえ: nothing written, the wizard stays on its page.
        QCOMPARE(user.Page(), 5);
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    std::ostringstream out;
    const corvane::platform::Services services = platform.Services();
    corvane::CCorvaneApp app(services, out);
    app.Run();
    QCOMPARE(platform.Faults(), QStringList());
    QVERIFY(!QFile::exists(QString::fromStdString(output)));
    const auto& messages = platform.MessageBoxes().Messages();
    // The findings box, then the question whether to discard the input.
    QCOMPARE(messages.size(), std::size_t{2});
    QVERIFY(messages[0].findingsBox);
    QCOMPARE(shown, messages[0].details);
    QCOMPARE(messages[1].text, corvane::qt::FromText(corvane::DiscardQuestion()));

    // Every employee, by the summaries' code (the zero lost) or the list's.
    QStringList missing;
    for (const QString& code : codes) {
        const QRegularExpression named(QStringLiteral("(?<![0-9])0?%1(?![0-9])").arg(code.mid(1)));
        if (!shown.contains(named))
            missing << code;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the details: ") + missing.join(QLatin1Char(' '))));
}

void TestFindingsBox::inputQueuedWhileBusyIsDropped()
{
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    button->move(0, 40);
    int clicks = 0;
    connect(button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    corvane::qt::QtWaitCursor waitCursor;
    waitCursor.BeginWaitCursor();
    // Typed and clicked while the program is busy: queued, not yet handled.
    QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    const QPointF inside(4, 4);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, inside, button->mapToGlobal(inside),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, inside, button->mapToGlobal(inside),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    waitCursor.EndWaitCursor();
    QCoreApplication::processEvents();
    QCOMPARE(field->text(), QString());
    QCOMPARE(clicks, 0);

    // Typed afterwards: taken.
    QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b")));
    QCoreApplication::processEvents();
    QCOMPARE(field->text(), QStringLiteral("b"));
}

CORVANE_GUI_TEST_MAIN(TestFindingsBox)
#include "TestFindingsBox.moc"
