#include <gtest/gtest.h>

#include <filesystem>

#include "engine/CExchangeFromSormaToVeld.h"
#include "support/GoldenFile.h"
#include "items/CSormaItemCheck.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

using corvane::CExchangeFromSormaToVeld;
using corvane::CSormaItemCheck;
using corvane::TransferMode;
using corvane::platform::Icon;
using corvane::test::ReadFileBytes;
using corvane::test::RecordingMessageBox;
using corvane::test::SameDocument;
using corvane::test::TempDir;
using corvane::test::TestData;

namespace {

std::size_t Count(const std::string& haystack, const std::string& needle)
{
    std::size_t n = 0;
    for (auto pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + 1))
        ++n;
    return n;
}

class Exchange : public ::testing::Test {
protected:
    Exchange()
    {
        // The edge fixtures carry the four figures in columns 2 to 5.
        const char* names[] = {"課税支給合計", "社会保険料計", "扶養人数", "所得税"};
        for (std::size_t i = 0; i < 4; ++i) {
            items.Entries()[i].chosenPayrollItem = names[i];
            items.Entries()[i].chosenPosition = static_cast<std::int32_t>(i + 2);
        }
    }

    std::string Fixture(const std::string& name) { return dir.Write(name, TestData("engine/edge/" + name)); }

    // Seventeen empty slots, then the employee list.
    std::vector<std::string> Paths(const std::string& employees)
    {
        std::vector<std::string> paths(17);
        paths.push_back(employees);
        return paths;
    }

    bool Run(const std::vector<std::string>& paths, const std::string& out, TransferMode mode,
             const std::string& functionId)
    {
        CExchangeFromSormaToVeld engine(messenger);
        return engine.Exchange(paths, static_cast<int>(paths.size()), out, mode, functionId, items, "6");
    }

    TempDir dir;
    RecordingMessageBox box;
    corvane::platform::Messenger messenger{box};
    CSormaItemCheck items{dir.File("Corvane.ENV")};
};

TEST_F(Exchange, ConvertsEveryEmployeeItemAndPayRecord)
{
    auto paths = Paths(Fixture("employees.txt"));
    paths[3] = Fixture("salary-04.txt");
    paths[12] = Fixture("bonus-1.txt");
    const auto out = dir.File("out.XML");
    ASSERT_TRUE(Run(paths, out, TransferMode::Easy, "3"));
    // Started by another program: no completion message.
    EXPECT_TRUE(box.Messages().empty());
    EXPECT_TRUE(SameDocument("engine/edge/expected.XML", ReadFileBytes(out)));
}

TEST_F(Exchange, EmployeeListAloneGivesSeventeenEmptyRecordsAndTheCompletionMessage)
{
    const auto out = dir.File("out.XML");
    ASSERT_TRUE(Run(Paths(Fixture("employees.txt")), out, TransferMode::Normal, "1"));
    const auto xml = ReadFileBytes(out);
    EXPECT_EQ(Count(xml, "<SYAIN "), 4u);
    EXPECT_EQ(Count(xml, "<KYUUYO KUBUN="), 4u * 12);
    EXPECT_EQ(Count(xml, "<SYOUYO KUBUN="), 4u * 5);
    EXPECT_EQ(Count(xml, "<SOUSIKYUUGAKU/>"), 4u * 17);
    EXPECT_EQ(Count(xml, "<KYUUYO KUBUN=\"13\">"), 0u);
    EXPECT_EQ(Count(xml, "<SYOUYO KUBUN=\"18\">"), 4u);
    ASSERT_EQ(box.Messages().size(), 1u);
    EXPECT_EQ(box.Messages()[0].text, "正常に終了しました。");
    EXPECT_EQ(box.Messages()[0].icon, Icon::Information);
    EXPECT_EQ(box.Messages()[0].caption, corvane::platform::AppTitle());
}

TEST_F(Exchange, OnlyFunctionIdOneShowsTheCompletionMessage)
{
    for (const char* id : {"3", "01", "1 ", ""}) {
        box.Clear();
        ASSERT_TRUE(Run(Paths(Fixture("employees.txt")), dir.File("out.XML"), TransferMode::Normal, id));
        EXPECT_TRUE(box.Messages().empty()) << "function id " << id;
    }
}

TEST_F(Exchange, NoEmployeeRowsWritesNothingAndSaysSo)
{
    const auto list = dir.Write("list.txt", "従業員(一覧表),テスト商事\r\n\r\nコード,氏名\r\n");
    const auto out = dir.File("out.XML");
    EXPECT_FALSE(Run(Paths(list), out, TransferMode::Normal, "1"));
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(box.Texts(), std::vector<std::string>{corvane::CSormaKyuuyo::NoEmployeesMessage() + list});
}

TEST_F(Exchange, MissingExportFileStopsBeforeWriting)
{
    auto paths = Paths(Fixture("employees.txt"));
    paths[0] = dir.File("gone.txt");
    const auto out = dir.File("out.XML");
    EXPECT_FALSE(Run(paths, out, TransferMode::Normal, "1"));
    EXPECT_FALSE(std::filesystem::exists(out));
    ASSERT_EQ(box.Texts().size(), 1u);
    EXPECT_EQ(box.Texts()[0], corvane::CSormaKyuuyo::FileMissingMessage());
}

TEST_F(Exchange, WriteFailureIsShownWithTheOutputPathAndIsNoSuccess)
{
    const auto list = Fixture("employees.txt");
    for (const auto& out : {dir.File("no-such-folder/out.XML"), dir.Path()}) {
        box.Clear();
        const auto before = dir.Listing();
        EXPECT_FALSE(Run(Paths(list), out, TransferMode::Normal, "1"));
        ASSERT_EQ(box.Messages().size(), 1u) << out;
        const auto& shown = box.Messages()[0];
        EXPECT_NE(shown.text.find("中間ファイルを作成できませんでした。"), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find(out), std::string::npos) << shown.text;
        EXPECT_EQ(shown.icon, Icon::Warning);
        EXPECT_EQ(dir.Listing(), before);
    }
}

}  // namespace
