#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "checklist/CheckListFile.h"
#include "checklist/CheckListPage.h"
#include "checklist/Html.h"
#include "convert/Convert.h"
#include "support/ShellCommand.h"
#include "support/TempDir.h"
#include "text/Cp932.h"
#include "tools/samplegen/SampleExports.h"

// The check lists as a browser shows and prints them: headless Chromium loads
// what the converter wrote, and the test reads the rendered page back.
namespace corvane::test {
namespace {

std::string U(std::u8string_view text)
{
    return std::string(checklist::Utf8(text));
}

const std::string kExamples = std::string(CORVANE_TEST_DATA_DIR) + "/../../examples";

struct Rendered {
    std::string dom;
    std::string log;  // Chromium's log: console messages are its lines with ":CONSOLE"
    bool ConsoleQuiet() const { return log.find(":CONSOLE") == std::string::npos; }
};

class Browser : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "headless Chromium, pdfinfo and pdftotext are run on Linux only";
#endif
    }

    std::string Chromium(const std::string& arguments)
    {
        return "chromium --headless --no-sandbox --disable-gpu --no-first-run --user-data-dir='" + dir.File("profile") +
               "' --enable-logging=stderr --v=0 " + arguments;
    }

    Rendered Load(const std::string& path)
    {
        const std::string dom = dir.File("dom.html");
        // Only the log goes through the pipe: the page's DOM goes to its file.
        const CommandResult run = RunCommand("(" + Chromium("--dump-dom 'file://" + path + "' >'" + dom + "'") + ")");
        EXPECT_EQ(run.status, 0) << run.output;
        return {ReadFileBytes(dom), run.output};
    }

    // The page printed to PDF; returns the PDF's path.
    std::string Print(const std::string& path)
    {
        const std::string pdf = dir.File("printed.pdf");
        const CommandResult run =
            RunCommand(Chromium("--no-pdf-header-footer --print-to-pdf='" + pdf + "' 'file://" + path + "'"));
        EXPECT_EQ(run.status, 0) << run.output;
        return pdf;
    }

    int Convert(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = convert::RunConvert(args, out, err);
        said = out.str() + err.str();
        return status;
    }

    std::vector<std::string> ExampleArgs(const std::string& folder)
    {
        return {"--folder", folder, "--year", "6", "--settings", dir.File("Corvane.ENV"), "--out", dir.File("out.XML")};
    }

    TempDir dir;
    std::string said;
};

long long Number(const std::string& text)
{
    std::string digits;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || c == '-')
            digits += c;
    }
    return digits.empty() ? 0 : std::stoll(digits);
}

struct Sums {
    int employees = 0;
    long long gross = 0;
    long long deductions = 0;
    long long tax = 0;
    bool operator==(const Sums&) const = default;
};

std::string Element(const std::string& block, const std::string& tag)
{
    const std::size_t start = block.find("<" + tag + ">");
    if (start == std::string::npos)
        return std::string();
    const std::size_t from = start + tag.size() + 2;
    return block.substr(from, block.find("</" + tag + ">", from) - from);
}

// The written XML read on its own: sums per period key ("m4", "b1") and per
// employee code (salary gross, bonus gross, deductions, tax).
struct XmlSums {
    std::map<std::string, Sums> periods;
    std::map<std::string, std::vector<long long>> employees;
};

XmlSums SumXml(const std::string& xml)
{
    XmlSums sums;
    const std::regex employee("<SYAIN CODE=\"([^\"]*)\"");
    const std::regex record("<(KYUUYO|SYOUYO) KUBUN=\"(\\d+)\">([\\s\\S]*?)</\\1>");
    std::size_t at = 0;
    while ((at = xml.find("<SYAIN CODE=", at)) != std::string::npos) {
        const std::size_t end = xml.find("</SYAIN>", at);
        const std::string block = xml.substr(at, end - at);
        std::smatch code;
        std::regex_search(block, code, employee);
        std::vector<long long>& row = sums.employees[code[1]];
        row.assign(4, 0);
        for (std::sregex_iterator it(block.begin(), block.end(), record), none; it != none; ++it) {
            const std::string body = (*it)[3];
            const std::string figures[] = {Element(body, "SOUSIKYUUGAKU"), Element(body, "HOKENKOUJOGAKU"),
                                           Element(body, "FUYOUSINZOKUSUU"), Element(body, "SANSYUTUZEIGAKU")};
            if (figures[0].empty() && figures[1].empty() && figures[2].empty() && figures[3].empty())
                continue;
            const bool bonus = (*it)[1] == "SYOUYO";
            const int kubun = std::stoi((*it)[2]);
            Sums& period = sums.periods[(bonus ? "b" : "m") + std::to_string(bonus ? kubun - 13 : kubun)];
            ++period.employees;
            period.gross += Number(figures[0]);
            period.deductions += Number(figures[1]);
            period.tax += Number(figures[3]);
            row[bonus ? 1 : 0] += Number(figures[0]);
            row[2] += Number(figures[1]);
            row[3] += Number(figures[3]);
        }
        at = end;
    }
    return sums;
}

// The cell of class `name` in `row` (<td class="num name">...</td>).
long long CellValue(const std::string& row, const std::string& name)
{
    const std::string mark = "class=\"num " + name + "\">";
    const std::size_t at = row.find(mark);
    if (at == std::string::npos)
        return -1;
    return Number(row.substr(at + mark.size(), row.find('<', at + mark.size()) - at - mark.size()));
}

TEST_F(Browser, TheSamplesCheckListShowsTheSumsOfTheWrittenXml)
{
    std::vector<std::string> args = ExampleArgs(kExamples);
    args.push_back("--checklist");
    ASSERT_EQ(Convert(args), 0) << said;
    const std::string path = dir.File(U(u8"out_確認表.html"));
    EXPECT_NE(said.find(U(u8"確認表を作成しました。")), std::string::npos) << said;

    const XmlSums expected = SumXml(ReadFileBytes(dir.File("out.XML")));
    ASSERT_EQ(expected.periods.size(), 14u);  // twelve months and two bonuses
    const Rendered page = Load(path);
    EXPECT_TRUE(page.ConsoleQuiet()) << page.log;

    Sums all;
    for (const auto& [key, sums] : expected.periods) {
        const std::size_t at = page.dom.find("<tr data-period=\"" + key + "\">");
        ASSERT_NE(at, std::string::npos) << key;
        const std::string row = page.dom.substr(at, page.dom.find("</tr>", at) - at);
        const std::regex count("<td class=\"num\">(\\d+)</td>");
        std::smatch employees;
        ASSERT_TRUE(std::regex_search(row, employees, count)) << row;
        EXPECT_EQ((Sums{std::stoi(employees[1]), CellValue(row, "gross"), CellValue(row, "deductions"),
                        CellValue(row, "tax")}),
                  sums)
            << key;
        all.gross += sums.gross;
        all.deductions += sums.deductions;
        all.tax += sums.tax;
    }
    const std::size_t total = page.dom.find("data-total=\"all\"");
    ASSERT_NE(total, std::string::npos);
    const std::string totalRow = page.dom.substr(total, page.dom.find("</tr>", total) - total);
    EXPECT_EQ(CellValue(totalRow, "gross"), all.gross);
    EXPECT_EQ(CellValue(totalRow, "deductions"), all.deductions);
    EXPECT_EQ(CellValue(totalRow, "tax"), all.tax);

    ASSERT_EQ(expected.employees.size(), 20u);
    for (const auto& [code, sums] : expected.employees) {
        const std::size_t at = page.dom.find("<td class=\"code\">" + code + "</td>");
        ASSERT_NE(at, std::string::npos) << code;
        const std::string row = page.dom.substr(at, page.dom.find("</tr>", at) - at);
        EXPECT_EQ((std::vector<long long>{CellValue(row, "salary"), CellValue(row, "bonus"),
                                          CellValue(row, "deductions"), CellValue(row, "tax")}),
                  sums)
            << code;
    }
}

TEST_F(Browser, ABrokenSetAndABatchIndexLoadWithoutConsoleErrors)
{
    // The check on console messages sees a page's error.
    const std::string faulty = dir.Write("faulty.html", "<!DOCTYPE html><script>missing.call();</script>");
    EXPECT_FALSE(Load(faulty).ConsoleQuiet());

    // A row with a field too many: the set converts with a finding.
    const std::string broken = dir.File("root/broken");
    std::filesystem::create_directories(broken);
    for (const auto& file : samplegen::GenerateSampleExports({20, 1, 2})) {
        std::string bytes = file.bytes;
        if (file.name == "salary-05.txt") {
            const std::size_t row = bytes.find("\r\n1003,");
            ASSERT_NE(row, std::string::npos);
            bytes.insert(bytes.find("\r\n", row + 2), ",1");
        }
        dir.Write("root/broken/" + file.name, bytes);
    }
    std::filesystem::create_directories(dir.File("root/empty"));
    std::vector<std::string> args = ExampleArgs(broken);
    args.push_back("--checklist");
    ASSERT_EQ(Convert(args), 0) << said;
    const Rendered page = Load(dir.File(U(u8"out_確認表.html")));
    EXPECT_TRUE(page.ConsoleQuiet()) << page.log;
    EXPECT_EQ(page.dom.find(U(u8"問題なし")), std::string::npos);
    EXPECT_NE(page.dom.find("class=\"finding "), std::string::npos);
    EXPECT_NE(page.dom.find("<tr class=\"flagged\">"), std::string::npos);

    // The batch: the broken company converted, the empty folder refused.
    ASSERT_EQ(Convert({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--settings", dir.File("Corvane.ENV"),
                       "--year", "6", "--checklist"}),
              1)
        << said;
    const Rendered index = Load(dir.File("out/index.html"));
    EXPECT_TRUE(index.ConsoleQuiet()) << index.log;
    EXPECT_NE(index.dom.find(U(u8"変換していません")), std::string::npos);
    const std::regex link("<a href=\"([^\"]+)\">");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(index.dom, found, link)) << index.dom;
    // The link is the percent-encoded name of a check list beside the index.
    bool linked = false;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("out"))) {
        const std::string name = entry.path().filename().string();
        if (checklist::EscapeUrlPath(name) == found[1])
            linked = std::filesystem::is_regular_file(entry.path());
    }
    EXPECT_TRUE(linked) << found[1];
}

int PdfPages(const std::string& pdf, std::string& sizes)
{
    const CommandResult info = RunCommand("pdfinfo -f 1 -l 1000 '" + pdf + "'");
    EXPECT_EQ(info.status, 0) << info.output;
    sizes = info.output;
    const std::size_t at = info.output.find("\nPages:");
    return at == std::string::npos ? 0 : static_cast<int>(Number(info.output.substr(at, 30)));
}

TEST_F(Browser, APrintOfTwoHundredEmployeesIsOnA4WithTheHeadingsOnEveryPage)
{
    std::filesystem::create_directories(dir.File("exports"));
    std::string error;
    ASSERT_TRUE(samplegen::WriteSampleExports(dir.File("exports"), {200, 1, 2}, error)) << error;
    std::vector<std::string> args = ExampleArgs(dir.File("exports"));
    args.push_back("--checklist");
    args.push_back(dir.File("list.html"));
    ASSERT_EQ(Convert(args), 0) << said;

    const std::string pdf = Print(dir.File("list.html"));
    std::string sizes;
    const int pages = PdfPages(pdf, sizes);
    // Heading, verdict and the fourteen payments on the first page, about
    // fifty employees on each further one, then the items, files and boxes.
    EXPECT_GE(pages, 5) << sizes;
    EXPECT_LE(pages, 8) << sizes;
    for (int page = 1; page <= pages; ++page) {
        const std::regex a4("Page +" + std::to_string(page) + " size: +[0-9.]+ x [0-9.]+ pts \\(A4\\)");
        EXPECT_TRUE(std::regex_search(sizes, a4)) << "page " << page << "\n" << sizes;
    }
    // Every page that lists employees starts their table with its headings.
    int listing = 0;
    for (int page = 1; page <= pages; ++page) {
        const CommandResult text =
            RunCommand("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf + "' -");
        if (text.output.find(U(u8"在職")) == std::string::npos)
            continue;
        ++listing;
        EXPECT_NE(text.output.find(U(u8"給与の総支給金額")), std::string::npos) << "page " << page;
    }
    EXPECT_GE(listing, 4);
}

TEST_F(Browser, ANameWithMarkupCharactersShowsAsWritten)
{
    checklist::CheckList list;
    list.company = "A&B";
    list.outputPath = "/x.XML";
    checklist::EmployeeRow row;
    row.code = "0001";
    row.name = "<b>Tom & \"Jerry\"</b>";
    list.employees = {row};
    const std::string path = dir.Write("names.html", checklist::CheckListHtml(list));

    const Rendered page = Load(path);
    EXPECT_TRUE(page.ConsoleQuiet()) << page.log;
    EXPECT_NE(page.dom.find("<td class=\"name\">&lt;b&gt;Tom &amp; \"Jerry\"&lt;/b&gt;</td>"), std::string::npos);
    // The name may wrap in its cell: compared without blanks and line ends.
    std::string text = RunCommand("pdftotext '" + Print(path) + "' -").output;
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    EXPECT_NE(text.find("<b>Tom&\"Jerry\"</b>"), std::string::npos) << text;
}

}  // namespace
}  // namespace corvane::test
