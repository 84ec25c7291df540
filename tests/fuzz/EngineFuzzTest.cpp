// Whole conversions through the job steps that the wizard and the batch
// converter share: random exports give well-formed documents, and a byte
// that no document may carry is refused before anything is written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CExchangeFromSormaToVeld.h"
#include "engine/UnwritableValue.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/RandomExports.h"
#include "items/CSormaItemCheck.h"
#include "support/RecordingMessageBox.h"
#include "support/ShellCommand.h"
#include "support/TempDir.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "job/JobSteps.h"

namespace corvane::fuzz {
namespace {

class EngineFuzz : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(test::RunCommand("xmllint --version").status, 0) << "xmllint is missing (scripts/setup-debian.sh)";
    }

    void WriteExports(const RandomExports& exports)
    {
        dir.Write("employees.txt", exports.ListBytes());
        dir.Write("salary-04.txt", exports.SalaryBytes());
    }

    job::ConversionOutcome Convert(const RandomExports& exports, const std::string& year = "7")
    {
        job::Job job;
        job.employeeList = dir.File("employees.txt");
        job.slots[3].path = dir.File("salary-04.txt");
        job.outputPath = out;
        job.functionId = job::kStartedByUser;
        job.filingYear = year;
        job.companyName = exports.company;
        CSormaItemCheck items(settings);
        for (std::size_t i = 0; i < 4; ++i) {
            items.Entries()[i].chosenPayrollItem = RandomExports::SalaryColumns()[i + 2];
            items.Entries()[i].chosenPosition = static_cast<std::int32_t>(i + 2);
        }
        return job::RunConversion(job, items, messenger);
    }

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    std::string out = dir.File("out.XML");
    std::string settings = dir.File("Corvane.ENV");
};

TEST_F(EngineFuzz, RandomExportsConvertToWellFormedShiftJis)
{
    Rng rng(0x5EED0401);
    const int count = Count(200);
    for (int n = 0; n < count; ++n) {
        const RandomExports exports = RandomExports::Make(rng, 25);
        box.Clear();
        WriteExports(exports);
        ASSERT_TRUE(Convert(exports).converted) << "exports " << n;
        ASSERT_EQ(box.Texts(), std::vector<std::string>{ConversionCompletedMessage()});

        const std::string bytes = test::ReadFileBytes(out);
        ASSERT_TRUE(Decodes(bytes, "SHIFT_JIS")) << "exports " << n;
        ASSERT_EQ(test::XmllintProblems(out), "") << "exports " << n;

        std::vector<std::string> expressions{"string(//KOMONSAKINAME)", "count(//SYAIN)"};
        std::vector<std::string> expected{ToUtf8(exports.company, "SHIFT_JIS"), std::to_string(exports.rows.size())};
        for (std::size_t i = 0; i < exports.rows.size(); ++i) {
            const auto& row = exports.rows[i];
            const std::string syain = text::Format("/REPORT/DATA/SYAIN[%zu]", i + 1);
            expressions.push_back("string(" + syain + "/@CODE)");
            expected.push_back(AsAttribute(ToUtf8(row.list[0], "SHIFT_JIS")));
            expressions.push_back("string(" + syain + "/@NAME)");
            expected.push_back(AsAttribute(ToUtf8(row.list[1], "SHIFT_JIS")));
            expressions.push_back("string(" + syain + "//SYOZOKU_NAME)");
            expected.push_back(ToUtf8(row.list[4], "SHIFT_JIS"));
            expressions.push_back("string(" + syain + "//YAKUSYOKU)");
            expected.push_back(ToUtf8(row.list[6], "SHIFT_JIS"));
            expressions.push_back("concat(" + syain + "//JUUSYO_1, " + syain + "//JUUSYO_2)");
            expected.push_back(ToUtf8(row.list[5], "SHIFT_JIS"));
            expressions.push_back("string(" + syain + "//KYUUYO[@KUBUN=\"4\"]/SOUSIKYUUGAKU)");
            expected.push_back(ToUtf8(RandomExports::Stored(row.salary[2], true), "SHIFT_JIS"));
            expressions.push_back("string(" + syain + "//KYUUYO[@KUBUN=\"4\"]/FUYOUSINZOKUSUU)");
            expected.push_back(ToUtf8(row.salary[4], "SHIFT_JIS"));
        }
        ASSERT_EQ(XPathStrings(out, expressions), expected) << "exports " << n;
    }
    ReportInputs(count);
}

// Where a bad byte is put, and what the refusal must name.
struct Target {
    bool salary;        // in the salary row, else in the employee list row
    std::size_t field;  // the field of the row
    std::string named;  // the column as the message names it
};

std::vector<Target> Targets()
{
    std::vector<Target> targets;
    const auto& list = RandomExports::ListColumns();
    // 分類１ does not reach the file.
    for (std::size_t f = 0; f + 1 < list.size(); ++f)
        targets.push_back({false, f, "「" + list[f] + "」"});
    const auto& salary = RandomExports::SalaryColumns();
    for (std::size_t f = 2; f <= 5; ++f)
        targets.push_back({true, f, "「給与 04月分」の「" + salary[f] + "」"});
    return targets;
}

TEST_F(EngineFuzz, UnwritableBytesAreRefusedNamingEmployeeAndColumnWithNothingWritten)
{
    Rng rng(0x5EED0402);
    const auto targets = Targets();
    const std::string earlier = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<REPORT/>\r\n";
    const std::string earlierSettings =
        "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n他社,支給合計,9,,-1,,-1,,-1\r\n";
    const int count = Count(600);
    for (int n = 0; n < count; ++n) {
        RandomExports exports = RandomExports::Make(rng, 8);
        const std::size_t who = rng.Below(exports.rows.size());
        const Target& target = targets[rng.Below(targets.size())];
        auto& fields = target.salary ? exports.rows[who].salary : exports.rows[who].list;
        const std::string code = exports.rows[who].list[0];
        const std::string bad = UnwritableByte(rng);
        // Inside the field: the line's ends are trimmed of control blanks.
        std::string& field = fields[target.field];
        field = (target.field == 8 ? "123-" : "A") + bad + "B" + field.substr(0, 4 * rng.Below(2));
        dir.Write("out.XML", earlier);
        dir.Write("Corvane.ENV", earlierSettings);
        WriteExports(exports);
        const std::string listing = dir.Listing();
        box.Clear();

        const job::ConversionOutcome outcome = Convert(exports);
        ASSERT_FALSE(outcome.converted) << "case " << n << target.named;
        ASSERT_EQ(box.Messages().size(), 1u) << "case " << n << target.named;
        const auto& shown = box.Messages().front();
        EXPECT_EQ(shown.icon, platform::Icon::Warning);
        EXPECT_NE(shown.text.find(target.named + "に、中間ファイルに書き込めない文字"), std::string::npos)
            << "case " << n << ": " << shown.text;
        if (target.field != 0 || target.salary) {
            EXPECT_EQ(shown.text.find("従業員「" + code), 0u) << "case " << n << ": " << shown.text;
        }
        EXPECT_NE(shown.text.find(text::Format("16進数 %02X", static_cast<unsigned char>(bad[0]))), std::string::npos)
            << shown.text;
        EXPECT_TRUE(text::IsWellFormedText(shown.text)) << "the message shows the bad byte as it is";
        EXPECT_EQ(test::ReadFileBytes(out), earlier);
        EXPECT_EQ(test::ReadFileBytes(settings), earlierSettings);
        EXPECT_EQ(dir.Listing(), listing);
    }
    ReportInputs(count);
}

// The two values of the document's header: the whole refusal, word for word.
TEST_F(EngineFuzz, UnwritableCompanyNameOrFilingYearIsRefused)
{
    Rng rng(0x5EED0403);
    RandomExports exports = RandomExports::Make(rng, 3);
    const std::string company = exports.company;
    exports.company = "サンプル\x1B商事";
    WriteExports(exports);
    ASSERT_FALSE(Convert(exports).converted);
    EXPECT_EQ(box.Texts(),
              std::vector<std::string>{
                  "従業員一覧表の関与先名に、中間ファイルに書き込めない文字（16進数 1B）が含まれています。\n"
                  "\nソルマ給与で関与先名を修正してから、もう一度エクスポートしてください。\n"
                  "\n中間ファイルは作成されていません。"});

    box.Clear();
    exports.company = company;
    WriteExports(exports);
    ASSERT_FALSE(Convert(exports, "6\x81").converted);
    EXPECT_EQ(box.Texts(),
              std::vector<std::string>{"申告年度に、中間ファイルに書き込めない文字（16進数 81）が含まれています。\n"
                                       "\n正しい申告年度を指定してください。\n\n中間ファイルは作成されていません。"});
    EXPECT_EQ(dir.Listing(), "employees.txt\nsalary-04.txt\n");
}

}  // namespace
}  // namespace corvane::fuzz
