// Reads generated documents back with libxml2's xmllint.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/RecordingMessageBox.h"
#include "support/ShellCommand.h"
#include "support/TempDir.h"
#include "xmlout/CExportXMLVeld.h"
#include "XmlTestSupport.h"

namespace corvane {
namespace {

using test::RunCommand;

std::string Utf8(std::u8string_view text)
{
    return std::string(text.begin(), text.end());
}

// The decoded (UTF-8) value of an XPath string expression.
std::string XPath(const std::string& file, const std::string& expression)
{
    auto run = RunCommand("xmllint --xpath '" + expression + "' '" + file + "'");
    EXPECT_EQ(run.status, 0) << expression << "\n" << run.output;
    if (!run.output.empty() && run.output.back() == '\n')
        run.output.pop_back();
    return run.output;
}

class XmlWellFormedTest : public ::testing::TestWithParam<TransferMode> {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "xmllint and the POSIX shell are Linux tools";
#endif
        const auto version = RunCommand("xmllint --version");
        ASSERT_EQ(version.status, 0) << "xmllint is missing (scripts/setup-debian.sh installs it)";

        store.SetSyain("A&1\"'", "山田 <太郎> & \"'");
        store.SetKoumoku("A&1\"'", "営業部 <第1> & \"表ソ\" 'x'", "所属名称");
        store.SetKoumoku("A&1\"'", "1&2", "配偶者所得(見積)");
        store.SetKyuuyoShouyo("A&1\"'", test::Figures(1, "<1>", "&", "\"", "'"));
        // Enough further employees to span several write blocks.
        for (int i = 0; i < 400; ++i) {
            const std::string code = std::to_string(i);
            store.SetSyain(code, "社員<" + code + ">");
            for (int kubun = 14; kubun <= 18; ++kubun)
                store.SetKyuuyoShouyo(code, test::Figures(kubun, "1", "2", "3", "4"));
        }
    }

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    CExportXMLVeld store{messenger};
};

TEST_P(XmlWellFormedTest, ParsesAndDecodesAsShiftJis)
{
    const auto file = dir.File("out.xml");
    ASSERT_EQ(store.ExportXML(file, GetParam(), "1", "株式会社<A&B> \"x\"", "26"), fileio::WriteError::None);

    const auto check = RunCommand("xmllint --noout '" + file + "'");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output, "");

    const auto decoded = RunCommand("xmllint --encode UTF-8 '" + file + "'");
    ASSERT_EQ(decoded.status, 0) << decoded.output;
    EXPECT_NE(decoded.output.find(Utf8(u8"<PROGRAMNAME>ソルマ給与</PROGRAMNAME>")), std::string::npos);
    EXPECT_NE(decoded.output.find(Utf8(u8"株式会社")), std::string::npos);
    EXPECT_NE(decoded.output.find(Utf8(u8"社員")), std::string::npos);

    EXPECT_EQ(XPath(file, "string(/REPORT/DATA/SYAIN[1]/@CODE)"), "A&1\"'");
    EXPECT_EQ(XPath(file, "string(/REPORT/DATA/SYAIN[1]/@NAME)"), Utf8(u8"山田 <太郎> & \"'"));
    EXPECT_EQ(XPath(file, "string(//KOMONSAKINAME)"), Utf8(u8"株式会社<A&B> \"x\""));
    EXPECT_EQ(XPath(file, "string(/REPORT/DATA/SYAIN[1]//SYOZOKU_NAME)"), Utf8(u8"営業部 <第1> & \"表ソ\" 'x'"));
    EXPECT_EQ(XPath(file, "string(/REPORT/DATA/SYAIN[1]//HAIGUUSYASYOTOKU)"), "1&2");
    EXPECT_EQ(XPath(file,
                    "concat(//KYUUYO[1]/SOUSIKYUUGAKU, //KYUUYO[1]/HOKENKOUJOGAKU, "
                    "//KYUUYO[1]/FUYOUSINZOKUSUU, //KYUUYO[1]/SANSYUTUZEIGAKU)"),
              "<1>&\"'");
    EXPECT_EQ(XPath(file, "string(/REPORT/DATA/SYAIN[401]/@NAME)"), Utf8(u8"社員<399>"));
    EXPECT_EQ(XPath(file, "count(//SYAIN)"), "401");
    EXPECT_EQ(XPath(file, "count(//SYOUYO)"), "2000");
    EXPECT_EQ(XPath(file, "count(//KAZOKU_JOUHOU)"), GetParam() == TransferMode::Easy ? "401" : "0");
}

INSTANTIATE_TEST_SUITE_P(Modes, XmlWellFormedTest, ::testing::Values(TransferMode::Normal, TransferMode::Easy));

}  // namespace
}  // namespace corvane
