#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "checklist/CheckListPage.h"
#include "checklist/Html.h"

namespace corvane::test {
namespace {

using checklist::Utf8;

std::string U(std::u8string_view text)
{
    return std::string(Utf8(text));
}

// True when `text` is well-formed UTF-8: a code page 932 literal slipped
// into the page would not be.
bool IsUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2)
                return false;
        }
        i += length;
    }
    return true;
}

checklist::CheckList TwoEmployeesOneFinding()
{
    checklist::CheckList list;
    list.company = U(u8"テスト&商事<株>");
    list.filingYear = "7";
    list.outputPath = "/out/a&b.XML";
    list.output = checklist::FileFacts{"/out/a&b.XML", 1234567, std::string(64, 'f'), 0};
    checklist::FindingEntry finding;
    finding.mustFix = true;
    finding.kind = U(u8"数値でない金額");
    finding.file = "/in/salary-05.txt";
    finding.column = U(u8"所得税");
    finding.outcome = U(u8"算出税額は 0 円");
    finding.fix = U(u8"給与ソフトで直してください");
    finding.affected = {{"0002", U(u8"佐藤<花子>"), 7, "abc", ""}, {"0003", "A&B", 9, "x\"y", U(u8"空欄")}};
    list.findings = {finding};
    list.payments = {{false, 4, "", "/in/s4.txt", 2, {300000, 45000, 5000}},
                     {false, 5, "", "/in/s5.txt", 1, {310000, 46000, 0}},
                     {true, 1, "2024/07/10", "/in/b1.txt", 1, {500000, 70000, 20000}}};
    list.employees = {
        {"0002", U(u8"佐藤<花子>"), false, "", {4, 5}, {1}, {610000, 91000, 5000}, {500000, 70000, 20000}, "2", true},
        {"0001", "Tom \"T\" & Co", true, "2024/04/30", {1, 2, 3, 4, 6}, {}, {}, {}, "", false}};
    list.items = {{U(u8"総支給金額"), U(u8"課税支給合計"), 46}, {U(u8"算出税額"), "", -1}};
    list.inputs = {{U(u8"従業員一覧表"), {"/in/employees.txt", 12409, std::string(64, 'a'), 23}}};
    return list;
}

TEST(CheckListPage, SectionsInOrderEverythingEscapedAndNothingOutside)
{
    const std::string html = checklist::CheckListHtml(TwoEmployeesOneFinding());
    EXPECT_TRUE(IsUtf8(html));
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    // Self-contained: no script, no other file.
    for (const char* outside : {"<script", "src=", "<link", "url(", "@import", "http:", "https:"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;

    std::size_t last = 0;
    for (const char* section : {"<header>", "id=\"verdict\"", "id=\"findings\"", "id=\"payments\"", "id=\"employees\"",
                                "id=\"items\"", "id=\"inputs\"", "id=\"signoff\""}) {
        const std::size_t at = html.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        EXPECT_GT(at, last) << section;
        last = at;
    }
    // Names, paths and values as text, never as markup.
    EXPECT_NE(html.find(U(u8"テスト&amp;商事&lt;株&gt;")), std::string::npos);
    EXPECT_NE(html.find(U(u8"佐藤&lt;花子&gt;")), std::string::npos);
    EXPECT_NE(html.find("Tom &quot;T&quot; &amp; Co"), std::string::npos);
    EXPECT_NE(html.find("x&quot;y"), std::string::npos);
    EXPECT_NE(html.find("/out/a&amp;b.XML"), std::string::npos);
    EXPECT_EQ(html.find("<株>"), std::string::npos);

    // Every affected employee with line, value and outcome; the finding's
    // outcome for one without an own.
    EXPECT_NE(html.find("<td>0002</td><td>" + U(u8"佐藤&lt;花子&gt;") +
                        "</td><td class=\"path\">/in/salary-05.txt</td><td class=\"num\">7</td><td>" + U(u8"所得税") +
                        "</td><td>abc</td><td>" + U(u8"算出税額は 0 円") + "</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td class=\"num\">9</td><td>" + U(u8"所得税") + "</td><td>x&quot;y</td><td>" + U(u8"空欄")),
              std::string::npos);
}

TEST(CheckListPage, VerdictInWordsTotalsAndEmployeeRows)
{
    checklist::CheckList list = TwoEmployeesOneFinding();
    std::string html = checklist::CheckListHtml(list);
    // Counted as the completion message counts: people, or files when none is named.
    EXPECT_NE(html.find(U(u8"要修正 2人")), std::string::npos);
    EXPECT_NE(html.find(U(u8"要確認 0人")), std::string::npos);
    checklist::FindingEntry copies;
    copies.file = "/in/salary-06.txt";
    list.findings.push_back(copies);
    list.findings.push_back(copies);
    EXPECT_NE(checklist::CheckListHtml(list).find(U(u8"要確認 1ファイル")), std::string::npos);
    EXPECT_NE(html.find("verdict mustfix"), std::string::npos);
    EXPECT_EQ(html.find(U(u8"問題なし")), std::string::npos);

    EXPECT_NE(html.find("data-total=\"salary\"><th colspan=\"4\">" + U(u8"給与の計") +
                        "</th><td class=\"num gross\">610,000</td><td class=\"num deductions\">91,000</td>"
                        "<td class=\"num tax\">5,000</td>"),
              std::string::npos);
    EXPECT_NE(html.find("data-total=\"all\"><th colspan=\"4\">" + U(u8"総合計") +
                        "</th><td class=\"num gross\">1,110,000</td><td class=\"num deductions\">161,000</td>"
                        "<td class=\"num tax\">25,000</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<tr data-period=\"b1\"><td>" + U(u8"賞与1") + "</td><td>2024/07/10</td>"), std::string::npos);

    // The flagged employee is marked; months as ranges; social insurance and
    // tax over salaries and bonuses.
    EXPECT_NE(html.find("<tr class=\"flagged\"><td class=\"mark\">" + U(u8"※") + "</td><td class=\"code\">0002</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td>" + U(u8"在職") + "</td><td>" + U(u8"4～5月") + "</td><td>" + U(u8"1回") +
                        "</td><td class=\"num salary\">610,000</td><td class=\"num bonus\">500,000</td>"
                        "<td class=\"num deductions\">161,000</td><td class=\"num tax\">25,000</td>"
                        "<td class=\"num\">2</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td>" + U(u8"退職 2024/04/30") + "</td><td>" + U(u8"1～4・6月") + "</td><td></td>"),
              std::string::npos);

    list.findings.clear();
    html = checklist::CheckListHtml(list);
    EXPECT_NE(html.find(U(u8"判定：問題なし")), std::string::npos);
    EXPECT_NE(html.find("verdict ok"), std::string::npos);
    list.output.reset();
    EXPECT_NE(checklist::CheckListHtml(list).find(U(u8"まだ作成していません")), std::string::npos);
}

TEST(CheckListPage, PeriodRangesAmountsAndLinks)
{
    EXPECT_EQ(checklist::PeriodRanges({}), "");
    EXPECT_EQ(checklist::PeriodRanges({4}), "4");
    EXPECT_EQ(checklist::PeriodRanges({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), U(u8"1～12"));
    EXPECT_EQ(checklist::PeriodRanges({1, 3, 4, 5, 7}), U(u8"1・3～5・7"));

    EXPECT_EQ(checklist::Amount(0), "0");
    EXPECT_EQ(checklist::Amount(999), "999");
    EXPECT_EQ(checklist::Amount(1000), "1,000");
    EXPECT_EQ(checklist::Amount(-1234567), "-1,234,567");
    EXPECT_EQ(checklist::Amount(std::numeric_limits<long long>::min()), "-9,223,372,036,854,775,808");

    EXPECT_EQ(checklist::EscapeHtml(std::string("a\x01\tb\n'") + '\x7f'), "a&#xFFFD;\tb\n&#39;&#xFFFD;");
    // A code page 932 path on a Linux file system: its bytes are no UTF-8, and
    // the page stays well-formed with the rest of the text kept.
    const std::string sjisFolder = "/data/\x8A\x94\x8E\xAE/a.csv";  // 株式 in code page 932
    EXPECT_EQ(checklist::EscapeHtml(sjisFolder), "/data/&#xFFFD;&#xFFFD;&#xFFFD;&#xFFFD;/a.csv");
    // Overlong, surrogate, past U+10FFFF, cut short; then well-formed 2, 3 and 4 bytes kept.
    EXPECT_EQ(checklist::EscapeHtml("\xC0\xBC|\xED\xA0\x80|\xF4\x90\x80\x80|\xE7\xA4"),
              "&#xFFFD;&#xFFFD;|&#xFFFD;&#xFFFD;&#xFFFD;|&#xFFFD;&#xFFFD;&#xFFFD;&#xFFFD;|&#xFFFD;&#xFFFD;");
    const std::string wellFormed = "\xC3\xA9\xE7\xA4\xBE\xF0\x9F\x98\x80";  // U+00E9, U+793E, U+1F600
    EXPECT_EQ(checklist::EscapeHtml(wellFormed + "<"), wellFormed + "&lt;");
    checklist::CheckList list;
    list.company = "A\x82\xA0";
    list.outputPath = sjisFolder;
    EXPECT_TRUE(IsUtf8(checklist::CheckListHtml(list)));
    EXPECT_EQ(checklist::EscapeUrlPath(U(u8"A社 #1_確認表.html")),
              "A%E7%A4%BE%20%231_%E7%A2%BA%E8%AA%8D%E8%A1%A8.html");
}

TEST(CheckListPage, TheBatchIndexListsEveryCompanyWithItsLinkOrReason)
{
    checklist::IndexEntry done;
    done.company = U(u8"A&B商事");
    done.folder = "a";
    done.converted = true;
    done.counts.toConfirm = {1, 2, 1};  // one finding, two people
    done.employees = 20;
    done.totals = {1000, 200, 30};
    done.link = U(u8"A&B商事_確認表.html");
    checklist::IndexEntry refused;
    refused.company = "";
    refused.folder = "c<d>";
    refused.reason = U(u8"従業員一覧表がありません。");
    const std::string html = checklist::BatchIndexHtml({done, refused}, "2025/01/10 09:00:00", "Corvane 1.0.0.0");
    EXPECT_TRUE(IsUtf8(html));
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_NE(html.find("<td>" + U(u8"要確認あり") + "</td><td class=\"num\">" + U(u8"0人") +
                        "</td><td class=\"num\">" + U(u8"2人") +
                        "</td><td class=\"num\">20</td>"
                        "<td class=\"num gross\">1,000</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<a href=\"A%26B%E5%95%86%E4%BA%8B_%E7%A2%BA%E8%AA%8D%E8%A1%A8.html\">"), std::string::npos);
    EXPECT_NE(html.find("c&lt;d&gt;</td><td>" + U(u8"変換していません") + "</td><td colspan=\"7\" class=\"text\">" +
                        U(u8"従業員一覧表がありません。")),
              std::string::npos);
    EXPECT_NE(html.find(U(u8"2社（変換 1社、変換せず 1社）")), std::string::npos);
}

}  // namespace
}  // namespace corvane::test
