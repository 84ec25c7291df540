#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fileio/ByteSink.h"
#include "support/GoldenFile.h"
#include "support/RecordingMessageBox.h"
#include "xmlout/CExportXMLVeld.h"
#include "xmlout/XmlLineWriter.h"
#include "XmlTestSupport.h"

namespace corvane {
namespace {

using test::SameDocument;

// Two employees: the first named and partly filled, with salary and bonus
// figures; the second only seen through its figures and one item.
void FillTwoEmployees(CExportXMLVeld& store)
{
    store.SetSyain("0001", "山田 太郎");
    store.SetKoumoku("0001", "01", "所属コード");
    store.SetKoumoku("0001", "総務部", "所属名称");
    store.SetKoumoku("0001", "ﾔﾏﾀﾞ ﾀﾛｳ", "社員 フリガナ");
    store.SetKoumoku("0001", "19800401", "社員 生年月日");
    store.SetKoumoku("0001", "1", "配偶者の有無");
    store.SetKoumoku("0001", "山田 花子", "配偶者の氏名");
    store.SetKoumoku("0001", "1", "控除対象配偶者");
    store.SetKoumoku("0001", "123456", "社保等給与等控除分(控除額)");
    store.SetKoumoku("0001", "3600000", "計(金額)");
    store.SetKoumoku("0001", "2", "一般扶養人数");  // never stored
    store.SetKyuuyoShouyo("0001", test::Figures(1, "300000", "45000", "2", "5000"));
    store.SetKyuuyoShouyo("0001", test::Figures(2, "", "", "", ""));
    store.SetKyuuyoShouyo("0001", test::Figures(14, "500000", "75000", "2", "20000"));
    store.SetKyuuyoShouyo("0002", test::Figures(12, "280000", "42000", "0", "6000"));
    store.SetKoumoku("0002", "1", "現況");
}

std::string Document(const CExportXMLVeld& store, TransferMode mode, const std::string& company = "株式会社テスト")
{
    fileio::StringSink sink;
    EXPECT_TRUE(store.WriteDocument(sink, mode, "1", company, "26"));
    return sink.Bytes();
}

class XmlDocumentTest : public ::testing::Test {
protected:
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    CExportXMLVeld store{messenger};
};

TEST_F(XmlDocumentTest, NormalModeDocumentIsExact)
{
    FillTwoEmployees(store);
    EXPECT_TRUE(SameDocument("xmlout/normal.XML", Document(store, TransferMode::Normal)));
}

TEST_F(XmlDocumentTest, EasyModeDocumentIsExact)
{
    FillTwoEmployees(store);
    EXPECT_TRUE(SameDocument("xmlout/easy.XML", Document(store, TransferMode::Easy)));
    EXPECT_TRUE(box.Messages().empty());
}

TEST_F(XmlDocumentTest, EmptyStoreGivesEmptyDataElement)
{
    fileio::StringSink sink;
    ASSERT_TRUE(store.WriteDocument(sink, TransferMode::Easy, "3", "", "7"));
    EXPECT_TRUE(SameDocument("xmlout/empty-store.XML", sink.Bytes()));
}

TEST_F(XmlDocumentTest, CompanyNameIsEscapedOnce)
{
    const auto document = Document(store, TransferMode::Normal, "A&B <C> &amp;");
    EXPECT_NE(document.find("\r\n        <KOMONSAKINAME>A&amp;B &lt;C&gt; &amp;amp;</KOMONSAKINAME>\r\n"),
              std::string::npos)
        << document;
}

TEST_F(XmlDocumentTest, SyainAttributesAreEscaped)
{
    store.SetSyain("A\"1'&", "<山田>");
    const auto document = Document(store, TransferMode::Normal);
    EXPECT_NE(document.find("\r\n        <SYAIN CODE=\"A&quot;1&apos;&amp;\" NAME=\"&lt;山田&gt;\">\r\n"),
              std::string::npos)
        << document;
}

struct EscapeCase {
    const char* text;
    const char* escaped;
};

class EscapeXMLTextTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeXMLTextTest, ReplacesTheFiveCharacters)
{
    EXPECT_EQ(CExportXMLVeld::EscapeXMLText(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(Cases, EscapeXMLTextTest,
                         ::testing::Values(EscapeCase{"", ""}, EscapeCase{"plain", "plain"},
                                           EscapeCase{"&<>\"'", "&amp;&lt;&gt;&quot;&apos;"},
                                           EscapeCase{"&amp;&lt;", "&amp;amp;&amp;lt;"},
                                           EscapeCase{"a&&b", "a&amp;&amp;b"},
                                           // trail bytes 0x5C and 0x7C stay as they are
                                           EscapeCase{"ソ表|ポ<", "ソ表|ポ&lt;"}));

struct ElementCase {
    const char* tag;
    const char* value;
    int level;
    const char* line;
};

class FormatElementTest : public ::testing::TestWithParam<ElementCase> {};

TEST_P(FormatElementTest, FormsOneLine)
{
    const auto& c = GetParam();
    EXPECT_EQ(CExportXMLVeld::FormatElement(c.tag, c.value, c.level), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatElementTest,
    ::testing::Values(ElementCase{"SYOZOKU_CODE", "", 4, "                <SYOZOKU_CODE/>\n"},
                      ElementCase{"SYOZOKU_NAME", "営業部", 4, "                <SYOZOKU_NAME>営業部</SYOZOKU_NAME>\n"},
                      ElementCase{"KOMONSAKINAME", "A&B", 2, "        <KOMONSAKINAME>A&amp;B</KOMONSAKINAME>\n"},
                      ElementCase{"VERSION", "1", 0, "<VERSION>1</VERSION>\n"},
                      ElementCase{"X", "y", 9, "                                    <X>y</X>\n"}));

// The writer copies short pieces by size class and grows past its block for
// a long line: every length, and a value that escapes to several blocks, must
// give the bytes of the plain line and the order of the lines.
TEST(XmlLineWriter, LinesOfEveryLengthAndBeyondTheBlockAreWhole)
{
    fileio::StringSink sink;
    std::string expected;
    {
        XmlLineWriter out(sink);
        for (std::size_t n = 0; n < 40; ++n) {
            const std::string tag(n + 1, 'T');
            const std::string value = std::string(n, 'v') + (n % 3 == 0 ? "&'" : "");
            const int level = static_cast<int>(n % 6);
            out.Element(tag, value, level);
            AppendElementLine(expected, tag, value, level);
            expected += "\r\n";
            out.Line(static_cast<int>(n), value);
            expected += std::string(n, ' ') + value + "\r\n";
        }
        const std::string huge(XmlLineWriter::kBlockSize, '&');
        out.Element("HUGE", huge, 4);
        AppendElementLine(expected, "HUGE", huge, 4);
        expected += "\r\n";
        out.Raw("<X N=\"");
        out.Number(-1234567890123LL);
        out.Escaped("\"<");
        out.EndLine();
        expected += "<X N=\"-1234567890123&quot;&lt;\r\n";
        EXPECT_TRUE(out.Finish());
    }
    EXPECT_EQ(sink.Bytes().size(), expected.size());
    EXPECT_TRUE(sink.Bytes() == expected);
}

}  // namespace
}  // namespace corvane
