// The identification checks, the reader and the settings file on mutated
// sample exports and settings files.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "items/CSormaItemCheck.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "sormaexport/CsvLine.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "text/AsciiSpace.h"

namespace corvane::fuzz {
namespace {

const char* const kEmployeeColumns[] = {"氏名", "コード", "所属部門", "住所", "生年月日", "住民税･納付先", "郵便番号"};
const char* const kPayItems[] = {"コード", "課税支給合計", "社会保険料計", "扶養人数",
                                 "所得税", "財形貯蓄",     "無い項目"};

class ReaderFuzz : public ::testing::Test {
protected:
    // One export, mutated `changes` times with pieces of the other exports.
    std::string Mutated(Rng& rng, const std::string& name, std::size_t changes)
    {
        std::string bytes = Example(name);
        const auto names = ExampleNames();
        for (std::size_t k = changes; k > 0; --k)
            Mutate(rng, bytes, Example(names[rng.Below(names.size())]));
        return bytes;
    }

    std::string FirstLine(const std::string& bytes)
    {
        return std::string(text::TrimRight(bytes.substr(0, bytes.find('\n'))));
    }

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
};

TEST_F(ReaderFuzz, ChecksAnswerOnlyTheirCodesOnMutatedExports)
{
    Rng rng(0x5EED0201);
    const int count = Count(1500);
    for (int n = 0; n < count; ++n) {
        const std::string list = Mutated(rng, "employees.txt", rng.Below(4));
        const std::string listPath = dir.Write("employees.txt", list);
        const std::string salaryPath = dir.Write("salary.txt", Mutated(rng, "salary-04.txt", 1 + rng.Below(4)));
        const std::string bonusPath = dir.Write("bonus.txt", Mutated(rng, "bonus-1.txt", 1 + rng.Below(4)));

        CSormaFileCheck check;
        std::string company = "unchanged";
        if (check.CheckEmployeeList(listPath, company)) {
            const auto fields = SplitCsvLine(FirstLine(list));
            ASSERT_GE(fields.size(), 2u);
            EXPECT_EQ(company, fields[1]);
            EXPECT_EQ(list.find('\0'), std::string::npos);
        } else {
            EXPECT_EQ(company, "unchanged");
        }
        const bool first = rng.OneIn(2);
        const int salary = check.CheckSalaryFile(listPath, salaryPath, rng.OneIn(2), first);
        EXPECT_TRUE(salary == -1 || salary == -2 || (salary >= 1 && salary <= 12)) << salary;
        const int bonus = check.CheckBonusFile(listPath, bonusPath, rng.OneIn(2), first && rng.OneIn(2));
        EXPECT_TRUE(bonus == -1 || bonus == -2 || bonus == 1) << bonus;
    }
    ReportInputs(3L * count);
}

TEST_F(ReaderFuzz, ReaderKeepsItsPromisesOnMutatedExports)
{
    Rng rng(0x5EED0202);
    const auto names = ExampleNames();
    const int count = Count(800);
    for (int n = 0; n < count; ++n) {
        // Some slots hold a mutated export, some a clean one, some nothing.
        std::vector<std::string> paths(17);
        for (int slot = 0; slot < 17; ++slot) {
            if (rng.OneIn(3))
                continue;
            const std::string source = slot < 12
                                           ? (slot < 9 ? "salary-0" : "salary-") + std::to_string(slot + 1) + ".txt"
                                           : names[rng.Below(names.size())];
            paths[static_cast<std::size_t>(slot)] =
                dir.Write("slot" + std::to_string(slot) + ".txt", Mutated(rng, source, rng.Below(3)));
        }
        paths.push_back(dir.Write("employees.txt", Mutated(rng, "employees.txt", rng.Below(4))));

        CSormaItemCheck items(dir.File("Corvane.ENV"));
        items.PrepareChoices(paths[3].empty() ? paths.back() : paths[3], "サンプル商事株式会社");
        if (rng.OneIn(4))
            items.Entries()[rng.Below(4)].chosenPosition = static_cast<std::int32_t>(rng.Below(200));

        CSormaKyuuyo reader(messenger);
        const bool read = reader.Read(paths, static_cast<int>(paths.size()), items);
        const auto& codes = reader.GetEmployeeCodes();
        if (!read) {
            EXPECT_TRUE(codes.empty());
        }
        std::set<std::string> seen;
        for (const auto& code : codes) {
            EXPECT_FALSE(code.empty());
            EXPECT_TRUE(seen.insert(code).second) << "code twice: " << code;
            for (const char* column : kEmployeeColumns)
                reader.GetEmployeeValueView(code, column);
            for (int period = 0; period <= 19; ++period) {
                for (const char* item : kPayItems) {
                    const std::string_view value = reader.GetPayValueView(code, period, item);
                    if (period == 0 || period == 13 || period == 19) {
                        EXPECT_EQ(value, "");
                    }
                }
            }
            const std::string& department =
                reader.GetDepartmentCode(std::string(reader.GetEmployeeValueView(code, "所属部門")));
            EXPECT_TRUE(department.empty() || department.size() >= 4) << department;
        }
        EXPECT_EQ(reader.GetEmployeeValueView("no such code", "氏名"), "");
        // The check made before writing names only files of the job and real lines.
        for (const auto& finding : preflight::VerifyExports(reader, items)) {
            EXPECT_GE(finding.count, 1u);
            EXPECT_FALSE(finding.text.empty());
            EXPECT_GE(finding.line, 0);
            EXPECT_TRUE(finding.file.empty() || std::find(paths.begin(), paths.end(), finding.file) != paths.end())
                << finding.file;
        }
        box.Clear();
    }
    ReportInputs(count);
}

TEST_F(ReaderFuzz, SettingsSurviveASaveAndReload)
{
    Rng rng(0x5EED0203);
    const std::string clean =
        "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n"
        "サンプル商事株式会社,支給合計,50,社会保険料計,72,扶養人数,93,所得税,65\r\n"
        "\"株式会社,カンマ\",課税支給合計,0,社会保険料計,1,扶養人数,2,所得税,3\r\n"
        "短い行,課税支給合計\r\n\r\n";
    const int count = Count(1000);
    for (int n = 0; n < count; ++n) {
        std::string bytes = clean;
        for (std::size_t k = 1 + rng.Below(6); k > 0; --k)
            Mutate(rng, bytes, clean);
        const std::string path = dir.Write("Corvane.ENV", bytes);

        CSormaItemCheck first(path);
        first.LoadSettings();
        std::vector<CSormaItemCheck::Line> kept;
        for (const auto& line : first.StoredLines()) {
            if (!first.IsStandardLine(line))
                kept.push_back(line);
        }
        const auto reference = dir.Write("reference.txt", Example("salary-04.txt"));
        first.PrepareChoices(reference, first.StoredLines().empty() ? "" : first.StoredLines().back().front());
        ASSERT_EQ(first.SaveSettings(), fileio::WriteError::None);
        const std::string saved = test::ReadFileBytes(path);

        CSormaItemCheck second(path);
        second.LoadSettings();
        if (!kept.empty()) {
            ASSERT_EQ(second.StoredLines(), kept) << "input:\n" << bytes;
        }
        ASSERT_EQ(second.SaveSettings(), fileio::WriteError::None);
        ASSERT_EQ(test::ReadFileBytes(path), saved);
    }
    ReportInputs(count);
}

}  // namespace
}  // namespace corvane::fuzz
