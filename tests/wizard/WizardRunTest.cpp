#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "checklist/CheckListFile.h"
#include "convert/Convert.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "fileio/FileStatus.h"
#include "preflight/FindingText.h"
#include "platform/StreamCallerWindow.h"
#include "platform/TextCodec.h"
#include "job/JobMessages.h"
#include "job/JobSteps.h"
#include "wizard/CCorvaneApp.h"
#include "wizard/PageMessages.h"
#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

using platform::Answer;
using platform::ControlId;
using platform::Icon;

const char kSettingsHeader[] = "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n";

// Records the caller's calls in the fake's log and writes the reply line as
// the Linux program does.
class TeeCallerWindow final : public platform::CallerWindowService {
public:
    TeeCallerWindow(FakePlatform& fake, std::ostream& out) : m_fake(fake), m_stream(out) {}
    bool Exists(platform::WindowHandle w) const override { return m_fake.Exists(w); }
    void Disable(platform::WindowHandle w) override
    {
        m_fake.Disable(w);
        m_stream.Disable(w);
    }
    void Enable(platform::WindowHandle w) override
    {
        m_fake.Enable(w);
        m_stream.Enable(w);
    }
    void BringToForeground(platform::WindowHandle w) override { m_fake.BringToForeground(w); }
    void Post(platform::WindowHandle w, int message, std::intptr_t wparam, std::intptr_t lparam) override
    {
        m_fake.Post(w, message, wparam, lparam);
        m_stream.Post(w, message, wparam, lparam);
    }

private:
    FakePlatform& m_fake;
    platform::StreamCallerWindow m_stream;
};

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& entry)
{
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i] == entry)
            return i;
    return log.size();
}

bool AnyStartsWith(const std::vector<std::string>& log, const std::string& prefix)
{
    for (const auto& entry : log)
        if (entry.rfind(prefix, 0) == 0)
            return true;
    return false;
}

class WholeRun : public WizardTest {
protected:
    int RunApp(const std::string& commandLine)
    {
        fake.SetCommandLine(commandLine);
        CCorvaneApp app(appServices, out);
        return app.Run();
    }

    std::ostringstream replies;
    std::ostringstream out;
    TeeCallerWindow caller{fake, replies};
    platform::Services appServices{fake, fake, fake, fake, fake, caller, fake, fake, nullptr};
};

// A summary whose first figure is headed 課税支給額: no heading matches the
// usual 課税支給合計, so the correspondence needs the user.
std::string Renamed(const std::string& bytes)
{
    return Replaced(bytes, "課税支給合計", "課税支給額");
}

TEST_F(WholeRun, OnItsOwnWalksAllSixPagesAndWritesTheFileAndTheSettings)
{
    const std::string employees = Employees();
    const std::string s04 = Write("s04.txt", Renamed(TestDataBytes("engine/edge/salary-04.txt")));
    const std::string s05 = Write("s05.txt", Replaced(ReadFileBytes(s04), "4月度給与", "5月度給与"));
    const std::string s06 = Write("s06.txt", Replaced(ReadFileBytes(s04), "4月度給与", "6月度給与"));
    const std::string s06b = Write("s06b.txt", ReadFileBytes(s06));
    const std::string b1 = Write("b1.txt", Renamed(TestDataBytes("engine/edge/bonus-1.txt")));
    const std::string output = dir.File("result.XML");

    fake.ScriptWizard([&](FakeWizard& w) {
        // Start page: 標準モード is preselected.
        EXPECT_TRUE(w.Controls().IsChecked(ControlId::StandardModeRadio));
        EXPECT_EQ(w.Buttons(), platform::kWizNext);
        w.Next();

        // Employee page: a salary summary is refused, the employee list is taken.
        EXPECT_FALSE(w.CanNext());
        ChooseFiles(fake, w, ControlId::EmployeeBrowse, {s04});
        EXPECT_EQ(w.Text(ControlId::EmployeePath), "");
        EXPECT_FALSE(w.CanNext());
        ChooseFiles(fake, w, ControlId::EmployeeBrowse, {employees});
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        w.Next();

        // Salary page over three actions: two months, a duplicate pair, the pair's month again.
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {s05, s04});
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {s06, s06b});
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 5, 1), "");
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {s06});
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 3, 1), s04);
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 4, 1), s05);
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 5, 1), s06);
        w.Next();

        // Bonus page: the first row.
        ChooseFiles(fake, w, ControlId::BonusBrowse1, {b1});
        EXPECT_EQ(w.Next(), 4);

        // Correspondence page: the first figure has no column yet.
        EXPECT_EQ(w.Controls().ListRows(ControlId::ItemsList),
                  (std::vector<std::vector<std::string>>{{"総支給金額", ""},
                                                         {"社会保険料等の控除額", "社会保険料計"},
                                                         {"扶養親族等の数", "扶養人数"},
                                                         {"算出税額", "所得税"}}));
        fake.QueueAnswer(Answer::Cancel);
        EXPECT_EQ(w.Next(), 4);
        fake.QueueDialog([](FakeDialog& d) {
            EXPECT_EQ(d.Items(), (std::vector<std::string>{"", "課税支給額", "社会保険料計", "扶養人数", "所得税"}));
            EXPECT_EQ(d.Selection(), 0);
            EXPECT_EQ(d.Text(ControlId::SearchEdit), "課税支給合計");
            d.Type(ControlId::SearchEdit, "課税");
            d.Press(ControlId::SearchButton);
            EXPECT_EQ(d.Selection(), 1);
            d.Ok();
        });
        w.SelectRows(ControlId::ItemsList, {0});
        w.Press(ControlId::ItemsBrowse);
        EXPECT_EQ(w.Controls().ListCell(ControlId::ItemsList, 0, 1), "課税支給額");
        EXPECT_EQ(w.Next(), 5);

        // Output page: no location yet, so no name enables 完了.
        EXPECT_EQ(w.Text(ControlId::YearEdit), "26");
        EXPECT_FALSE(w.CanFinish());
        w.Type(ControlId::NameEdit, "abc");
        EXPECT_FALSE(w.CanFinish());
        fake.QueueSave(dir.File("first.XML"));
        w.Press(ControlId::OutputBrowse);
        EXPECT_TRUE(w.CanFinish());
        w.Type(ControlId::NameEdit, "result");
        EXPECT_EQ(w.Text(ControlId::NameEdit), "result");
        // The fixtures hold values that convert to nothing: the user goes on.
        fake.QueueAnswer(Answer::Yes);
        EXPECT_EQ(w.Finish(), -1);
    });
    EXPECT_EQ(RunApp(""), 0);
    ExpectNoErrors();

    EXPECT_EQ(fake.WizardParent(), platform::kNoWindow);
    EXPECT_EQ(fake.WizardCaption(), "ヴェルドfromソルマ給与");
    EXPECT_EQ(fake.PageHistory(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    ASSERT_EQ(fake.SaveRequests().size(), 1u);
    // The name typed before 参照, in the employee list's folder.
    EXPECT_EQ(fake.SaveRequests()[0].initialFileName, dir.File("abc.XML"));

    const std::vector<std::string> expectedTexts = {
        job::EmployeeListRefusedMessage(s04, platform::Messenger(fake)),
        job::messages::NotCorrectFile() + job::messages::ChooseSalarySummary() + job::messages::SameMonthSection() +
            "[06月]\n" + s06 + "\n" + s06b + "\n",
        UnchosenItemsQuestion(),
        // Written despite findings: not the clean run's last word.
        preflight::CompletedWithFindingsMessage("要修正 2人") + "\n\n" +
            checklist::CheckListNote(true, checklist::CheckListPathFor(output), platform::Messenger(fake)).text,
    };
    ASSERT_EQ(fake.Messages().size(), 5u);
    ExpectFindingsQuestion(fake.Messages()[3]);
    auto texts = Texts();
    texts.erase(texts.begin() + 3);
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(fake.Messages()[4].icon, Icon::Information);
    for (const auto& m : fake.Messages())
        EXPECT_EQ(m.caption, platform::AppTitle());
    EXPECT_EQ(fake.WaitCursorsShown(), 1);
    EXPECT_EQ(fake.Messages()[4].waitDepth, 1);

    EXPECT_EQ(ReadFileBytes(SettingsPath()),
              std::string(kSettingsHeader) + "テスト&商事<株>,課税支給額,2,社会保険料計,3,扶養人数,4,所得税,5\r\n");
    EXPECT_FALSE(fileio::FileExists(dir.File("first.XML")));
    // On its own: nobody to answer.
    EXPECT_FALSE(AnyStartsWith(fake.Log(), "caller "));
    EXPECT_EQ(replies.str(), "");

    // The batch converter, given the same files and the settings the wizard
    // saved, writes the same document.
    TempDir other;
    const std::string settingsCopy = other.Write("Corvane.ENV", ReadFileBytes(SettingsPath()));
    const std::string converted = other.File("converted.XML");
    std::ostringstream convertOut, convertErr;
    const convert::Environment env{fake, platform::SystemTextCodec()};
    ASSERT_EQ(
        convert::RunConvert({"--employees", employees, "--salary", s04, "--salary", s05, "--salary", s06, "--bonus", b1,
                             "--year", "26", "--mode", "normal", "--settings", settingsCopy, "--out", converted},
                            convertOut, convertErr, env),
        0)
        << convertErr.str();
    const std::string xml = ReadFileBytes(output);
    EXPECT_EQ(xml, ReadFileBytes(converted));
    EXPECT_NE(xml.find("<FUNCTIONID>1</FUNCTIONID>"), std::string::npos);
    EXPECT_NE(xml.find("<SINKOKUNENDO>26</SINKOKUNENDO>"), std::string::npos);
    EXPECT_NE(xml.find("<MODE>NORMAL</MODE>"), std::string::npos);
}

// From start to finish with the start parameter, 簡易モード, one salary and one bonus file.
void StartedRun(FakePlatform& fake, FakeWizard& w, const std::string& employees, const std::string& salary,
                const std::string& bonus)
{
    w.Check(ControlId::SimpleModeRadio);
    w.Next();
    ChooseFiles(fake, w, ControlId::EmployeeBrowse, {employees});
    w.Next();
    ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
    w.Next();
    ChooseFiles(fake, w, ControlId::BonusBrowse1, {bonus});
    w.Next();
    // Every heading is there once: the rows are filled, no question.
    w.Next();
}

TEST_F(WholeRun, StartedByTheCallerWritesTheGivenPathAndRepliesWithZero)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    const std::string bonus = Bonus();
    const std::string output = dir.File("out.XML");

    fake.ScriptWizard([&](FakeWizard& w) {
        StartedRun(fake, w, employees, salary, bonus);
        ASSERT_EQ(w.Page(), 5);
        for (const auto id : {ControlId::LocationEdit, ControlId::NameEdit, ControlId::OutputBrowse,
                              ControlId::OutputGroup, ControlId::LocationLabel, ControlId::NameLabel})
            EXPECT_FALSE(w.Enabled(id)) << ControlName(id);
        EXPECT_TRUE(w.Enabled(ControlId::YearEdit));
        EXPECT_EQ(w.Text(ControlId::OutputPageText), "[完了]ボタンを押すと、年調･法定調書データの作成を開始します。");
        EXPECT_EQ(w.Text(ControlId::NameEdit), "out.XML");
        EXPECT_EQ(w.Text(ControlId::LocationEdit), std::filesystem::path(dir.Path()).filename().string());
        EXPECT_TRUE(w.CanFinish());
        w.Type(ControlId::YearEdit, "6");
        fake.QueueAnswer(Answer::Yes);
        w.Finish();
    });
    RunApp("100,32769,3," + output);
    ExpectNoErrors();

    EXPECT_EQ(fake.WizardParent(), 100);
    // Only the question about the fixtures' doubtful values; no completion message.
    ASSERT_EQ(fake.Messages().size(), 1u);
    ExpectFindingsQuestion(fake.Messages()[0]);
    EXPECT_EQ(replies.str(), "POSTMESSAGE hwnd=100 msg=32769 wparam=3 lparam=0\n");
    const auto& log = fake.Log();
    EXPECT_LT(IndexOf(log, "caller disable 100"), IndexOf(log, "wizard shown parent=100"));
    EXPECT_LT(IndexOf(log, "wizard finished"), IndexOf(log, "caller post 100 32769 3 0"));
    EXPECT_LT(IndexOf(log, "caller post 100 32769 3 0"), IndexOf(log, "caller foreground 100"));
    EXPECT_LT(IndexOf(log, "caller foreground 100"), IndexOf(log, "caller enable 100"));
    EXPECT_LT(IndexOf(log, "caller enable 100"), log.size());

    // The engine's own expected document for these inputs.
    EXPECT_EQ(ReadFileBytes(output), TestDataBytes("engine/edge/expected.XML"));
    EXPECT_EQ(ReadFileBytes(SettingsPath()),
              std::string(kSettingsHeader) + "テスト&商事<株>,課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5\r\n");
}

TEST_F(WholeRun, StartedByTheCallerAndCancelledRepliesWithOneAndWritesNothing)
{
    const std::string employees = Employees();
    const std::string output = dir.File("out.XML");
    fake.ScriptWizard([&](FakeWizard& w) {
        ToSalaryPage(fake, w, employees);
        // いいえ keeps the wizard open, with nothing said to the caller yet.
        fake.QueueAnswer(Answer::No);
        EXPECT_EQ(w.Cancel(), 2);
        EXPECT_EQ(replies.str(), "");
        CancelAndDiscard(fake, w);
    });
    RunApp("100,32769,3," + output);
    ExpectNoErrors();

    EXPECT_EQ(Texts(), std::vector<std::string>{DiscardQuestion()});
    EXPECT_EQ(replies.str(), "POSTMESSAGE hwnd=100 msg=32769 wparam=3 lparam=1\n");
    EXPECT_FALSE(fileio::FileExists(output));
    EXPECT_FALSE(fileio::FileExists(SettingsPath()));
    EXPECT_LT(IndexOf(fake.Log(), "caller enable 100"), fake.Log().size());
}

TEST_F(WholeRun, AFailedFinishKeepsTheWizardOpenAndASecondFinishReadsEverythingAgain)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    const std::string bonus = Bonus();
    const std::string output = dir.File("out.XML");
    const std::string saved = ReadFileBytes(salary);

    fake.ScriptWizard([&](FakeWizard& w) {
        StartedRun(fake, w, employees, salary, bonus);
        // The salary file disappears after it was chosen.
        std::filesystem::remove(salary);
        EXPECT_EQ(w.Finish(), 5);
        Write("salary-04.txt", saved);
        w.Type(ControlId::YearEdit, "6");
        fake.QueueAnswer(Answer::Yes);
        EXPECT_EQ(w.Finish(), -1);
    });
    RunApp("100,32769,3," + output);
    ExpectNoErrors();
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0], job::messages::MissingFilesHead() + job::messages::MissingSummariesSection() +
                              "(給与 04月分)" + salary + "\n");
    ExpectFindingsQuestion(fake.Messages()[1]);
    EXPECT_EQ(ReadFileBytes(output), TestDataBytes("engine/edge/expected.XML"));
    EXPECT_EQ(replies.str(), "POSTMESSAGE hwnd=100 msg=32769 wparam=3 lparam=0\n");
}

TEST_F(WholeRun, AHandleThatIsNoWindowOpensTheWizardOnItsOwnWithTheGivenOutputAndPostsNothing)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    const std::string bonus = Bonus();
    const std::string output = dir.File("out.XML");
    fake.SetCallerWindowExists(false);
    fake.ScriptWizard([&](FakeWizard& w) {
        StartedRun(fake, w, employees, salary, bonus);
        ASSERT_EQ(w.Page(), 5);
        EXPECT_EQ(w.Text(ControlId::NameEdit), "out.XML");
        EXPECT_FALSE(w.Enabled(ControlId::OutputBrowse));
        fake.QueueAnswer(Answer::Yes);
        w.Finish();
    });
    RunApp("100,32769,3," + output);
    ExpectNoErrors();
    EXPECT_TRUE(fake.WizardShown());
    EXPECT_EQ(fake.WizardParent(), platform::kNoWindow);
    EXPECT_TRUE(fileio::FileExists(output));
    EXPECT_EQ(replies.str(), "");
    EXPECT_FALSE(AnyStartsWith(fake.Log(), "caller "));
}

TEST_F(WholeRun, ACallerThatClosesWhileTheWizardIsOpenGetsNoReply)
{
    const std::string employees = Employees();
    const std::string output = dir.File("out.XML");
    fake.ScriptWizard([&](FakeWizard& w) {
        ToSalaryPage(fake, w, employees);
        fake.SetCallerWindowExists(false);
        CancelAndDiscard(fake, w);
    });
    RunApp("100,32769,3," + output);
    ExpectNoErrors();
    EXPECT_EQ(fake.WizardParent(), 100);
    EXPECT_EQ(replies.str(), "");
    EXPECT_EQ(IndexOf(fake.Log(), "caller enable 100"), fake.Log().size());
}

}  // namespace
}  // namespace corvane::test

namespace corvane::test {
namespace {

// Cancelling asks once a file has been chosen, whichever page shows; with
// nothing chosen the wizard closes at once.
class CancelQuestion : public WizardTest {};

TEST_F(CancelQuestion, NothingChosenClosesAtOnce)
{
    EXPECT_EQ(RunSheet([](FakeWizard& w) {
                  w.Next();
                  EXPECT_EQ(w.Cancel(), -1);
              }),
              platform::WizardResult::Cancelled);
    ExpectNoErrors();
    EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(CancelQuestion, EveryPageAsksOnceAFileIsChosenAndNoKeepsItOpen)
{
    const std::string employees = Employees();
    const std::string bonus = Bonus();
    std::vector<int> pagesAsked;
    const auto declineOn = [&](FakeWizard& w) {
        fake.QueueAnswer(Answer::No);
        const int page = w.Page();
        EXPECT_EQ(w.Cancel(), page);
        pagesAsked.push_back(page);
    };
    const auto result = RunSheet([&](FakeWizard& w) {
        ToSalaryPage(fake, w, employees);
        declineOn(w);
        w.Back();
        declineOn(w);
        w.Back();
        declineOn(w);
        w.Next();
        w.Next();
        w.Next();
        ChooseFiles(fake, w, ControlId::BonusBrowse1, {bonus});
        declineOn(w);
        w.Next();
        declineOn(w);
        w.Next();
        declineOn(w);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(result, platform::WizardResult::Cancelled);
    EXPECT_EQ(pagesAsked, (std::vector<int>{2, 1, 0, 3, 4, 5}));
    ASSERT_EQ(fake.Messages().size(), 6u);
    for (const auto& m : fake.Messages()) {
        EXPECT_EQ(m.text, "入力した内容を破棄して終了しますか？");
        EXPECT_EQ(m.icon, Icon::Question);
        EXPECT_EQ(m.buttons, platform::Buttons::YesNo);
    }
    // What was chosen is still there after いいえ.
    EXPECT_EQ(sheet->Job().employeeList, employees);
    EXPECT_EQ(sheet->Job().slots[12].path, bonus);
}

}  // namespace
}  // namespace corvane::test
