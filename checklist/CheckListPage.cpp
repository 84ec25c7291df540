#include "checklist/CheckListPage.h"

#include "checklist/Html.h"
#include "checklist/PageStyle.h"

namespace corvane::checklist {

namespace {

std::string Number(long long value)
{
    return std::to_string(value);
}

// What a level's findings concern: 「2人」, or 「1ファイル」 when they name no
// employee; 「0人」 for none.
std::string Concerned(const LevelCount& count)
{
    if (count.people == 0 && count.files > 0)
        return Number(count.files) + std::string(Utf8(u8"ファイル"));
    return Number(count.people) + std::string(Utf8(u8"人"));
}

std::string Cell(std::string_view text, std::string_view cls = {})
{
    std::string cell = cls.empty() ? "<td>" : "<td class=\"" + std::string(cls) + "\">";
    return cell + EscapeHtml(text) + "</td>";
}

std::string AmountCell(long long value, std::string_view name)
{
    return "<td class=\"num " + std::string(name) + "\">" + Amount(value) + "</td>";
}

// The headings of columns `firstNumber` to `lastNumber` (0-based) are aligned as the numbers under them.
std::string Head(std::initializer_list<std::string_view> headings, std::size_t firstNumber = 99,
                 std::size_t lastNumber = 99)
{
    std::string row = "<thead><tr>";
    std::size_t i = 0;
    for (const auto heading : headings) {
        row += (i >= firstNumber && i <= lastNumber ? "<th class=\"num\">" : "<th>") + std::string(heading) + "</th>";
        ++i;
    }
    return row + "</tr></thead>";
}

std::string PageStart(std::string_view title)
{
    return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           EscapeHtml(title) + "</title>\n<style>" + PageStyle() + "</style>\n</head>\n<body>\n";
}

std::string FactRow(std::string_view heading, std::string_view value, std::string_view cls = {})
{
    return "<tr><th>" + std::string(heading) + "</th>" + Cell(value, cls) + "</tr>\n";
}

std::string PeriodName(const PaymentRow& payment)
{
    return std::string(payment.bonus ? Utf8(u8"賞与") : "") + Number(payment.number) +
           std::string(payment.bonus ? "" : Utf8(u8"月"));
}

std::string Heading(const CheckList& list)
{
    std::string html = "<header>\n<h1>" + std::string(Utf8(u8"確認表")) + "</h1>\n<table class=\"facts\">\n";
    html += FactRow(Utf8(u8"会社名"), list.company);
    html += FactRow(Utf8(u8"年分"), list.exportYear.empty() ? std::string(Utf8(u8"不明")) : list.exportYear);
    html += FactRow(Utf8(u8"申告年度"), list.filingYear);
    html += FactRow(Utf8(u8"モード"), list.mode);
    html += FactRow(Utf8(u8"変換日時"), list.convertedAt);
    html += FactRow(Utf8(u8"プログラム"), list.version);
    html += FactRow(Utf8(u8"中間ファイル"), list.outputPath, "path");
    if (list.output) {
        html += FactRow(Utf8(u8"サイズ"),
                        Amount(static_cast<long long>(list.output->size)) + std::string(Utf8(u8" バイト")));
        html += FactRow("SHA-256", list.output->sha256, "hash");
    } else {
        html += FactRow(Utf8(u8"サイズ"), Utf8(u8"まだ作成していません（確認のための表示です）"));
    }
    return html + "</table>\n</header>\n";
}

std::string Verdict(const CheckList& list)
{
    const LevelCounts counts = CountLevels(list.findings);
    std::string html;
    if (counts.mustFix.findings + counts.toConfirm.findings == 0) {
        html = "<section id=\"verdict\" class=\"verdict ok\">\n<p>" + std::string(Utf8(u8"判定：問題なし")) +
               "</p>\n<p class=\"note\">" +
               std::string(Utf8(u8"エクスポートファイルの確認で、見つかった事項はありません。")) + "</p>\n";
    } else {
        const char* cls = counts.mustFix.findings > 0 ? "mustfix" : "confirm";
        html = "<section id=\"verdict\" class=\"verdict " + std::string(cls) + "\">\n<p>" +
               std::string(Utf8(u8"判定：")) + "<span class=\"must-fix-count\">" + std::string(Utf8(u8"要修正 ")) +
               Concerned(counts.mustFix) + "</span>" + std::string(Utf8(u8"、")) + "<span class=\"to-confirm-count\">" +
               std::string(Utf8(u8"要確認 ")) + Concerned(counts.toConfirm) + "</span></p>\n<p class=\"note\">" +
               std::string(counts.mustFix.findings > 0
                               ? Utf8(u8"要修正の事項は、中間ファイルのある従業員の金額が正しくないことを示します。"
                                      u8"給与ソフトで直してから、もう一度変換してください。")
                               : Utf8(u8"要確認の事項は、正しい場合もあります。下の一覧で一人ずつ確かめてください。")) +
               "</p>\n";
    }
    return html + "</section>\n";
}

std::string OneFinding(const FindingEntry& finding)
{
    const std::string_view level = finding.mustFix ? Utf8(u8"要修正") : Utf8(u8"要確認");
    std::string html = "<div class=\"finding " + std::string(finding.mustFix ? "mustfix" : "confirm") +
                       "\">\n<p><span class=\"level\">" + std::string(Utf8(u8"【")) + std::string(level) +
                       std::string(Utf8(u8"】")) + "</span>" + EscapeHtml(finding.kind) + "</p>\n";
    std::string where;
    if (!finding.file.empty())
        where += std::string(Utf8(u8"ファイル：")) + EscapeHtml(finding.file);
    if (finding.line > 0)
        where += std::string(where.empty() ? "" : Utf8(u8"　")) + std::string(Utf8(u8"行：")) + Number(finding.line);
    if (!finding.column.empty())
        where +=
            std::string(where.empty() ? "" : Utf8(u8"　")) + std::string(Utf8(u8"列：")) + EscapeHtml(finding.column);
    if (!where.empty())
        html += "<p class=\"where\">" + where + "</p>\n";
    if (!finding.text.empty())
        html += "<p class=\"text\">" + EscapeHtml(finding.text) + "</p>\n";
    if (!finding.outcome.empty())
        html += "<p>" + std::string(Utf8(u8"出力：")) + EscapeHtml(finding.outcome) + "</p>\n";
    if (!finding.fix.empty())
        html += "<p>" + std::string(Utf8(u8"直し方：")) + EscapeHtml(finding.fix) + "</p>\n";
    if (!finding.affected.empty()) {
        html += "<table class=\"affected\">" +
                Head({Utf8(u8"コード"), Utf8(u8"氏名"), Utf8(u8"ファイル"), Utf8(u8"行"), Utf8(u8"列"), Utf8(u8"値"),
                      Utf8(u8"出力")}) +
                "<tbody>\n";
        for (const auto& person : finding.affected) {
            html += "<tr>" + Cell(person.code) + Cell(person.name) + Cell(finding.file, "path") + "<td class=\"num\">" +
                    (person.line > 0 ? Number(person.line) : std::string()) + "</td>" + Cell(finding.column) +
                    Cell(person.value) + Cell(person.outcome.empty() ? finding.outcome : person.outcome) + "</tr>\n";
        }
        html += "</tbody></table>\n";
    }
    return html + "</div>\n";
}

std::string Findings(const CheckList& list)
{
    std::string html = "<section id=\"findings\">\n<h2>" + std::string(Utf8(u8"確認事項")) + "</h2>\n";
    if (list.findings.empty())
        return html + "<p class=\"empty\">" + std::string(Utf8(u8"ありません。")) + "</p>\n</section>\n";
    const LevelCounts counts = CountLevels(list.findings);
    for (const bool mustFix : {true, false}) {
        const LevelCount& count = mustFix ? counts.mustFix : counts.toConfirm;
        if (count.findings == 0)
            continue;
        html += "<h3>" + std::string(mustFix ? Utf8(u8"要修正") : Utf8(u8"要確認")) + std::string(Utf8(u8"（")) +
                Concerned(count) + std::string(Utf8(u8"）")) + "</h3>\n";
        for (const auto& finding : list.findings) {
            if (finding.mustFix == mustFix)
                html += OneFinding(finding);
        }
    }
    return html + "</section>\n";
}

std::string AmountCells(const Amounts& amounts)
{
    return AmountCell(amounts.gross, "gross") + AmountCell(amounts.deductions, "deductions") +
           AmountCell(amounts.tax, "tax");
}

std::string TotalRow(std::string_view title, std::string_view kind, const Amounts& amounts)
{
    return "<tr class=\"total\" data-total=\"" + std::string(kind) + "\"><th colspan=\"4\">" + std::string(title) +
           "</th>" + AmountCells(amounts) + "</tr>\n";
}

std::string Payments(const CheckList& list)
{
    std::string html = "<section id=\"payments\">\n<h2>" + std::string(Utf8(u8"支給ごとの合計")) +
                       "</h2>\n<table class=\"payments\">" +
                       Head({Utf8(u8"支給"), Utf8(u8"支給日"), Utf8(u8"ファイル"), Utf8(u8"人数"), Utf8(u8"総支給金額"),
                             Utf8(u8"社会保険料等の控除額"), Utf8(u8"算出税額")},
                            3) +
                       "<tbody>\n";
    for (const auto& payment : list.payments) {
        html += "<tr data-period=\"" + std::string(payment.bonus ? "b" : "m") + Number(payment.number) + "\">" +
                Cell(PeriodName(payment)) + Cell(payment.paidOn) + Cell(payment.file, "path") + "<td class=\"num\">" +
                Number(payment.employees) + "</td>" + AmountCells(payment.amounts) + "</tr>\n";
    }
    const PaymentTotals totals = TotalsOf(list.payments);
    html += TotalRow(Utf8(u8"給与の計"), "salary", totals.salary);
    html += TotalRow(Utf8(u8"賞与の計"), "bonus", totals.bonus);
    html += TotalRow(Utf8(u8"総合計"), "all", totals.all);
    return html + "</tbody></table>\n</section>\n";
}

std::string Status(const EmployeeRow& employee)
{
    if (!employee.retired)
        return std::string(Utf8(u8"在職"));
    return std::string(Utf8(u8"退職")) + (employee.retiredOn.empty() ? "" : " " + employee.retiredOn);
}

std::string Employees(const CheckList& list)
{
    std::string html = "<section id=\"employees\">\n<h2>" + std::string(Utf8(u8"従業員ごとの合計（")) +
                       Number(static_cast<long long>(list.employees.size())) + std::string(Utf8(u8"人）")) +
                       "</h2>\n<table class=\"employees\">" +
                       Head({Utf8(u8"確認"), Utf8(u8"コード"), Utf8(u8"氏名"), Utf8(u8"在籍"), Utf8(u8"給与の月"),
                             Utf8(u8"賞与の回"), Utf8(u8"給与の総支給金額"), Utf8(u8"賞与の総支給金額"),
                             Utf8(u8"社会保険料等"), Utf8(u8"算出税額"), Utf8(u8"扶養親族等の数")},
                            6, 10) +
                       "<tbody>\n";
    for (const auto& employee : list.employees) {
        const std::string months = PeriodRanges(employee.months);
        const std::string bonuses = PeriodRanges(employee.bonuses);
        html += std::string(employee.flagged ? "<tr class=\"flagged\">" : "<tr>") + "<td class=\"mark\">" +
                std::string(employee.flagged ? Utf8(u8"※") : "") + "</td>" + Cell(employee.code, "code") +
                Cell(employee.name, "name") + Cell(Status(employee)) +
                Cell(months.empty() ? months : months + std::string(Utf8(u8"月"))) +
                Cell(bonuses.empty() ? bonuses : bonuses + std::string(Utf8(u8"回"))) +
                AmountCell(employee.salary.gross, "salary") + AmountCell(employee.bonus.gross, "bonus") +
                AmountCell(employee.salary.deductions + employee.bonus.deductions, "deductions") +
                AmountCell(employee.salary.tax + employee.bonus.tax, "tax") + Cell(employee.dependants, "num") +
                "</tr>\n";
    }
    html += "</tbody></table>\n";
    if (!list.findings.empty())
        html += "<p>" + std::string(Utf8(u8"※ 確認事項に名前のある従業員です。")) + "</p>\n";
    return html + "</section>\n";
}

std::string Items(const CheckList& list)
{
    std::string html = "<section id=\"items\">\n<h2>" + std::string(Utf8(u8"項目の対応")) +
                       "</h2>\n<table class=\"items\">" +
                       Head({Utf8(u8"金額"), Utf8(u8"集計表の項目"), Utf8(u8"列")}, 2) + "<tbody>\n";
    for (const auto& item : list.items) {
        html += "<tr>" + Cell(item.target) +
                Cell(item.heading.empty() ? std::string(Utf8(u8"（未選択）")) : item.heading) + "<td class=\"num\">" +
                (item.column >= 0 ? Number(item.column + 1) : std::string()) + "</td></tr>\n";
    }
    return html + "</tbody></table>\n</section>\n";
}

std::string Inputs(const CheckList& list)
{
    std::string html = "<section id=\"inputs\">\n<h2>" + std::string(Utf8(u8"エクスポートファイル")) +
                       "</h2>\n<table class=\"inputs\">" +
                       Head({Utf8(u8"種類"), Utf8(u8"パス"), Utf8(u8"行数"), Utf8(u8"サイズ"), "SHA-256"}, 2, 3) +
                       "<tbody>\n";
    for (const auto& input : list.inputs) {
        html += "<tr>" + Cell(input.role) + Cell(input.file.path, "path") + "<td class=\"num\">" +
                Amount(input.file.lines) + "</td><td class=\"num\">" + Amount(static_cast<long long>(input.file.size)) +
                "</td>" +
                Cell(input.file.sha256.empty() ? std::string(Utf8(u8"読めません")) : input.file.sha256, "hash") +
                "</tr>\n";
    }
    return html + "</tbody></table>\n</section>\n";
}

std::string SignOff()
{
    return "<section class=\"signoff\" id=\"signoff\">\n<h2>" + std::string(Utf8(u8"確認欄")) +
           "</h2>\n<table class=\"signoff\"><tr><th>" + std::string(Utf8(u8"作成者")) + "</th><th>" +
           std::string(Utf8(u8"確認者")) + "</th><th>" + std::string(Utf8(u8"日付")) +
           "</th></tr>\n<tr><td></td><td></td><td></td></tr></table>\n</section>\n";
}

}  // namespace

std::string PeriodRanges(const std::vector<int>& periods)
{
    std::string text;
    for (std::size_t i = 0; i < periods.size();) {
        std::size_t end = i;
        while (end + 1 < periods.size() && periods[end + 1] == periods[end] + 1)
            ++end;
        if (!text.empty())
            text += Utf8(u8"・");
        text += Number(periods[i]);
        if (end > i)
            text += std::string(Utf8(u8"～")) + Number(periods[end]);
        i = end + 1;
    }
    return text;
}

std::string CheckListHtml(const CheckList& list)
{
    std::string html = PageStart(std::string(Utf8(u8"確認表 ")) + list.company);
    html += Heading(list);
    html += Verdict(list);
    html += Findings(list);
    html += Payments(list);
    html += Employees(list);
    html += Items(list);
    html += Inputs(list);
    html += SignOff();
    return html + "</body>\n</html>\n";
}

std::string BatchIndexHtml(const std::vector<IndexEntry>& entries, const std::string& madeAt,
                           const std::string& version)
{
    std::string html = PageStart(Utf8(u8"一括変換の確認表"));
    html += "<h1>" + std::string(Utf8(u8"一括変換の確認表")) + "</h1>\n<table class=\"facts\">\n";
    html += FactRow(Utf8(u8"変換日時"), madeAt);
    html += FactRow(Utf8(u8"プログラム"), version);
    int converted = 0;
    for (const auto& entry : entries)
        converted += entry.converted ? 1 : 0;
    html += FactRow(Utf8(u8"会社"), Number(static_cast<long long>(entries.size())) + std::string(Utf8(u8"社（変換 ")) +
                                        Number(converted) + std::string(Utf8(u8"社、変換せず ")) +
                                        Number(static_cast<long long>(entries.size()) - converted) +
                                        std::string(Utf8(u8"社）")));
    html += "</table>\n<section id=\"companies\">\n<h2>" + std::string(Utf8(u8"会社ごとの結果")) +
            "</h2>\n<table class=\"companies\">" +
            Head({Utf8(u8"会社"), Utf8(u8"フォルダー"), Utf8(u8"判定"), Utf8(u8"要修正"), Utf8(u8"要確認"),
                  Utf8(u8"従業員"), Utf8(u8"総支給金額"), Utf8(u8"社会保険料等の控除額"), Utf8(u8"算出税額"),
                  Utf8(u8"確認表")},
                 3) +
            "<tbody>\n";
    for (const auto& entry : entries) {
        html += "<tr>" + Cell(entry.company) + Cell(entry.folder, "path");
        if (!entry.converted) {
            html += Cell(Utf8(u8"変換していません")) + "<td colspan=\"7\" class=\"text\">" + EscapeHtml(entry.reason) +
                    "</td></tr>\n";
            continue;
        }
        const int found = entry.counts.mustFix.findings + entry.counts.toConfirm.findings;
        html += Cell(found == 0                          ? Utf8(u8"問題なし")
                     : entry.counts.mustFix.findings > 0 ? Utf8(u8"要修正あり")
                                                         : Utf8(u8"要確認あり")) +
                "<td class=\"num\">" + Concerned(entry.counts.mustFix) + "</td><td class=\"num\">" +
                Concerned(entry.counts.toConfirm) + "</td><td class=\"num\">" + Number(entry.employees) + "</td>" +
                AmountCells(entry.totals) + "<td>";
        if (entry.link.empty())
            html += EscapeHtml(entry.reason.empty() ? std::string(Utf8(u8"作成できませんでした")) : entry.reason);
        else
            html += "<a href=\"" + EscapeHtml(EscapeUrlPath(entry.link)) + "\">" + std::string(Utf8(u8"開く")) + "</a>";
        html += "</td></tr>\n";
    }
    return html + "</tbody></table>\n</section>\n</body>\n</html>\n";
}

}  // namespace corvane::checklist
