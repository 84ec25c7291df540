#include <gtest/gtest.h>

#include <filesystem>

#include "fileio/FileStatus.h"
#include "job/FolderExports.h"
#include "job/JobSteps.h"
#include "job/PlaceExports.h"
#include "preflight/ReconciliationReport.h"
#include "support/RecordingMessageBox.h"
#include "text/CsvRow.h"
#include "text/Format.h"
#include "wizard/WizardFixture.h"

// Files handed over by drag and drop, and the employee page's folder button.
namespace corvane::test {
namespace {

using platform::ControlId;
using platform::Icon;

const std::string& kBonusRefused = job::BonusFileRefusedMessage();

class Drops : public WizardTest {
protected:
    // A folder `name` with `files` (name → bytes).
    std::string Folder(const std::string& name, const std::vector<std::pair<std::string, std::string>>& files)
    {
        std::filesystem::create_directories(dir.File(name));
        for (const auto& [file, bytes] : files)
            Write(name + "/" + file, bytes);
        return dir.File(name);
    }
    // A bonus summary paid on `date` ("令和 6年12月10日").
    static std::string DatedBonus(const std::string& date)
    {
        return Replaced(TestDataBytes("engine/edge/bonus-1.txt"), "夏期賞与\r\n\r\n",
                        "夏期賞与\r\n支給日：" + date + "\r\n");
    }
    static std::string SalaryBytes(int month)
    {
        return Replaced(TestDataBytes("engine/edge/salary-04.txt"), "4月度給与", text::Format("%d月度給与", month));
    }
    static std::string EmployeeBytes() { return TestDataBytes("engine/edge/employees.txt"); }

    // A company folder: the list, salary months 1, 4 and 12, a winter bonus
    // whose name sorts first, a summer bonus and a file that is no export.
    std::string CompanyFolder(const std::string& name = "company")
    {
        return Folder(name, {{"employees.txt", EmployeeBytes()},
                             {"salary-01.txt", SalaryBytes(1)},
                             {"salary-04.txt", SalaryBytes(4)},
                             {"salary-12.txt", SalaryBytes(12)},
                             {"a-winter.txt", DatedBonus("令和 6年12月10日")},
                             {"b-summer.txt", DatedBonus("令和 6年 7月10日")},
                             {"notes.pdf", "%PDF-1.4\n"}});
    }
    // As the folder's sorting names its files: with the platform's separator.
    std::string In(const std::string& folder, const std::string& name) { return fileio::JoinPath(folder, name); }

    std::string Summary(const std::string& list, const std::string& counts, const std::vector<std::string>& ignored)
    {
        std::string text = "エクスポートファイルを読み込みました。\n\n従業員(一覧表)：" + list + "\n" + counts;
        if (!ignored.empty())
            text += "\n\nエクスポートファイルではないため、次のファイルは読み込みませんでした。";
        for (const auto& path : ignored)
            text += "\n" + path;
        return text;
    }
};

TEST_F(Drops, OneFileOnTheEmployeePageIsABrowseChoiceOfIt)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    RunSheet([&](FakeWizard& w) {
        w.Next();
        w.Drop({employees}, ControlId::EmployeeIntro);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        EXPECT_EQ(w.Buttons(), platform::kWizBack | platform::kWizNext);
        w.Next();
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
        w.Back();
        // The same list again keeps the slots; so does a refused file.
        w.Drop({employees}, ControlId::EmployeePath);
        EXPECT_EQ(sheet->Job().slots[3].path, salary);
        w.Drop({salary});
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        EXPECT_EQ(w.Buttons(), platform::kWizBack | platform::kWizNext);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(fake.OpenRequests().size(), 1u);  // the salary page's only
    EXPECT_EQ(sheet->Job().employeeList, employees);
    EXPECT_EQ(sheet->Job().slots[3].path, salary);
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, job::EmployeeListRefusedMessage(salary, sheet->Messenger()));
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);
}

TEST_F(Drops, AFolderFillsTheListAndTheSlotsAsTheirPagesWouldAndSaysWhatItRead)
{
    const std::string folder = CompanyFolder();
    const std::string earlier = Employees("earlier.txt");
    const std::string stray = Salary(6, "stray-06.txt");
    RunSheet([&](FakeWizard& w) {
        w.Next();
        // An earlier job: its list proposes the folder, its month 6 does not stay.
        ChooseFiles(fake, w, ControlId::EmployeeBrowse, {earlier});
        w.Next();
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {stray});
        w.Back();
        fake.QueueFolder(folder);
        w.Press(ControlId::EmployeeFolder);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), In(folder, "employees.txt"));
        EXPECT_TRUE(w.CanNext());
        w.Next();
        for (int month : {1, 4, 12})
            EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, month - 1, 1),
                      In(folder, text::Format("salary-%02d.txt", month)));
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 5, 1), "");
        w.Next();
        // Payment order, not name order.
        EXPECT_EQ(w.Text(ControlId::BonusPath1), In(folder, "b-summer.txt"));
        EXPECT_EQ(w.Text(ControlId::BonusPath2), In(folder, "a-winter.txt"));
        EXPECT_EQ(w.Text(ControlId::BonusPath3), "");
        w.Back();
        w.Back();
        // The same folder dropped on the page gives the same job.
        w.Drop({folder}, ControlId::EmployeeGroup);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    ASSERT_EQ(fake.FolderRequests().size(), 1u);
    EXPECT_EQ(fake.FolderRequests()[0].title, "エクスポートファイルのフォルダーを選択");
    EXPECT_EQ(fake.FolderRequests()[0].initialFolder, dir.Path());
    const std::string summary =
        Summary(In(folder, "employees.txt"), "給与集計表：3か月分\n賞与集計表：2回分", {In(folder, "notes.pdf")});
    EXPECT_EQ(Texts(), (std::vector<std::string>{summary, summary}));
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Information);
    EXPECT_EQ(fake.Messages()[0].waitDepth, 0);
    EXPECT_EQ(fake.WaitCursorsShown(), 2);
    EXPECT_EQ(sheet->Job().slots[5].path, "");
    EXPECT_EQ(sheet->Job().slots[13].path, In(folder, "a-winter.txt"));
}

TEST_F(Drops, TheSummarySaysWhatWasLeftOutAndWhichBonusesWentByName)
{
    const std::string folder = CompanyFolder();
    // As the folder's sorting joins them (a backslash on Windows).
    const std::string undated = In(folder, "c-bonus.txt");
    const std::string report = In(folder, "report.csv");
    Write("company/c-bonus.txt", Replaced(TestDataBytes("engine/edge/bonus-1.txt"), "夏期賞与", "決算賞与"));
    Write("company/report.csv", text::CsvRow(preflight::ReconciliationHeadings()));
    RunSheet([&](FakeWizard& w) {
        w.Next();
        w.Drop({folder});
        EXPECT_EQ(sheet->Job().slots[14].path, undated);
        // An export that cannot be read refuses the folder; the job stays.
        Write("company/d-bonus.txt", "\x1A" + TestDataBytes("engine/edge/bonus-1.txt"));
        w.Drop({folder});
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    job::FolderExports sorted;
    sorted.bonus = {In(folder, "b-summer.txt"), In(folder, "a-winter.txt"), undated};
    sorted.undatedBonus = {undated};
    RecordingMessageBox box;
    EXPECT_EQ(
        texts[0],
        Summary(In(folder, "employees.txt"), "給与集計表：3か月分\n賞与集計表：3回分", {In(folder, "notes.pdf")}) +
            "\n\nこのプログラムが作成した照合表または一覧のため、次のファイルは読み込みませんでした。\n" + report +
            "\n\n" + job::UndatedBonusNote(sorted, platform::Messenger(box)));
    EXPECT_NE(texts[1].find(In(folder, "d-bonus.txt")), std::string::npos) << texts[1];
    EXPECT_EQ(fake.Messages()[1].icon, Icon::Warning);
    EXPECT_EQ(sheet->Job().slots[14].path, undated);
}

TEST_F(Drops, SeveralFilesOnTheEmployeePageAreSortedLikeAFolder)
{
    const std::string folder = CompanyFolder();
    const std::string loose = Folder("loose", {{"employees.txt", EmployeeBytes()}});
    RunSheet([&](FakeWizard& w) {
        w.Next();
        // The list alone in a folder: nothing else to place.
        w.Drop({loose});
        w.Drop({In(folder, "salary-04.txt"), In(folder, "employees.txt"), In(folder, "notes.pdf"), loose});
        EXPECT_EQ(w.Text(ControlId::EmployeePath), In(folder, "employees.txt"));
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{Summary(In(loose, "employees.txt"), "給与集計表：なし\n賞与集計表：なし", {}),
                                        Summary(In(folder, "employees.txt"), "給与集計表：1か月分\n賞与集計表：なし",
                                                {In(folder, "notes.pdf"), loose})}));
    EXPECT_EQ(sheet->Job().slots[3].path, In(folder, "salary-04.txt"));
}

TEST_F(Drops, AFolderOrFilesThatMakeNoJobAreRefusedAndChangeNothing)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    const std::string twoLists =
        Folder("two", {{"a.txt", EmployeeBytes()}, {"b.txt", EmployeeBytes()}, {"salary.txt", SalaryBytes(5)}});
    const std::string twoMarches =
        Folder("march", {{"e.txt", EmployeeBytes()}, {"m1.txt", SalaryBytes(3)}, {"m2.txt", SalaryBytes(3)}});
    RunSheet([&](FakeWizard& w) {
        w.Next();
        ChooseFiles(fake, w, ControlId::EmployeeBrowse, {employees});
        w.Next();
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
        w.Back();
        w.Drop({twoLists});
        fake.QueueFolder(twoMarches);
        w.Press(ControlId::EmployeeFolder);
        w.Drop({salary, Bonus()});
        fake.QueueFolderCancel();
        w.Press(ControlId::EmployeeFolder);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        EXPECT_TRUE(w.CanNext());
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
              "フォルダーに従業員(一覧表)のエクスポートファイルが2つ以上あります。どちらを使うか決められません。\n\n" +
                  In(twoLists, "a.txt") + "\n" + In(twoLists, "b.txt"));
    EXPECT_EQ(texts[1],
              "3月度の給与集計表が2つ以上あります。\n\n" + In(twoMarches, "m1.txt") + "\n" + In(twoMarches, "m2.txt"));
    EXPECT_EQ(texts[2], "ドロップされたファイルに従業員(一覧表)のエクスポートファイルがありません。");
    for (const auto& message : fake.Messages())
        EXPECT_EQ(message.icon, Icon::Warning);
    EXPECT_EQ(sheet->Job().employeeList, employees);
    EXPECT_EQ(sheet->Job().slots[3].path, salary);
}

// The folder button places a folder's files as job::PlaceExports does (the
// converter's FolderBatchTest shows the same of --folder).
TEST_F(Drops, TheFolderButtonPlacesAFolderAsPlaceExportsPlacesIt)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    const std::string folder = CompanyFolder();
    RecordingMessageBox box;
    const platform::Messenger messenger(box);
    const auto place = [&](job::Job& job) {
        return job::PlaceExports(job::SortFolder(folder, messenger), job, messenger).refusal;
    };
    job::Job clean;
    ASSERT_EQ(place(clean), "");
    std::string refusal;
    const std::string link = In(folder, "c-summer.txt");
#ifndef _WIN32
    // A second name (a hard link) of the summer bonus, paid on the same day:
    // PlaceExports refuses it by name.
    std::filesystem::create_hard_link(In(folder, "b-summer.txt"), link);
    job::Job refused;
    refusal = place(refused);
    EXPECT_NE(refusal.find(link), std::string::npos) << refusal;
#endif
    RunSheet([&](FakeWizard& w) {
        w.Next();
        ChooseFiles(fake, w, ControlId::EmployeeBrowse, {employees});
        w.Next();
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
        w.Back();
        const job::Job before = sheet->Job();
        if (!refusal.empty()) {
            // Refused: every earlier choice stays.
            fake.QueueFolder(folder);
            w.Press(ControlId::EmployeeFolder);
            EXPECT_EQ(sheet->Job(), before);
            EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
            EXPECT_TRUE(w.CanNext());
            std::filesystem::remove(link);
        }
        fake.QueueFolder(folder);
        w.Press(ControlId::EmployeeFolder);
        job::Job placed = before;
        placed.employeeList = clean.employeeList;
        placed.companyName = clean.companyName;
        placed.slots = clean.slots;
        EXPECT_EQ(sheet->Job(), placed);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    const auto& shown = fake.Messages();
    ASSERT_EQ(shown.size(), refusal.empty() ? 1u : 2u);
    if (!refusal.empty()) {
        EXPECT_EQ(shown[0].text, refusal);
        EXPECT_EQ(shown[0].icon, Icon::Warning);
    }
    EXPECT_EQ(shown.back().icon, Icon::Information);
}

TEST_F(Drops, FilesOnTheSalaryPageAreOneBrowseAction)
{
    const std::string employees = Employees();
    const std::string good = Salary(4);
    const std::string may = Salary(5);
    const std::string bonus = Bonus();
    RunSheet([&](FakeWizard& w) {
        ToSalaryPage(fake, w, employees);
        // The row under the drop does not matter: the label line decides.
        w.Drop({bonus, good, may}, ControlId::SalaryList, 0);
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 3, 1), good);
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 4, 1), may);
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 0, 1), "");
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(fake.OpenRequests().size(), 1u);
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text,
              "選択されたファイルは正しいファイルではありません。\n正しい給与の集計表のエクスポートファイルを選択してく"
              "ださい。"
              "\n\n[給与データ以外のファイルが選択されている場合等]\n" +
                  bonus + "\n　このファイルは賞与の集計表です。\n");
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);
}

TEST_F(Drops, FilesOnABonusRowFillItAndTheEmptyRowsBelowInPaymentOrder)
{
    const std::string employees = Employees();
    const std::string kept = Bonus("kept.txt");
    const std::string first = Bonus("first.txt");
    const std::string winter = Write("a-winter.txt", DatedBonus("令和 6年12月10日"));
    const std::string summer = Write("b-summer.txt", DatedBonus("令和 6年 7月10日"));
    const std::string april = Salary(4);
    const std::string extra1 = Bonus("extra-1.txt");
    const std::string extra2 = Bonus("extra-2.txt");
    RunSheet([&](FakeWizard& w) {
        ToSalaryPage(fake, w, employees);
        w.Next();
        ChooseFiles(fake, w, ControlId::BonusBrowse1, {first});
        ChooseFiles(fake, w, ControlId::BonusBrowse3, {kept});
        // On row 2's label: row 2, then row 4 (row 3 is taken); the salary summary is refused.
        w.Drop({winter, april, summer}, ControlId::BonusLabel2);
        EXPECT_EQ(w.Text(ControlId::BonusPath2), summer);
        EXPECT_EQ(w.Text(ControlId::BonusPath3), kept);
        EXPECT_EQ(w.Text(ControlId::BonusPath4), winter);
        // One file on a row: exactly the row's button choice.
        w.Drop({april}, ControlId::BonusBrowse5);
        // Beside the rows: the first empty row, the rest find no room.
        w.Drop({extra1, extra2}, ControlId::BonusIntro);
        EXPECT_EQ(w.Text(ControlId::BonusPath5), extra1);
        EXPECT_EQ(w.Text(ControlId::BonusPath1), first);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(sheet->Job().slots[13].path, summer);
    EXPECT_EQ(sheet->Job().slots[15].path, winter);
    EXPECT_EQ(sheet->Job().slots[16].path, extra1);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], kBonusRefused + april + "\n　このファイルは給与の集計表です。\n");
    EXPECT_EQ(texts[1], texts[0]);
    EXPECT_EQ(texts[2], "賞与の空いている欄がないため、次のファイルは設定しませんでした。\n\n" + extra2);
    EXPECT_EQ(fake.Messages()[0].icon, Icon::None);
    EXPECT_EQ(fake.Messages()[2].icon, Icon::Warning);
}

}  // namespace
}  // namespace corvane::test
