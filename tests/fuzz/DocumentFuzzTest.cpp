// Documents written from random employee data are well-formed XML, decode
// as Shift_JIS and give back every value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "support/RecordingMessageBox.h"
#include "support/ShellCommand.h"
#include "support/TempDir.h"
#include "text/Format.h"
#include "xmlout/CExportXMLVeld.h"
#include "xmlout/XMLITEMINFO.h"

namespace corvane::fuzz {
namespace {

struct Employee {
    std::string code;
    std::string name;
    std::string department;
    std::string gross;  // salary month 1
};

class DocumentFuzz : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(test::RunCommand("xmllint --version").status, 0) << "xmllint is missing (scripts/setup-debian.sh)";
    }

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
};

TEST_F(DocumentFuzz, RandomStoresGiveWellFormedShiftJisThatReadsBack)
{
    Rng rng(0x5EED0301);
    const Alphabet& alphabet = Alphabet::Get();
    std::vector<std::string_view> itemNames;
    for (const auto group : kXmlItemGroups) {
        for (const auto& row : XmlItemRows(group))
            itemNames.push_back(row.name);
    }
    const std::string file = dir.File("out.XML");
    const int count = Count(300);
    for (int n = 0; n < count; ++n) {
        CExportXMLVeld store(messenger);
        std::vector<Employee> employees(1 + rng.Below(20));
        for (std::size_t i = 0; i < employees.size(); ++i) {
            Employee& e = employees[i];
            e.code = std::to_string(i) + alphabet.Text(rng, 6);
            e.name = alphabet.Text(rng, 12);
            e.department = "部" + alphabet.Text(rng, 10);
            e.gross = alphabet.Text(rng, 8);
            store.SetSyain(e.code, e.name);
            store.SetKoumoku(e.code, e.department, "所属名称");
            for (std::size_t k = rng.Below(30); k > 0; --k)
                store.SetKoumoku(e.code, alphabet.Text(rng, 20), std::string(itemNames[rng.Below(itemNames.size())]));
            for (int kubun = 1; kubun <= 18; ++kubun) {
                if (kubun == 13)
                    continue;
                CKyuuyoShouyo record;
                record.KUBUN = kubun;
                record.SOUSIKYUUGAKU = kubun == 1 ? e.gross : alphabet.Text(rng, 8);
                record.HOKENKOUJOGAKU = alphabet.Text(rng, 8);
                record.FUYOUSINZOKUSUU = alphabet.Text(rng, 2);
                record.SANSYUTUZEIGAKU = alphabet.Text(rng, 8);
                store.SetKyuuyoShouyo(e.code, record);
            }
        }
        // Text for the department lookups below: a department with an
        // item set over it by the random items keeps the later value.
        for (auto& e : employees) {
            if (const CSyain* syain = store.FindSyain(e.code))
                e.department = syain->Item("所属名称");
        }
        const std::string company = alphabet.Text(rng, 16);
        const TransferMode mode = rng.OneIn(2) ? TransferMode::Normal : TransferMode::Easy;
        ASSERT_EQ(store.ExportXML(file, mode, rng.OneIn(2) ? "1" : "3", company, alphabet.Text(rng, 3)),
                  fileio::WriteError::None);

        const std::string bytes = test::ReadFileBytes(file);
        ASSERT_TRUE(Decodes(bytes, "SHIFT_JIS")) << "document " << n;
        ASSERT_TRUE(Decodes(bytes, "CP932")) << "document " << n;
        ASSERT_EQ(test::XmllintProblems(file), "") << "document " << n;

        std::vector<std::string> expressions{"string(//KOMONSAKINAME)"};
        std::vector<std::string> expected{ToUtf8(company, "SHIFT_JIS")};
        for (std::size_t i = 0; i < employees.size(); ++i) {
            const std::string syain = text::Format("/REPORT/DATA/SYAIN[%zu]", i + 1);
            expressions.push_back("string(" + syain + "/@CODE)");
            expected.push_back(AsAttribute(ToUtf8(employees[i].code, "SHIFT_JIS")));
            expressions.push_back("string(" + syain + "/@NAME)");
            expected.push_back(AsAttribute(ToUtf8(employees[i].name, "SHIFT_JIS")));
            expressions.push_back("string(" + syain + "//SYOZOKU_NAME)");
            expected.push_back(ToUtf8(employees[i].department, "SHIFT_JIS"));
            expressions.push_back("string(" + syain + "//KYUUYO[@KUBUN=\"1\"]/SOUSIKYUUGAKU)");
            expected.push_back(ToUtf8(employees[i].gross, "SHIFT_JIS"));
        }
        ASSERT_EQ(XPathStrings(file, expressions), expected) << "document " << n;
    }
    ReportInputs(count);
}

}  // namespace
}  // namespace corvane::fuzz
