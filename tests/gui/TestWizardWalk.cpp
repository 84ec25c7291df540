// The desktop program end to end: the real wizard window on the sample
// exports, file dialogs and message boxes answered through the platform's
// scripted seams, up to the written XML file.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <sstream>

#include "GuiSandbox.h"
#include "checklist/CheckListPath.h"
#include "convert/Convert.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "gui/qt/QtPlatform.h"
#include "gui/qt/QtText.h"
#include "gui/qt/script/WizardDriver.h"
#include "platform/TextCodec.h"
#include "wizard/CCorvaneApp.h"
#include "wizard/PageMessages.h"

using corvane::platform::ControlId;
using corvane::qt::DialogDriver;
using corvane::qt::FromPath;
using corvane::qt::FromText;
using corvane::qt::ItemSelectionDialog;
using corvane::qt::QtPlatform;
using corvane::qt::WizardDriver;
using corvane::qt::WizardSheet;
using corvane::test::GuiSandbox;

namespace {

// corvane-convert on the same files: the batch converter's document.
std::string BatchConvert(GuiSandbox& sandbox, const std::vector<std::string>& salary,
                         const std::vector<std::string>& bonus, const std::string& out)
{
    std::vector<std::string> args = {"--employees", sandbox.Export(QStringLiteral("employees.txt")), "--out", out,
                                     "--settings",  sandbox.Root(QStringLiteral("batch.ENV"))};
    for (const auto& f : salary)
        args.insert(args.end(), {"--salary", f});
    for (const auto& f : bonus)
        args.insert(args.end(), {"--bonus", f});
    std::ostringstream stdOut, stdErr;
    const int code = corvane::convert::RunConvert(
        args, stdOut, stdErr, corvane::convert::Environment{sandbox.System(), corvane::platform::SystemTextCodec()});
    if (code != 0) {
        qWarning("corvane-convert failed: %s", stdErr.str().c_str());
        return std::string();
    }
    return corvane::test::ReadBytes(out);
}

// Answers the next real message box from inside its loop, noting its text
// and default button: with `key`, or with a click on はい for Key_unknown.
void AnswerNextBox(QStringList& asked, Qt::Key key)
{
    QTimer::singleShot(0, [&asked, key] {
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) != nullptr);
        asked << box->text() + QLatin1Char('|') + (box->defaultButton() ? box->defaultButton()->text() : QString());
        if (key != Qt::Key_unknown) {
            QTest::keyClick(box, key);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::YesRole)
                button->click();
        }
    });
}

int Run(QtPlatform& platform)
{
    const corvane::platform::Services services = platform.Services();
    std::ostringstream out;
    corvane::CCorvaneApp app(services, out);
    return app.Run();
}

// Pages 1 to 4 with every sample export: the employee list, the twelve
// salary months (picked in reverse order, in one selection) and two bonuses.
void ChooseSampleExports(WizardDriver& user, QtPlatform& platform, GuiSandbox& sandbox)
{
    user.Next();
    platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("employees.txt"))});
    user.Press(ControlId::EmployeeBrowse);
    user.Next();

    std::vector<std::string> salary = sandbox.SalaryExports();
    std::reverse(salary.begin(), salary.end());
    platform.FileDialogs().QueueOpen(salary);
    user.Press(ControlId::SalaryBrowse);
    user.Next();

    platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("bonus-1.txt"))});
    user.Press(corvane::platform::BonusBrowseControl(1));
    platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("bonus-2.txt"))});
    user.Press(corvane::platform::BonusBrowseControl(2));
    user.Next();
}

}  // namespace

class TestWizardWalk : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(!QApplication::overrideCursor()); }

    void walksTheWholeWizardToTheBatchConvertersDocument();
    void startedByTheCallerGreysLocationAndNameAndReplies();
    void startedByTheCallerRepliesCancelledOnCancel();
    void sheetButtonsCarryJapaneseCaptionsAndFollowThePages();
    void itemDialogSearchesAndEnterInTheSearchFieldPressesOk();
    void salaryListTakesSeveralRowsForClear();
    void cancelAsksInARealBoxOnceAFileIsChosen();
};

void TestWizardWalk::walksTheWholeWizardToTheBatchConvertersDocument()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    const std::string output = sandbox.Out(QStringLiteral("wizard.XML"));

    bool reachedEnd = false;
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        ChooseSampleExports(user, platform, sandbox);

        // The headings are not in the standard layout: the correspondence
        // page follows, filled from the unique heading names.
        QCOMPARE(user.Page(), 4);
        QCOMPARE(user.RowCount(ControlId::ItemsList), 4);
        QCOMPARE(user.Cell(ControlId::ItemsList, 0, 1), QStringLiteral(u"課税支給合計"));
        QCOMPARE(user.Cell(ControlId::ItemsList, 3, 1), QStringLiteral(u"所得税"));
        user.Next();

        QCOMPARE(user.Page(), 5);
        QCOMPARE(user.Text(ControlId::YearEdit), QString::fromLatin1(corvane::test::kSandboxFilingYear));
        // No output path yet: 完了 shown, greyed.
        QVERIFY(sheet.FinishButton()->isVisible());
        QVERIFY(!sheet.FinishButton()->isEnabled());
        platform.FileDialogs().QueueSave(output);
        user.Press(ControlId::OutputBrowse);
        // The dialog was asked to start in the employee list's folder.
        QCOMPARE(QFileInfo(FromPath(platform.FileDialogs().SaveRequests().back().initialFileName)).path(),
                 QFileInfo(FromPath(sandbox.Export(QStringLiteral("employees.txt")))).path());
        QCOMPARE(user.Text(ControlId::LocationEdit), QStringLiteral("out"));
        // The folder's last part, and the whole folder over it.
        QCOMPARE(sheet.Control(ControlId::LocationEdit)->toolTip(), QFileInfo(FromPath(output)).path());
        QCOMPARE(user.Text(ControlId::NameEdit), QStringLiteral("wizard.XML"));
        QVERIFY(sheet.FinishButton()->isVisible());
        QVERIFY(sheet.FinishButton()->isEnabled());
        user.Finish();
        reachedEnd = sheet.IsClosed();
    });
    QCOMPARE(Run(platform), 0);
    QVERIFY(reachedEnd);
    QCOMPARE(platform.Faults(), QStringList());

    // One message, the completion, shown while the conversion's wait cursor was on.
    const auto& messages = platform.MessageBoxes().Messages();
    QCOMPARE(messages.size(), std::size_t{1});
    // The check list box is checked by default: the list is written beside the XML and opened.
    const std::string checkList = corvane::checklist::CheckListPathFor(output);
    const corvane::platform::Messenger messenger(platform.MessageBoxes(), &corvane::platform::SystemTextCodec());
    QCOMPARE(messages[0].text, FromText(corvane::ConversionCompletedMessage() + "\n\n" +
                                        corvane::checklist::CheckListNote(true, checkList, messenger).text));
    QCOMPARE(platform.Shell().Opened(), QStringList{corvane::qt::FromPath(checkList)});
    QCOMPARE(messages[0].caption, FromText(corvane::platform::AppTitle()));
    QVERIFY(messages[0].underWaitCursor);
    QVERIFY(!QApplication::overrideCursor());

    // The salary dialog allowed several files; the save dialog asked before overwriting.
    const auto& opens = platform.FileDialogs().OpenRequests();
    QCOMPARE(opens.size(), std::size_t{4});
    QVERIFY(!opens[0].multiSelect);
    QVERIFY(opens[1].multiSelect);
    QVERIFY(platform.FileDialogs().SaveRequests().at(0).confirmOverwrite);

    const std::string wizardXml = corvane::test::ReadBytes(output);
    const std::string batchXml =
        BatchConvert(sandbox, sandbox.SalaryExports(),
                     {sandbox.Export(QStringLiteral("bonus-1.txt")), sandbox.Export(QStringLiteral("bonus-2.txt"))},
                     sandbox.Out(QStringLiteral("batch.XML")));
    QVERIFY(!batchXml.empty());
    QVERIFY(wizardXml == batchXml);
    // Both remember the same correspondence for the company.
    QVERIFY(corvane::test::ReadBytes(sandbox.SettingsPath()) ==
            corvane::test::ReadBytes(sandbox.Root(QStringLiteral("batch.ENV"))));
    QVERIFY(reply.str().empty());
}

void TestWizardWalk::startedByTheCallerGreysLocationAndNameAndReplies()
{
    GuiSandbox probe;
    QVERIFY(probe.Ready());
    GuiSandbox sandbox("100,32769,3," + probe.Out(QStringLiteral("VELD.XML")));
    QVERIFY(sandbox.Ready());
    const std::string output = probe.Out(QStringLiteral("VELD.XML"));
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();

    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        ChooseSampleExports(user, platform, sandbox);
        user.Next();
        QCOMPARE(user.Page(), 5);

        for (const ControlId id : {ControlId::LocationEdit, ControlId::NameEdit, ControlId::OutputBrowse,
                                   ControlId::OutputGroup, ControlId::LocationLabel, ControlId::NameLabel}) {
            QVERIFY2(!user.Enabled(id), qPrintable(QStringLiteral("control %1").arg(static_cast<int>(id))));
            QVERIFY(sheet.Control(id)->isVisible());
        }
        // Greying the frame leaves the filing year inside it usable.
        QVERIFY(user.Enabled(ControlId::YearEdit));
        QVERIFY(user.Enabled(ControlId::YearLabel));
        QCOMPARE(user.Text(ControlId::OutputPageText), FromText(corvane::CallerOutputPageText()));
        QCOMPARE(user.Text(ControlId::LocationEdit), QStringLiteral("out"));
        QCOMPARE(user.Text(ControlId::NameEdit), QStringLiteral("VELD.XML"));
        QVERIFY(sheet.FinishButton()->isEnabled());
        user.Finish();
    });
    QCOMPARE(Run(platform), 0);
    QCOMPARE(platform.Faults(), QStringList());
    QCOMPARE(platform.Host().WizardRuns(), 1);
    QCOMPARE(QString::fromStdString(reply.str()), QStringLiteral("POSTMESSAGE hwnd=100 msg=32769 wparam=3 lparam=0\n"));
    // No completion message for the caller.
    QVERIFY(platform.MessageBoxes().Messages().empty());

    // The batch converter's document, but marked as written for the caller.
    std::string expected =
        BatchConvert(sandbox, sandbox.SalaryExports(),
                     {sandbox.Export(QStringLiteral("bonus-1.txt")), sandbox.Export(QStringLiteral("bonus-2.txt"))},
                     sandbox.Out(QStringLiteral("batch.XML")));
    const std::string own = "<FUNCTIONID>1</FUNCTIONID>";
    const std::size_t at = expected.find(own);
    QVERIFY(at != std::string::npos);
    expected.replace(at, own.size(), "<FUNCTIONID>3</FUNCTIONID>");
    QVERIFY(corvane::test::ReadBytes(output) == expected);
}

void TestWizardWalk::startedByTheCallerRepliesCancelledOnCancel()
{
    GuiSandbox sandbox("7,40000,3,/nowhere/x.XML");
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        user.Cancel();
        QVERIFY(sheet.IsClosed());
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
    QCOMPARE(QString::fromStdString(reply.str()), QStringLiteral("POSTMESSAGE hwnd=7 msg=40000 wparam=3 lparam=1\n"));

    // Another function id ends the program before any window.
    GuiSandbox other("7,40000,2,/nowhere/x.XML");
    std::ostringstream otherReply;
    QtPlatform quiet(std::string(), otherReply);
    quiet.UseSystem(other.System());
    quiet.Script();
    Run(quiet);
    QCOMPARE(quiet.Host().WizardRuns(), 0);
    QVERIFY(otherReply.str().empty());
}

void TestWizardWalk::sheetButtonsCarryJapaneseCaptionsAndFollowThePages()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        QCOMPARE(sheet.windowTitle(), FromText(corvane::platform::AppTitle()));
        // The drawn icon, at the title bar's and the task bar's sizes.
        QVERIFY(sheet.windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(sheet.windowIcon().availableSizes().contains(QSize(32, 32)));
        QCOMPARE(sheet.BackButton()->text(), QStringLiteral(u"< 戻る(&B)"));
        QCOMPARE(sheet.NextButton()->text(), QStringLiteral(u"次へ(&N) >"));
        QCOMPARE(sheet.FinishButton()->text(), QStringLiteral(u"完了"));
        QCOMPARE(sheet.CancelButton()->text(), QStringLiteral(u"キャンセル"));
        QCOMPARE(user.Text(ControlId::StandardModeRadio), QStringLiteral(u"標準モード："));

        // Start page: no way back; 標準モード chosen.
        QCOMPARE(user.Page(), 0);
        QVERIFY(!sheet.BackButton()->isEnabled());
        QVERIFY(sheet.NextButton()->isEnabled());
        QVERIFY(qobject_cast<QAbstractButton*>(sheet.Control(ControlId::StandardModeRadio))->isChecked());
        user.Press(ControlId::SimpleModeRadio);
        user.Next();

        // Employee page on first entry: 次へ greyed until a list is chosen.
        QCOMPARE(user.Page(), 1);
        QVERIFY(sheet.BackButton()->isEnabled());
        QVERIFY(!sheet.NextButton()->isEnabled());
        user.Next();
        QCOMPARE(user.Page(), 1);

        // A salary summary is refused as the employee list.
        platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("salary-04.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        QCOMPARE(platform.MessageBoxes().Messages().size(), std::size_t{1});
        QVERIFY(platform.MessageBoxes().Messages()[0].text.contains(QStringLiteral(u"正しい従業員<一覧表>")));
        QVERIFY(user.Text(ControlId::EmployeePath).isEmpty());
        QVERIFY(!sheet.NextButton()->isEnabled());

        // Back keeps 簡易モード; Enter presses 次へ.
        user.Back();
        QCOMPARE(user.Page(), 0);
        QVERIFY(qobject_cast<QAbstractButton*>(sheet.Control(ControlId::SimpleModeRadio))->isChecked());
        QTest::keyClick(&sheet, Qt::Key_Return);
        QCOMPARE(user.Page(), 1);

        // Escape is キャンセル.
        QTest::keyClick(&sheet, Qt::Key_Escape);
        QVERIFY(sheet.IsClosed());
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
}

void TestWizardWalk::itemDialogSearchesAndEnterInTheSearchFieldPressesOk()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        ChooseSampleExports(user, platform, sandbox);
        QCOMPARE(user.Page(), 4);

        // Row 2 (社会保険料等): search for 保険 steps through the matching
        // headings; Enter in the search field is OK and takes the selection.
        QString chosen;
        platform.Host().QueueDialog([&](ItemSelectionDialog& dialog) {
            DialogDriver chooser(dialog);
            QCOMPARE(dialog.windowTitle(), QStringLiteral(u"項目選択"));
            QCOMPARE(chooser.Text(ControlId::SearchEdit), QStringLiteral(u"社会保険料計"));
            QCOMPARE(chooser.Entries().value(chooser.Selection()), QStringLiteral(u"社会保険料計"));
            QCOMPARE(chooser.Entries().value(0), QString());
            QVERIFY(chooser.Text(ControlId::ExplanationText).contains(QStringLiteral(u"[社会保険料等の控除額]欄")));

            chooser.Type(ControlId::SearchEdit, QStringLiteral(u"保険"));
            QStringList found;
            for (int i = 0; i < 3; ++i) {
                chooser.Press(ControlId::SearchButton);
                found << chooser.Entries().value(chooser.Selection());
            }
            // From the chosen heading on, wrapping round to the first match.
            QCOMPARE(found, QStringList({QStringLiteral(u"社会保険累計"), QStringLiteral(u"健康保険料"),
                                         QStringLiteral(u"介護保険料")}));
            chosen = found.back();
            chooser.EnterInSearch();
            QCOMPARE(dialog.Outcome(), corvane::platform::DialogOutcome::Ok);
        });
        user.SelectRows(ControlId::ItemsList, {1});
        user.Press(ControlId::ItemsBrowse);
        QCOMPARE(user.Cell(ControlId::ItemsList, 1, 1), chosen);

        // A double click on the blank entry chooses no column: the row is
        // emptied and 次へ asks before going on.
        platform.Host().QueueDialog([&](ItemSelectionDialog& dialog) {
            DialogDriver chooser(dialog);
            chooser.DoubleClick(0);
            QCOMPARE(dialog.Outcome(), corvane::platform::DialogOutcome::Ok);
        });
        user.DoubleClickRow(ControlId::ItemsList, 2);
        QCOMPARE(user.Cell(ControlId::ItemsList, 2, 1), QString());

        // ｷｬﾝｾﾙ and Escape change nothing.
        platform.Host().QueueDialog([&](ItemSelectionDialog& dialog) {
            DialogDriver chooser(dialog);
            chooser.Select(0);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(dialog.Outcome(), corvane::platform::DialogOutcome::Cancel);
        });
        user.SelectRows(ControlId::ItemsList, {0});
        user.Press(ControlId::ItemsBrowse);
        QCOMPARE(user.Cell(ControlId::ItemsList, 0, 1), QStringLiteral(u"課税支給合計"));

        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Cancel);
        user.Next();
        QCOMPARE(user.Page(), 4);
        QCOMPARE(platform.MessageBoxes().Messages().back().buttons, corvane::platform::Buttons::OkCancel);
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
    QCOMPARE(platform.Host().DialogRuns(), 3);
}

void TestWizardWalk::salaryListTakesSeveralRowsForClear()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("employees.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        user.Next();
        QCOMPARE(user.Page(), 2);
        QCOMPARE(user.RowCount(ControlId::SalaryList), 12);
        QCOMPARE(user.Cell(ControlId::SalaryList, 3, 0), QStringLiteral(u"給与 04月分"));

        platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("salary-05.txt")),
                                          sandbox.Export(QStringLiteral("salary-04.txt")),
                                          sandbox.Export(QStringLiteral("salary-06.txt"))});
        user.Press(ControlId::SalaryBrowse);
        QCOMPARE(user.Cell(ControlId::SalaryList, 3, 1),
                 QString::fromStdString(sandbox.Export(QStringLiteral("salary-04.txt"))));
        QCOMPARE(user.Cell(ControlId::SalaryList, 5, 1),
                 QString::fromStdString(sandbox.Export(QStringLiteral("salary-06.txt"))));

        // Rows 04, 05 and the empty 08 selected with the mouse: the two filled ones are emptied.
        user.SelectRows(ControlId::SalaryList, {3, 4, 7});
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Ok);
        user.Press(ControlId::SalaryClear);
        QCOMPARE(platform.MessageBoxes().Messages().back().text, FromText(corvane::ClearMonthsQuestion()));
        QCOMPARE(user.Cell(ControlId::SalaryList, 3, 1), QString());
        QCOMPARE(user.Cell(ControlId::SalaryList, 4, 1), QString());
        QVERIFY(!user.Cell(ControlId::SalaryList, 5, 1).isEmpty());
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
}

void TestWizardWalk::cancelAsksInARealBoxOnceAFileIsChosen()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    platform.MessageBoxes().SetScripted(false);
    QStringList asked;
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        user.Next();
        platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("employees.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        // キャンセル, and Enter in the box: its default is いいえ.
        AnswerNextBox(asked, Qt::Key_Return);
        user.Cancel();
        QVERIFY(!sheet.IsClosed());
        // Escape on the wizard, and Escape in the box: いいえ too.
        AnswerNextBox(asked, Qt::Key_Escape);
        QTest::keyClick(&sheet, Qt::Key_Escape);
        QVERIFY(!sheet.IsClosed());
        QCOMPARE(user.Page(), 1);
        // The window's close box, and はい.
        AnswerNextBox(asked, Qt::Key_unknown);
        sheet.close();
        QVERIFY(sheet.IsClosed());
    });
    Run(platform);
    QCOMPARE(platform.Faults(), QStringList());
    const QString question =
        FromText(corvane::DiscardQuestion()) + QLatin1Char('|') + corvane::qt::Caption(ControlId::MessageNo);
    QCOMPARE(asked, QStringList({question, question, question}));
    QVERIFY(reply.str().empty());
}

CORVANE_GUI_TEST_MAIN(TestWizardWalk)
#include "TestWizardWalk.moc"
