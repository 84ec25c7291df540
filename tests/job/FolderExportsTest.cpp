#include <gtest/gtest.h>

#include <filesystem>

#include "fileio/FileStatus.h"
#include "job/FolderExports.h"
#include "support/GoldenFile.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "text/Cp932.h"
#include "text/Format.h"

namespace corvane::test {
namespace {

// A company's folder: the stored sample exports (ten employees, twelve
// months, two bonuses), into which the cases put their own files.
class FolderExportsTest : public ::testing::Test {
protected:
    FolderExportsTest()
    {
        std::filesystem::create_directory(folder);
        for (const auto& entry : std::filesystem::directory_iterator(TestDataPath("convert/sample-10"))) {
            if (entry.path().extension() == ".txt")
                std::filesystem::copy_file(entry.path(), In(entry.path().filename().string()));
        }
    }

    // `name` in the folder, as the sorting joins them.
    std::string In(const std::string& name) const { return fileio::JoinPath(folder, name); }
    std::string Refusal() const { return job::SortFolder(folder, messenger).refusal; }

    TempDir dir;
    std::string folder = dir.File("company");
    RecordingMessageBox box;
    platform::Messenger messenger{box};
};

TEST_F(FolderExportsTest, RefusalsNameTheFiles)
{
    const std::string list = ReadFileBytes(In("employees.txt"));

    dir.Write("company/copy.txt", list);
    EXPECT_EQ(Refusal(),
              "フォルダーに従業員(一覧表)のエクスポートファイルが2つ以上あります。どちらを使うか決められません。\n\n" +
                  In("copy.txt\n") + In("employees.txt"));
    std::filesystem::remove(In("copy.txt"));

    std::filesystem::rename(In("employees.txt"), dir.File("employees.txt"));
    EXPECT_EQ(Refusal(), "フォルダーに従業員(一覧表)のエクスポートファイルがありません。");
    std::filesystem::rename(dir.File("employees.txt"), In("employees.txt"));

    // A second April (its label with a leading zero) and a file of another company.
    dir.Write("company/april.txt", ReadFileBytes(In("salary-04.txt")));
    dir.Write("company/other.txt",
              text::ReplaceAll(ReadFileBytes(In("salary-05.txt")), "サンプル商事株式会社", "別会社"));
    EXPECT_EQ(Refusal(), "従業員(一覧表)と関与先名が異なるエクスポートファイルがあります。\n\n" + In("other.txt\n\n") +
                             "4月度の給与集計表が2つ以上あります。\n\n" + In("april.txt\n") + In("salary-04.txt"));
    std::filesystem::remove(In("april.txt"));
    std::filesystem::remove(In("other.txt"));

    // Six payments: each its own label, since a copy would be the same payment.
    for (int i = 3; i <= 6; ++i)
        dir.Write(text::Format("company/bonus-%d.txt", i),
                  text::ReplaceAll(ReadFileBytes(In("bonus-1.txt")), "夏期賞与", text::Format("臨時賞与%d", i)));
    std::string bonuses;
    for (int i = 1; i <= 6; ++i)
        bonuses += "\n" + In(text::Format("bonus-%d.txt", i));
    EXPECT_EQ(Refusal(), "賞与集計表が6個あります。賞与は5回分までです。\n" + bonuses);

    EXPECT_TRUE(box.Messages().empty());
}

TEST_F(FolderExportsTest, PaymentDatesAreReadFromTheLabelLines)
{
    dir.Write("reiwa.txt", "賞与集計表,A\r\n\r\n夏期賞与\r\n支給日：令和 6年 7月10日\r\n");
    dir.Write("heisei.txt", "賞与集計表,A\r\n\r\n支給日:平成31年４月１日\r\n");
    dir.Write("western.txt", "賞与集計表,A\r\n\r\n冬期賞与\r\n支給日：　2024年12月 5日\r\n");
    dir.Write("none.txt", "賞与集計表,A\r\n\r\n夏期賞与\r\n支給日：令和 6年 7月\r\n");
    EXPECT_EQ(job::BonusPaymentDate(dir.File("reiwa.txt")), 20240710);
    EXPECT_EQ(job::BonusPaymentDate(dir.File("heisei.txt")), 0);  // full-width digits are no number
    EXPECT_EQ(job::BonusPaymentDate(dir.File("western.txt")), 20241205);
    EXPECT_EQ(job::BonusPaymentDate(dir.File("none.txt")), 0);
}

}  // namespace
}  // namespace corvane::test
