#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fileio/ByteSink.h"
#include "support/RecordingMessageBox.h"
#include "xmlout/CExportXMLVeld.h"
#include "XmlTestSupport.h"

namespace corvane {
namespace {

using test::WithCrLf;

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

std::string Document(const CExportXMLVeld& store, int mode, const std::string& company = "株式会社テスト")
{
    fileio::StringSink sink;
    EXPECT_TRUE(store.WriteDocument(sink, mode, "1", company, "26"));
    return sink.Bytes();
}

constexpr std::string_view kNormalDocument = R"xml(<?xml version="1.0" encoding="Shift_JIS"?>
<REPORT>
    <SYSTEM>
        <GYOUMUPREFIX>Veld</GYOUMUPREFIX>
        <VERSION>1</VERSION>
        <FUNCTIONID>1</FUNCTIONID>
        <CONNECTEDPROGRAMVER>1, 0, 0, 0</CONNECTEDPROGRAMVER>
        <PROGRAMNAME>ソルマ給与</PROGRAMNAME>
        <PROGRAMVER>2014, 11, 20, 0</PROGRAMVER>
    </SYSTEM>
    <BASIC>
        <KOMONSAKINAME>株式会社テスト</KOMONSAKINAME>
        <SINKOKUNENDO>26</SINKOKUNENDO>
        <MODE>NORMAL</MODE>
    </BASIC>
    <DATA>
        <SYAIN CODE="0001" NAME="山田 太郎">
          <KIHON_JOUHOU>
            <HONNNIN_JOUHOU>
                <SYOZOKU_CODE>01</SYOZOKU_CODE>
                <SYOZOKU_NAME>総務部</SYOZOKU_NAME>
                <FURIGANA>ﾔﾏﾀﾞ ﾀﾛｳ</FURIGANA>
                <SEINENGAPPI>19800401</SEINENGAPPI>
                <SEIBETU/>
                <YUUBINBANGOU_1/>
                <YUUBINBANGOU_2/>
                <JUUSYO_1/>
                <JUUSYO_2/>
                <SETAINUSI/>
                <ZOKUGARA/>
                <YAKUSYOKU/>
                <HOUJINYAKUIN/>
                <GENKYOU/>
                <NYUUSYANENGAPPI/>
                <TAISYOKUNENGAPPI/>
                <NOUFUSAKI_CODE/>
                <NOUFUSAKI_NAME/>
                <NENTYOU/>
                <KOUOTU/>
                <FUYOUKOUJOSINKOKU/>
                <SYOUGAISYA/>
                <KAFU/>
                <TOKUBETUKAFU/>
                <KINROUGAKUSEI/>
                <SAIGAISYA/>
                <GAIKOKUJIN/>
                <ZENSYOKU_KINMUSAKI/>
                <ZENSYOKU_KINMUSAKIJUUSYO/>
                <ZENSYOKU_TAISYOKUNENGAPPI/>
                <ZENSYOKU_SOUSIKYUUGAKU/>
                <ZENSYOKU_HOKENKOUJOGAKU/>
                <ZENSYOKU_SANSYUTUZEIGAKU/>
            </HONNNIN_JOUHOU>
            <HAIGUUSYA_JOUHOU>
                <HAIGUUSYAUMU>1</HAIGUUSYAUMU>
                <FURIGANA/>
                <NAME>山田 花子</NAME>
                <SEINENGAPPI/>
                <HAIGUUSYASYOTOKU/>
                <SYOUGAISYA/>
            </HAIGUUSYA_JOUHOU>
            <KOUJOGAKU_JOUHOU>
                <SYAHOKOUJO_KYUUYO>123456</SYAHOKOUJO_KYUUYO>
                <SYAHO_KOUJOBUN/>
                <SYAHO_SYOUKIBOKYOUSAI/>
                <SEIHO_IPPAN/>
                <SEIHO_KOJIN/>
                <JISINHOKEN/>
                <SONPO_TYOUKI/>
                <JUUTAKU_TOKUBETUKOUJO/>
                <TOKUBETUGENZEI/>
            </KOUJOGAKU_JOUHOU>
          </KIHON_JOUHOU>
          <KYUUYOSYOUYO_JOUHOU>
            <KYUUYO KUBUN="1">
                <SOUSIKYUUGAKU>300000</SOUSIKYUUGAKU>
                <HOKENKOUJOGAKU>45000</HOKENKOUJOGAKU>
                <FUYOUSINZOKUSUU>2</FUYOUSINZOKUSUU>
                <SANSYUTUZEIGAKU>5000</SANSYUTUZEIGAKU>
            </KYUUYO>
            <KYUUYO KUBUN="2">
                <SOUSIKYUUGAKU/>
                <HOKENKOUJOGAKU/>
                <FUYOUSINZOKUSUU/>
                <SANSYUTUZEIGAKU/>
            </KYUUYO>
            <SYOUYO KUBUN="14">
                <SOUSIKYUUGAKU>500000</SOUSIKYUUGAKU>
                <HOKENKOUJOGAKU>75000</HOKENKOUJOGAKU>
                <FUYOUSINZOKUSUU>2</FUYOUSINZOKUSUU>
                <SANSYUTUZEIGAKU>20000</SANSYUTUZEIGAKU>
            </SYOUYO>
            <GOUKEI>
                <KYUUYO_SOUSIKYUUGAKU_GOUKEI/>
                <KYUUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SYOUYO_SOUSIKYUUGAKU_GOUKEI/>
                <SYOUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SOUSIKYUUGAKU_GOUKEI>3600000</SOUSIKYUUGAKU_GOUKEI>
                <SANSYUTUZEIGAKU_GOUKEI/>
            </GOUKEI>
          </KYUUYOSYOUYO_JOUHOU>
        </SYAIN>
        <SYAIN CODE="0002" NAME="">
          <KIHON_JOUHOU>
            <HONNNIN_JOUHOU>
                <SYOZOKU_CODE/>
                <SYOZOKU_NAME/>
                <FURIGANA/>
                <SEINENGAPPI/>
                <SEIBETU/>
                <YUUBINBANGOU_1/>
                <YUUBINBANGOU_2/>
                <JUUSYO_1/>
                <JUUSYO_2/>
                <SETAINUSI/>
                <ZOKUGARA/>
                <YAKUSYOKU/>
                <HOUJINYAKUIN/>
                <GENKYOU>1</GENKYOU>
                <NYUUSYANENGAPPI/>
                <TAISYOKUNENGAPPI/>
                <NOUFUSAKI_CODE/>
                <NOUFUSAKI_NAME/>
                <NENTYOU/>
                <KOUOTU/>
                <FUYOUKOUJOSINKOKU/>
                <SYOUGAISYA/>
                <KAFU/>
                <TOKUBETUKAFU/>
                <KINROUGAKUSEI/>
                <SAIGAISYA/>
                <GAIKOKUJIN/>
                <ZENSYOKU_KINMUSAKI/>
                <ZENSYOKU_KINMUSAKIJUUSYO/>
                <ZENSYOKU_TAISYOKUNENGAPPI/>
                <ZENSYOKU_SOUSIKYUUGAKU/>
                <ZENSYOKU_HOKENKOUJOGAKU/>
                <ZENSYOKU_SANSYUTUZEIGAKU/>
            </HONNNIN_JOUHOU>
            <HAIGUUSYA_JOUHOU>
                <HAIGUUSYAUMU/>
                <FURIGANA/>
                <NAME/>
                <SEINENGAPPI/>
                <HAIGUUSYASYOTOKU/>
                <SYOUGAISYA/>
            </HAIGUUSYA_JOUHOU>
            <KOUJOGAKU_JOUHOU>
                <SYAHOKOUJO_KYUUYO/>
                <SYAHO_KOUJOBUN/>
                <SYAHO_SYOUKIBOKYOUSAI/>
                <SEIHO_IPPAN/>
                <SEIHO_KOJIN/>
                <JISINHOKEN/>
                <SONPO_TYOUKI/>
                <JUUTAKU_TOKUBETUKOUJO/>
                <TOKUBETUGENZEI/>
            </KOUJOGAKU_JOUHOU>
          </KIHON_JOUHOU>
          <KYUUYOSYOUYO_JOUHOU>
            <KYUUYO KUBUN="12">
                <SOUSIKYUUGAKU>280000</SOUSIKYUUGAKU>
                <HOKENKOUJOGAKU>42000</HOKENKOUJOGAKU>
                <FUYOUSINZOKUSUU>0</FUYOUSINZOKUSUU>
                <SANSYUTUZEIGAKU>6000</SANSYUTUZEIGAKU>
            </KYUUYO>
            <GOUKEI>
                <KYUUYO_SOUSIKYUUGAKU_GOUKEI/>
                <KYUUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SYOUYO_SOUSIKYUUGAKU_GOUKEI/>
                <SYOUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SOUSIKYUUGAKU_GOUKEI/>
                <SANSYUTUZEIGAKU_GOUKEI/>
            </GOUKEI>
          </KYUUYOSYOUYO_JOUHOU>
        </SYAIN>
    </DATA>
</REPORT>
)xml";

constexpr std::string_view kEasyDocument = R"xml(<?xml version="1.0" encoding="Shift_JIS"?>
<REPORT>
    <SYSTEM>
        <GYOUMUPREFIX>Veld</GYOUMUPREFIX>
        <VERSION>1</VERSION>
        <FUNCTIONID>1</FUNCTIONID>
        <CONNECTEDPROGRAMVER>1, 0, 0, 0</CONNECTEDPROGRAMVER>
        <PROGRAMNAME>ソルマ給与</PROGRAMNAME>
        <PROGRAMVER>2014, 11, 20, 0</PROGRAMVER>
    </SYSTEM>
    <BASIC>
        <KOMONSAKINAME>株式会社テスト</KOMONSAKINAME>
        <SINKOKUNENDO>26</SINKOKUNENDO>
        <MODE>EASY</MODE>
    </BASIC>
    <DATA>
        <SYAIN CODE="0001" NAME="山田 太郎">
          <KIHON_JOUHOU>
            <HONNNIN_JOUHOU>
                <SYOZOKU_CODE>01</SYOZOKU_CODE>
                <SYOZOKU_NAME>総務部</SYOZOKU_NAME>
                <FURIGANA>ﾔﾏﾀﾞ ﾀﾛｳ</FURIGANA>
                <SEINENGAPPI>19800401</SEINENGAPPI>
                <SEIBETU/>
                <YUUBINBANGOU_1/>
                <YUUBINBANGOU_2/>
                <JUUSYO_1/>
                <JUUSYO_2/>
                <SETAINUSI/>
                <ZOKUGARA/>
                <YAKUSYOKU/>
                <HOUJINYAKUIN/>
                <GENKYOU/>
                <NYUUSYANENGAPPI/>
                <TAISYOKUNENGAPPI/>
                <NOUFUSAKI_CODE/>
                <NOUFUSAKI_NAME/>
                <NENTYOU/>
                <KOUOTU/>
                <FUYOUKOUJOSINKOKU/>
                <SYOUGAISYA/>
                <KAFU/>
                <TOKUBETUKAFU/>
                <KINROUGAKUSEI/>
                <SAIGAISYA/>
                <GAIKOKUJIN/>
                <ZENSYOKU_KINMUSAKI/>
                <ZENSYOKU_KINMUSAKIJUUSYO/>
                <ZENSYOKU_TAISYOKUNENGAPPI/>
                <ZENSYOKU_SOUSIKYUUGAKU/>
                <ZENSYOKU_HOKENKOUJOGAKU/>
                <ZENSYOKU_SANSYUTUZEIGAKU/>
            </HONNNIN_JOUHOU>
            <HAIGUUSYA_JOUHOU>
                <HAIGUUSYAUMU>1</HAIGUUSYAUMU>
                <KOUJOTAISYOUHAIGUUSYA>1</KOUJOTAISYOUHAIGUUSYA>
                <HAIGUUSYASYOTOKU/>
                <SYOUGAISYA/>
                <HAIGUUSYATOKUBETUKOUJOGAKU/>
            </HAIGUUSYA_JOUHOU>
            <KAZOKU_JOUHOU>
                <IPPANFUYOU/>
                <TOKUTEIFUYOU/>
                <ROUJINFUYOU_DOUKYOROUSIN/>
                <ROUJINFUYOU_SONOTA/>
                <SYOUGAISYA_IPPAN/>
                <SYOUGAISYA_TOKUBETU/>
                <SYOUGAISYA_DOUKYOTOKUBETU/>
            </KAZOKU_JOUHOU>
            <KOUJOGAKU_JOUHOU>
                <SYAHOKOUJO_KYUUYO>123456</SYAHOKOUJO_KYUUYO>
                <SYAHO_KOUJOBUN/>
                <SYAHO_SYOUKIBOKYOUSAI/>
                <SEIHO_IPPAN/>
                <SEIHO_KOJIN/>
                <JISINHOKEN/>
                <SONPO_TYOUKI/>
                <JUUTAKU_TOKUBETUKOUJO/>
                <TOKUBETUGENZEI/>
            </KOUJOGAKU_JOUHOU>
          </KIHON_JOUHOU>
          <KYUUYOSYOUYO_JOUHOU>
            <KYUUYO KUBUN="1">
                <SOUSIKYUUGAKU>300000</SOUSIKYUUGAKU>
                <HOKENKOUJOGAKU>45000</HOKENKOUJOGAKU>
                <FUYOUSINZOKUSUU>2</FUYOUSINZOKUSUU>
                <SANSYUTUZEIGAKU>5000</SANSYUTUZEIGAKU>
            </KYUUYO>
            <KYUUYO KUBUN="2">
                <SOUSIKYUUGAKU/>
                <HOKENKOUJOGAKU/>
                <FUYOUSINZOKUSUU/>
                <SANSYUTUZEIGAKU/>
            </KYUUYO>
            <SYOUYO KUBUN="14">
                <SOUSIKYUUGAKU>500000</SOUSIKYUUGAKU>
                <HOKENKOUJOGAKU>75000</HOKENKOUJOGAKU>
                <FUYOUSINZOKUSUU>2</FUYOUSINZOKUSUU>
                <SANSYUTUZEIGAKU>20000</SANSYUTUZEIGAKU>
            </SYOUYO>
            <GOUKEI>
                <KYUUYO_SOUSIKYUUGAKU_GOUKEI/>
                <KYUUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SYOUYO_SOUSIKYUUGAKU_GOUKEI/>
                <SYOUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SOUSIKYUUGAKU_GOUKEI>3600000</SOUSIKYUUGAKU_GOUKEI>
                <SANSYUTUZEIGAKU_GOUKEI/>
            </GOUKEI>
          </KYUUYOSYOUYO_JOUHOU>
        </SYAIN>
        <SYAIN CODE="0002" NAME="">
          <KIHON_JOUHOU>
            <HONNNIN_JOUHOU>
                <SYOZOKU_CODE/>
                <SYOZOKU_NAME/>
                <FURIGANA/>
                <SEINENGAPPI/>
                <SEIBETU/>
                <YUUBINBANGOU_1/>
                <YUUBINBANGOU_2/>
                <JUUSYO_1/>
                <JUUSYO_2/>
                <SETAINUSI/>
                <ZOKUGARA/>
                <YAKUSYOKU/>
                <HOUJINYAKUIN/>
                <GENKYOU>1</GENKYOU>
                <NYUUSYANENGAPPI/>
                <TAISYOKUNENGAPPI/>
                <NOUFUSAKI_CODE/>
                <NOUFUSAKI_NAME/>
                <NENTYOU/>
                <KOUOTU/>
                <FUYOUKOUJOSINKOKU/>
                <SYOUGAISYA/>
                <KAFU/>
                <TOKUBETUKAFU/>
                <KINROUGAKUSEI/>
                <SAIGAISYA/>
                <GAIKOKUJIN/>
                <ZENSYOKU_KINMUSAKI/>
                <ZENSYOKU_KINMUSAKIJUUSYO/>
                <ZENSYOKU_TAISYOKUNENGAPPI/>
                <ZENSYOKU_SOUSIKYUUGAKU/>
                <ZENSYOKU_HOKENKOUJOGAKU/>
                <ZENSYOKU_SANSYUTUZEIGAKU/>
            </HONNNIN_JOUHOU>
            <HAIGUUSYA_JOUHOU>
                <HAIGUUSYAUMU/>
                <KOUJOTAISYOUHAIGUUSYA/>
                <HAIGUUSYASYOTOKU/>
                <SYOUGAISYA/>
                <HAIGUUSYATOKUBETUKOUJOGAKU/>
            </HAIGUUSYA_JOUHOU>
            <KAZOKU_JOUHOU>
                <IPPANFUYOU/>
                <TOKUTEIFUYOU/>
                <ROUJINFUYOU_DOUKYOROUSIN/>
                <ROUJINFUYOU_SONOTA/>
                <SYOUGAISYA_IPPAN/>
                <SYOUGAISYA_TOKUBETU/>
                <SYOUGAISYA_DOUKYOTOKUBETU/>
            </KAZOKU_JOUHOU>
            <KOUJOGAKU_JOUHOU>
                <SYAHOKOUJO_KYUUYO/>
                <SYAHO_KOUJOBUN/>
                <SYAHO_SYOUKIBOKYOUSAI/>
                <SEIHO_IPPAN/>
                <SEIHO_KOJIN/>
                <JISINHOKEN/>
                <SONPO_TYOUKI/>
                <JUUTAKU_TOKUBETUKOUJO/>
                <TOKUBETUGENZEI/>
            </KOUJOGAKU_JOUHOU>
          </KIHON_JOUHOU>
          <KYUUYOSYOUYO_JOUHOU>
            <KYUUYO KUBUN="12">
                <SOUSIKYUUGAKU>280000</SOUSIKYUUGAKU>
                <HOKENKOUJOGAKU>42000</HOKENKOUJOGAKU>
                <FUYOUSINZOKUSUU>0</FUYOUSINZOKUSUU>
                <SANSYUTUZEIGAKU>6000</SANSYUTUZEIGAKU>
            </KYUUYO>
            <GOUKEI>
                <KYUUYO_SOUSIKYUUGAKU_GOUKEI/>
                <KYUUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SYOUYO_SOUSIKYUUGAKU_GOUKEI/>
                <SYOUYO_SANSYUTUZEIGAKU_GOUKEI/>
                <SOUSIKYUUGAKU_GOUKEI/>
                <SANSYUTUZEIGAKU_GOUKEI/>
            </GOUKEI>
          </KYUUYOSYOUYO_JOUHOU>
        </SYAIN>
    </DATA>
</REPORT>
)xml";

constexpr std::string_view kEmptyStoreDocument = R"xml(<?xml version="1.0" encoding="Shift_JIS"?>
<REPORT>
    <SYSTEM>
        <GYOUMUPREFIX>Veld</GYOUMUPREFIX>
        <VERSION>1</VERSION>
        <FUNCTIONID>3</FUNCTIONID>
        <CONNECTEDPROGRAMVER>1, 0, 0, 0</CONNECTEDPROGRAMVER>
        <PROGRAMNAME>ソルマ給与</PROGRAMNAME>
        <PROGRAMVER>2014, 11, 20, 0</PROGRAMVER>
    </SYSTEM>
    <BASIC>
        <KOMONSAKINAME/>
        <SINKOKUNENDO>7</SINKOKUNENDO>
        <MODE>EASY</MODE>
    </BASIC>
    <DATA>
    </DATA>
</REPORT>
)xml";

class XmlDocumentTest : public ::testing::Test {
protected:
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    CExportXMLVeld store{messenger};
};

TEST_F(XmlDocumentTest, NormalModeDocumentIsExact)
{
    FillTwoEmployees(store);
    EXPECT_EQ(Document(store, 1), WithCrLf(kNormalDocument));
}

TEST_F(XmlDocumentTest, EasyModeDocumentIsExact)
{
    FillTwoEmployees(store);
    EXPECT_EQ(Document(store, 2), WithCrLf(kEasyDocument));
    EXPECT_TRUE(box.Messages().empty());
}

TEST_F(XmlDocumentTest, EmptyStoreGivesEmptyDataElement)
{
    fileio::StringSink sink;
    ASSERT_TRUE(store.WriteDocument(sink, 2, "3", "", "7"));
    EXPECT_EQ(sink.Bytes(), WithCrLf(kEmptyStoreDocument));
}

TEST_F(XmlDocumentTest, CompanyNameIsEscapedOnce)
{
    const auto document = Document(store, 1, "A&B <C> &amp;");
    EXPECT_NE(document.find("\r\n        <KOMONSAKINAME>A&amp;B &lt;C&gt; &amp;amp;</KOMONSAKINAME>\r\n"),
              std::string::npos)
        << document;
}

TEST_F(XmlDocumentTest, SyainAttributesAreEscaped)
{
    store.SetSyain("A\"1'&", "<山田>");
    const auto document = Document(store, 1);
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

}  // namespace
}  // namespace corvane
