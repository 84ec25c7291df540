#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "fileio/FileStatus.h"
#include "items/CSormaItemCheck.h"
#include "support/TempDir.h"

namespace corvane {
namespace {

using Line = CSormaItemCheck::Line;
using Texts = std::vector<std::string>;

const std::string kHeader = "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n";
const std::string kStandardHeadings = "課税支給合計,社会保険料計,扶養人数,所得税";

// A summary export whose fifth line holds `headings`.
std::string SummaryWithHeadings(const std::string& headings)
{
    return "集計表,サンプル商事\r\n\r\n4月度給与\r\n\r\n" + headings + "\r\n001,a,1,2,3,4\r\n";
}

struct Choice {
    std::string item;
    int position;
    bool operator==(const Choice&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Choice& choice)
{
    return out << "{" << choice.item << "," << choice.position << "}";
}

std::vector<Choice> Choices(const CSormaItemCheck& items)
{
    std::vector<Choice> choices;
    for (const auto& entry : items.Entries())
        choices.push_back({entry.chosenPayrollItem, entry.chosenPosition});
    return choices;
}

const std::vector<Choice> kNoChoices{{"", -1}, {"", -1}, {"", -1}, {"", -1}};
const std::vector<Choice> kDefaults{{"課税支給合計", 0}, {"社会保険料計", 1}, {"扶養人数", 2}, {"所得税", 3}};

class ItemCheckTest : public ::testing::Test {
protected:
    std::string WriteSettings(const std::string& bytes) { return dir.Write("Corvane.ENV", bytes); }
    std::string Settings() const { return test::ReadFileBytes(dir.File("Corvane.ENV")); }
    std::string Reference(const std::string& headings)
    {
        return dir.Write("reference.TXT", SummaryWithHeadings(headings));
    }

    test::TempDir dir;
    CSormaItemCheck items{dir.File("Corvane.ENV")};
};

TEST_F(ItemCheckTest, ChosenPositionForKnowsOnlyTheDefaultItems)
{
    items.Entries()[2].chosenPosition = 17;
    EXPECT_EQ(items.ChosenPositionFor("扶養人数"), 17);
    EXPECT_EQ(items.ChosenPositionFor("所得税"), -1);
    EXPECT_EQ(items.ChosenPositionFor("扶養親族等の数"), -1);
    EXPECT_EQ(items.ChosenPositionFor("コード"), -1);
}

// What Choose and Clear leave is what the reader and the settings line see.
TEST_F(ItemCheckTest, ChooseAndClearSetTheColumnThatIsReadAndSaved)
{
    auto& entries = items.Entries();
    CSormaItemCheck::Choose(entries[1], "健康保険料", 60);
    EXPECT_EQ(items.ChosenPositionFor("社会保険料計"), 60);
    // The entry's own item, passed back in, survives.
    CSormaItemCheck::Choose(entries[1], entries[1].chosenPayrollItem, 61);
    EXPECT_EQ(items.CompanyLine("A"), (Line{"A", "", "-1", "健康保険料", "61", "", "-1", "", "-1"}));
    CSormaItemCheck::Clear(entries[1]);
    EXPECT_EQ(Choices(items), kNoChoices);
}

TEST(DefaultSettingsPath, IsNextToTheExecutable)
{
    const std::string sep(1, fileio::PathSeparator());
    EXPECT_EQ(CSormaItemCheck::DefaultSettingsPath(sep + "opt" + sep + "corvane" + sep + "corvane"),
              sep + "opt" + sep + "corvane" + sep + "Corvane.ENV");
    EXPECT_EQ(CSormaItemCheck::DefaultSettingsPath(sep + "corvane"), sep + "Corvane.ENV");
    EXPECT_EQ(CSormaItemCheck::DefaultSettingsPath("corvane"), "Corvane.ENV");

    // A folder this process may write keeps the file beside the program.
    test::TempDir dir;
    EXPECT_EQ(CSormaItemCheck::DefaultSettingsPath(dir.File("corvane")), dir.File("Corvane.ENV"));
}

TEST(DefaultSettingsPath, TheUsersFolderFollowsTheXdgRules)
{
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath("/home/u/conf", "/home/u"), "/home/u/conf/corvane/Corvane.ENV");
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath("/home/u/conf//", "/home/u"), "/home/u/conf/corvane/Corvane.ENV");
    // Unset, empty or relative: ~/.config.
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath(nullptr, "/home/u"), "/home/u/.config/corvane/Corvane.ENV");
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath("", "/home/u/"), "/home/u/.config/corvane/Corvane.ENV");
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath("conf", "/home/u"), "/home/u/.config/corvane/Corvane.ENV");
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath("/", nullptr), "/corvane/Corvane.ENV");
    // Nothing to go by: the caller keeps the file beside the program.
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath(nullptr, nullptr), "");
    EXPECT_EQ(CSormaItemCheck::UserSettingsPath("conf", "home"), "");
}

TEST_F(ItemCheckTest, SettingsRoundTrip)
{
    WriteSettings(
        "anything at all here\n"
        "会社Ａ,課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5\n"
        "\n"
        "  \"商事,株式会社\",支給額,7,,-1,扶養人数,9,所得税,10  \r\n"
        "標準会社,課税支給合計,0,社会保険料計,1,扶養人数,2,所得税,3\r\n"
        "会社Ａ,課税支給合計,6,社会保険料計,7,扶養人数,8,所得税,9\r\n"
        "短い会社,課税支給合計");
    items.LoadSettings();
    ASSERT_EQ(items.StoredLines().size(), 6u);
    EXPECT_EQ(items.StoredLines()[1], (Line{""}));
    EXPECT_EQ(items.StoredLines()[2].front(), "\"商事,株式会社\"");
    // The later of two lines for one company is the one found.
    ASSERT_NE(items.StoredLineFor("会社Ａ"), nullptr);
    EXPECT_EQ(items.StoredLineFor("会社Ａ")->at(2), "6");
    EXPECT_EQ(items.StoredLineFor("会社Ｂ"), nullptr);

    items.StoreCompanyLine({"会社Ａ", "課税支給合計", "12", "", "-1", "扶養人数", "14", "所得税", "15"});
    items.StoreCompanyLine({"新会社", "課税支給合計", "2", "社会保険料計", "3", "扶養人数", "4", "所得税", "5"});
    ASSERT_EQ(items.SaveSettings(), fileio::WriteError::None);
    EXPECT_EQ(Settings(), kHeader +
                              "会社Ａ,課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5\r\n"
                              "\r\n"
                              "\"商事,株式会社\",支給額,7,,-1,扶養人数,9,所得税,10\r\n"
                              "会社Ａ,課税支給合計,12,,-1,扶養人数,14,所得税,15\r\n"
                              "短い会社,課税支給合計\r\n"
                              "新会社,課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5\r\n");
    EXPECT_EQ(dir.Listing(), "Corvane.ENV\n");  // no temporary file left behind

    CSormaItemCheck again(dir.File("Corvane.ENV"));
    again.LoadSettings();
    ASSERT_EQ(again.StoredLines().size(), 6u);
    EXPECT_EQ(again.StoredLines()[2], items.StoredLines()[2]);  // the quoted name is one field again
}

TEST_F(ItemCheckTest, ANameThatStartsWithABlankFindsItsLineAfterASave)
{
    // A title's company field as ", 商事" or with a form feed: the file's line loses the blank when read.
    for (const std::string company : {" 商事", "\f\t商事 ", "\f\f"}) {
        std::filesystem::remove(dir.File("Corvane.ENV"));
        for (int run = 0; run < 2; ++run) {
            CSormaItemCheck check(dir.File("Corvane.ENV"));
            check.LoadSettings();
            if (run == 1) {
                ASSERT_NE(check.StoredLineFor(company), nullptr) << company;
                EXPECT_EQ(check.StoredLineFor(company)->at(2), "7") << company;
            }
            CSormaItemCheck::Choose(check.Entries()[0], "課税支給合計", 7);
            check.StoreCompanyLine(check.CompanyLine(company));
            ASSERT_EQ(check.SaveSettings(), fileio::WriteError::None);
        }
        // Two runs keep one line for the company.
        CSormaItemCheck check(dir.File("Corvane.ENV"));
        check.LoadSettings();
        EXPECT_EQ(check.StoredLines().size(), 1u) << company;
    }
}

TEST_F(ItemCheckTest, LongLinesSurviveARoundTrip)
{
    const std::string company(3000, 'C');
    const std::string line = company + ",課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5";
    WriteSettings(kHeader + line + "\r\n");
    items.LoadSettings();
    ASSERT_EQ(items.StoredLines().size(), 1u);
    EXPECT_EQ(items.StoredLines()[0].front(), company);
    items.StoreCompanyLine(items.StoredLines()[0]);
    ASSERT_EQ(items.SaveSettings(), fileio::WriteError::None);
    EXPECT_EQ(Settings(), kHeader + line + "\r\n");
}

TEST_F(ItemCheckTest, HeaderOnlyFileGainsOneCompanyLine)
{
    WriteSettings(kHeader);
    items.LoadSettings();
    EXPECT_TRUE(items.StoredLines().empty());
    items.Entries()[0].chosenPayrollItem = "支給額";
    items.Entries()[0].chosenPosition = 7;
    items.StoreCompanyLine(items.CompanyLine("サンプル商事"));
    ASSERT_EQ(items.SaveSettings(), fileio::WriteError::None);
    EXPECT_EQ(Settings(), kHeader + "サンプル商事,支給額,7,,-1,,-1,,-1\r\n");
}

TEST_F(ItemCheckTest, AFileThatHoldsTheSameBytesIsNotReplacedAndALineTakenFromABatchIsNotSaved)
{
    const std::string saved = kHeader + "サンプル商事,支給額,7,,-1,,-1,,-1\r\n";
    WriteSettings(saved);
    struct stat was {};
    ASSERT_EQ(::stat(dir.File("Corvane.ENV").c_str(), &was), 0);
    items.LoadSettings();
    items.StoreCompanyLine(items.StoredLines()[0]);
    ASSERT_EQ(items.SaveSettings(), fileio::WriteError::None);
    EXPECT_TRUE(items.UnsavedLines().empty());
    struct stat is {};
    ASSERT_EQ(::stat(dir.File("Corvane.ENV").c_str(), &is), 0);
    EXPECT_EQ(is.st_ino, was.st_ino) << "replaced by a file of the same bytes";
    EXPECT_EQ(Settings(), saved);

    // A line handed over as if read is known, not written.
    CSormaItemCheck batchJob(dir.File("other.ENV"));
    batchJob.UseStoredLine({"別会社", "支給額", "7", "", "-1", "", "-1", "", "-1"});
    ASSERT_NE(batchJob.StoredLineFor("別会社"), nullptr);
    EXPECT_TRUE(batchJob.UnsavedLines().empty());
}

TEST_F(ItemCheckTest, MissingFileGivesNoLinesAndNothingIsWritten)
{
    items.LoadSettings();
    EXPECT_TRUE(items.StoredLines().empty());
    EXPECT_EQ(items.SaveSettings(), fileio::WriteError::None);
    EXPECT_EQ(dir.Listing(), "");
}

TEST_F(ItemCheckTest, FailedSaveIsReported)
{
    CSormaItemCheck intoFolder(dir.Path());
    intoFolder.StoreCompanyLine({"会社", "a", "1"});
    EXPECT_EQ(intoFolder.SaveSettings(), fileio::WriteError::Create);

    CSormaItemCheck missingFolder(dir.File("none") + fileio::PathSeparator() + "Corvane.ENV");
    missingFolder.StoreCompanyLine({"会社", "a", "1"});
    EXPECT_EQ(missingFolder.SaveSettings(), fileio::WriteError::Create);
    EXPECT_EQ(dir.Listing(), "");
}

TEST_F(ItemCheckTest, StoreCompanyLineUpdatesInPlace)
{
    WriteSettings(kHeader + "Ａ,x,1\r\nＢ,y,2,z,3,w,4,v,5\r\nＡ,u,6,t,7,s,8,r,9,extra\r\nＣ,課税支給合計,2\r\n");
    items.LoadSettings();
    const Line update{"", "1", "2", "3", "4", "5", "6", "7", "8"};
    for (const char* company : {"Ｂ", "Ａ", "Ｃ"}) {
        Line line = update;
        line[0] = company;
        items.StoreCompanyLine(line);
    }
    // The later line of Ａ is updated; the short line of Ｃ is lengthened so that no choice is lost.
    EXPECT_EQ(items.StoredLines(), (std::vector<Line>{
                                       {"Ａ", "x", "1"},
                                       {"Ｂ", "1", "2", "3", "4", "5", "6", "7", "8"},
                                       {"Ａ", "1", "2", "3", "4", "5", "6", "7", "8", "extra"},
                                       {"Ｃ", "1", "2", "3", "4", "5", "6", "7", "8"},
                                   }));
}

TEST_F(ItemCheckTest, IsStandardLine)
{
    struct Case {
        Line line;
        bool standard;
    };
    const Case cases[] = {
        {{"会社", "課税支給合計", "0", "社会保険料計", "1", "扶養人数", "2", "所得税", "3"}, true},
        {{"会社", "課税支給合計", " 0", "社会保険料計", "1abc", "扶養人数", "+2", "所得税", "3"}, true},
        {{"会社", "課税支給合計", "", "社会保険料計", "1", "扶養人数", "2", "所得税", "3"}, true},
        {{"会社", "課税支給合計", "0", "社会保険料計", "1", "扶養人数", "2", "所得税", "4"}, false},
        {{"会社", "課税支給合計", "0", "社会保険料計", "1", "扶養人数", "2", "住民税", "3"}, false},
        {{"会社", "課税支給合計", "0", "社会保険料計", "1", "扶養人数", "2", "所得税"}, false},
        {{"会社", "課税支給合計", "0", "社会保険料計", "1", "扶養人数", "2", "所得税", "3", ""}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(items.IsStandardLine(c.line), c.standard) << testing::PrintToString(c.line);
}

TEST_F(ItemCheckTest, ReadHeadingsTakesTheFifthLine)
{
    Texts headings{"unchanged"};
    items.ReadHeadings(dir.Write("short.TXT", "1\r\n2\r\n3\r\n4\r\n"), headings);
    EXPECT_EQ(headings, (Texts{"unchanged"}));
    items.ReadHeadings(dir.File("none.TXT"), headings);
    EXPECT_EQ(headings, (Texts{"unchanged"}));
    items.ReadHeadings(dir.Write("blank.TXT", "\n\n\n\n  コード, 氏名 ,\"a,b\"\t\r\n"), headings);
    EXPECT_EQ(headings, (Texts{"コード", " 氏名 ", "\"a,b\""}));
    EXPECT_FALSE(items.HeadingsMatchStandardLayout(dir.File("short.TXT")));
}

TEST_F(ItemCheckTest, StandardLayoutNeedsTheFourHeadingsInFront)
{
    EXPECT_TRUE(items.HeadingsMatchStandardLayout(Reference(kStandardHeadings + ",コード")));
    EXPECT_TRUE(items.HeadingsMatchStandardLayout(Reference(kStandardHeadings)));
    EXPECT_FALSE(items.HeadingsMatchStandardLayout(Reference("課税支給合計,社会保険料計,扶養人数")));
    EXPECT_FALSE(items.HeadingsMatchStandardLayout(Reference("コード," + kStandardHeadings)));
}

TEST_F(ItemCheckTest, PrepareChoicesSkipsThePageForTheStandardLayout)
{
    EXPECT_TRUE(items.PrepareChoices(Reference(kStandardHeadings + ",住民税"), "会社"));
    EXPECT_EQ(Choices(items), kDefaults);
}

TEST_F(ItemCheckTest, PrepareChoicesRestoresTheStoredLine)
{
    WriteSettings(kHeader +
                  "会社,課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5\r\n"
                  "会社,課税支給合計,2,控除計,3,扶養人数,9,扶養人数,4\r\n");
    items.LoadSettings();
    // 控除計 is gone, so its entry takes its usual heading; 扶養人数 is found
    // again though 9 is past the end; 4 is 扶養人数 (restored though it is not 所得税).
    EXPECT_FALSE(items.PrepareChoices(Reference("コード,氏名,課税支給合計,社会保険料計,扶養人数,所得税"), "会社"));
    EXPECT_EQ(Choices(items),
              (std::vector<Choice>{{"課税支給合計", 2}, {"社会保険料計", 3}, {"扶養人数", 4}, {"扶養人数", 4}}));
}

TEST_F(ItemCheckTest, PrepareChoicesGivesMissingPairsTheirUsualHeading)
{
    WriteSettings(kHeader + "会社,課税支給合計,2,社会保険料計\r\n");
    items.LoadSettings();
    EXPECT_FALSE(items.PrepareChoices(Reference("コード,氏名,課税支給合計,社会保険料計"), "会社"));
    EXPECT_EQ(Choices(items), (std::vector<Choice>{{"課税支給合計", 2}, {"社会保険料計", 3}, {"", -1}, {"", -1}}));
}

TEST_F(ItemCheckTest, PrepareChoicesFollowsStoredHeadingsToTheirNewPlace)
{
    // One column inserted in front: every stored pair has moved by one.
    WriteSettings(kHeader + "会社,課税支給合計,2,控除計,3,扶養人数,4,住民税,5\r\n");
    items.LoadSettings();
    EXPECT_FALSE(items.PrepareChoices(
        Reference("コード,行項目名,基本給,課税支給合計,社会保険料計,扶養人数,住民税,住民税"), "会社"));
    // 控除計 is gone and 社会保険料計 stands once; 住民税 stands twice and 所得税 nowhere.
    EXPECT_EQ(Choices(items),
              (std::vector<Choice>{{"課税支給合計", 3}, {"社会保険料計", 4}, {"扶養人数", 5}, {"", -1}}));
}

TEST_F(ItemCheckTest, PrepareChoicesTakesUniqueHeadingsOnTheFirstRun)
{
    WriteSettings(kHeader + "他社,課税支給合計,2,社会保険料計,3,扶養人数,4,所得税,5\r\n");
    items.LoadSettings();
    EXPECT_FALSE(
        items.PrepareChoices(Reference("コード,行項目名,扶養人数,課税支給合計,住民税,扶養人数,社会保険料計"), "会社"));
    EXPECT_EQ(Choices(items), (std::vector<Choice>{{"課税支給合計", 3}, {"社会保険料計", 6}, {"", -1}, {"", -1}}));
}

TEST_F(ItemCheckTest, PrepareChoicesKeepsEarlierChoicesUnlessStandard)
{
    items.Entries()[1].chosenPayrollItem = "控除計";
    items.Entries()[1].chosenPosition = 3;
    const auto before = Choices(items);
    EXPECT_FALSE(items.PrepareChoices(Reference("コード,行項目名,課税支給合計,控除計"), "会社"));
    EXPECT_EQ(Choices(items), before);
    EXPECT_TRUE(items.PrepareChoices(Reference(kStandardHeadings), "会社"));
    EXPECT_EQ(Choices(items), kDefaults);
}

TEST_F(ItemCheckTest, PrepareChoicesChecksEarlierChoicesAgainstOtherFiles)
{
    const std::vector<Choice> earlier{{"課税支給合計", 2}, {"社会保険料計", 3}, {"扶養人数", 4}, {"控除計", 5}};
    for (std::size_t i = 0; i < earlier.size(); ++i) {
        items.Entries()[i].chosenPayrollItem = earlier[i].item;
        items.Entries()[i].chosenPosition = earlier[i].position;
    }
    // Back on the bonus page, summary files of another layout are picked.
    EXPECT_FALSE(items.PrepareChoices(
        Reference("コード,行項目名,課税支給合計,所得税,社会保険料計,扶養人数,扶養人数,基本給"), "会社"));
    // Still in place; moved to its one new place; standing twice; gone.
    EXPECT_EQ(Choices(items), (std::vector<Choice>{{"課税支給合計", 2}, {"社会保険料計", 4}, {"", -1}, {"", -1}}));
}

TEST_F(ItemCheckTest, UnreadableReferenceGivesNoChoice)
{
    EXPECT_FALSE(items.PrepareChoices(dir.File("none.TXT"), "会社"));
    EXPECT_EQ(Choices(items), kNoChoices);
}

TEST_F(ItemCheckTest, SavesMergeIntoWhatAnotherRunSavedMeanwhile)
{
    WriteSettings(kHeader + "前からの会社,支給額,7,,-1,,-1,,-1\r\n");
    CSormaItemCheck first(dir.File("Corvane.ENV"));
    CSormaItemCheck second(dir.File("Corvane.ENV"));
    first.LoadSettings();
    second.LoadSettings();
    first.StoreCompanyLine({"会社Ａ", "a", "2", "", "-1", "", "-1", "", "-1"});
    second.StoreCompanyLine({"会社Ｂ", "b", "3", "", "-1", "", "-1", "", "-1"});
    second.StoreCompanyLine({"前からの会社", "c", "4", "", "-1", "", "-1", "", "-1"});
    ASSERT_EQ(first.SaveSettings(), fileio::WriteError::None);
    ASSERT_EQ(second.SaveSettings(), fileio::WriteError::None);
    EXPECT_EQ(Settings(), kHeader +
                              "前からの会社,c,4,,-1,,-1,,-1\r\n"
                              "会社Ａ,a,2,,-1,,-1,,-1\r\n"
                              "会社Ｂ,b,3,,-1,,-1,,-1\r\n");
    EXPECT_EQ(dir.Listing(), "Corvane.ENV\n");  // neither the lock file nor a temporary file stays
}

TEST_F(ItemCheckTest, OnlyARegularFileOfSaneSizeIsReadAndNothingElseIsReplaced)
{
    std::vector<std::string> unreadable;
    const std::string big = dir.File("big.ENV");
    {
        std::ofstream(big) << kHeader;
        std::filesystem::resize_file(big, CSormaItemCheck::kMaxSettingsBytes + 1);
    }
    unreadable.push_back(big);
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.File("fifo.ENV").c_str(), 0600), 0);
    unreadable.push_back(dir.File("fifo.ENV"));
#endif
    for (const auto& path : unreadable) {
        CSormaItemCheck settings(path);
        settings.LoadSettings();  // returns at once: nothing waits for a writer or reads on and on
        EXPECT_TRUE(settings.StoredLines().empty()) << path;
        settings.StoreCompanyLine({"会社", "a", "1"});
        EXPECT_EQ(settings.SaveSettings(), fileio::WriteError::Create) << path;
    }
    EXPECT_EQ(fileio::Status(big)->size, CSormaItemCheck::kMaxSettingsBytes + 1);
#ifndef _WIN32
    EXPECT_FALSE(fileio::Status(dir.File("fifo.ENV"))->isRegular);
    // Devices that never end are not read either.
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        CSormaItemCheck settings(device);
        settings.LoadSettings();
        EXPECT_TRUE(settings.StoredLines().empty()) << device;
    }
#endif
#ifdef _WIN32
    const std::string listing = "big.ENV\n";
#else
    const std::string listing = "big.ENV\nfifo.ENV\n";
#endif
    EXPECT_EQ(dir.Listing(), listing);
}

}  // namespace
}  // namespace corvane
