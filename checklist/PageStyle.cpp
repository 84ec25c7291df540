#include "checklist/PageStyle.h"

namespace corvane::checklist {

const std::string& PageStyle()
{
    // Fonts the systems have: nothing is fetched. Verdict colours repeat
    // what the words say, for black-and-white prints.
    static const std::string style = R"(
@page { size: A4 portrait; margin: 12mm 10mm 14mm 10mm; }
* { box-sizing: border-box; }
body { font-family: "Noto Sans CJK JP", "Yu Gothic", "Meiryo", "Hiragino Sans", sans-serif;
       font-size: 10pt; color: #111; margin: 1.5em auto; max-width: 72em; padding: 0 1em; line-height: 1.45; }
h1 { font-size: 16pt; margin: 0 0 .4em; }
h2 { font-size: 12pt; margin: 1.4em 0 .4em; border-bottom: 1.5pt solid #333; padding-bottom: 2px; }
h3 { font-size: 10.5pt; margin: 1em 0 .3em; }
table { border-collapse: collapse; width: 100%; }
th, td { border: 0.75pt solid #777; padding: 2px 5px; vertical-align: top; text-align: left; }
thead th { background: #e8e8e8; font-weight: bold; }
table.affected thead th { white-space: nowrap; }
td.num, th.num { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
td.path, td.hash { word-break: break-all; }
td.hash { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 8pt; }
td.text, p.text { white-space: pre-line; }
table.facts th { width: 11em; background: #f2f2f2; }
tr.total td, tr.total th { font-weight: bold; background: #f4f4f4; border-top: 1.5pt solid #333; }
tr.flagged td { background: #fff4e0; }
table.employees td { white-space: nowrap; }
table.employees thead th, table.payments thead th, table.companies thead th { font-size: 8pt; }
.mark { font-weight: bold; }
.verdict { border: 2.5pt solid; padding: .5em .8em; margin: 1em 0; font-size: 13pt; font-weight: bold; }
.verdict.ok { border-color: #1a7f37; color: #1a7f37; }
.verdict.confirm { border-color: #b36b00; color: #8a5300; }
.verdict.mustfix { border-color: #c62828; color: #b71c1c; }
.verdict p { margin: 0; }
.verdict .note { font-size: 9.5pt; font-weight: normal; color: #111; margin-top: .3em; }
.finding { border: 0.75pt solid #999; border-left: 4pt solid; padding: .4em .6em; margin: .6em 0; }
.finding.mustfix { border-left-color: #c62828; }
.finding.confirm { border-left-color: #b36b00; }
.finding p { margin: .15em 0; }
.level { font-weight: bold; }
.empty { color: #555; }
table.signoff { width: 60%; margin-top: .5em; }
table.signoff th { width: 33%; text-align: center; background: #f2f2f2; }
table.signoff td { height: 22mm; }
footer { margin-top: 1.5em; font-size: 8.5pt; color: #555; }
@media print {
  body { margin: 0; max-width: none; padding: 0; font-size: 8.5pt; }
  thead { display: table-header-group; }
  tr, .finding p, .verdict { break-inside: avoid; page-break-inside: avoid; }
  h2, h3 { break-after: avoid; page-break-after: avoid; }
  section.signoff { break-inside: avoid; page-break-inside: avoid; }
  thead th, tr.total td, tr.total th, tr.flagged td, table.facts th, table.signoff th {
      -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  a { color: inherit; text-decoration: none; }
}
)";
    return style;
}

}  // namespace corvane::checklist
