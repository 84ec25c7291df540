#!/bin/sh
# Writes the seed inputs of every harness into DIR/<harness>/: the sample
# exports (examples/) and the test data's exports, joined as each harness
# reads its input, and a few broken forms of them (cut inside a row, a quote
# that opens on a double-byte character's last byte, a stray comma, a 0x1A),
# and years and dates in the forms the exports and spreadsheets write.
#   tests/fuzz/libfuzzer/make-seeds.sh DIR
set -eu
cd "$(dirname "$0")/../../.."
out=$1
sep=$(printf '\n--8<--\n_'); sep=${sep%_}
for h in reader_preflight identify settings start_parameter folder_sort conversion export_years checklist_html; do
    mkdir -p "$out/$h"
done
join() { # FILE... : the files joined with the separator
    first=1
    for f in "$@"; do
        [ $first = 1 ] || printf '%s' "$sep"
        cat "$f"
        first=0
    done
}
data=tests/data
pairs="examples/employees.txt:examples/salary-04.txt examples/employees.txt:examples/bonus-1.txt
$data/engine/edge/employees.txt:$data/engine/edge/salary-04.txt
$data/engine/edge/employees.txt:$data/engine/edge/bonus-1.txt
$data/sormaexport/example/EMPLOYEES.TXT:$data/sormaexport/example/SALARY04.TXT
$data/convert/sample-10/employees.txt:$data/convert/sample-10/salary-12.txt"
n=0
for pair in $pairs; do
    list=${pair%%:*}; summary=${pair#*:}
    n=$((n + 1))
    for h in reader_preflight conversion; do
        join "$list" "$summary" > "$out/$h/pair-$n"
    done
    join "$list" "$summary" "$data/convert/sample-10/salary-01.txt" > "$out/identify/pair-$n"
done
# Broken forms of the smallest pair.
list=$data/sormaexport/example/EMPLOYEES.TXT
summary=$data/sormaexport/example/SALARY04.TXT
for h in reader_preflight conversion identify; do
    { cat "$list"; printf '%s' "$sep"; head -c 700 "$summary"; } > "$out/$h/cut-row"
    { cat "$list"; printf '%s' "$sep"; sed '6s/^\([^,]*\),/\1,,/' "$summary"; } > "$out/$h/stray-comma"
    { cat "$list"; printf '%s' "$sep"; sed '6s/,/,\x83"/' "$summary"; } > "$out/$h/quote-on-trail"
    { head -c 300 "$list"; printf '\032\000\000'; printf '%s' "$sep"; cat "$summary"; } > "$out/$h/eof-mark"
done
# Settings: a file of two companies, then an employee list.
printf '%s\r\n%s\r\n%s\r\n' '会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額' \
    'サンプル商事株式会社,支給合計,50,社会保険料計,72,扶養人数,93,所得税,65' \
    '"株式会社,テスト",支給合計,9,,-1,,-1,所得税,7' | iconv -f UTF-8 -t CP932 > "$out/settings/two-companies"
{ cat "$out/settings/two-companies"; printf '%s' "$sep"; cat examples/employees.txt; } > "$out/settings/with-list"
# Start parameters as callers write them.
printf '%s' '132456,32769,3,C:\Data\out.XML' > "$out/start_parameter/plain"
printf '%s' ' -1 , 2,3, "C:\Users\yamada taro\out.XML" ' > "$out/start_parameter/quoted"
printf '%s' '2147483647,-2147483648,1,/tmp/a.XML' > "$out/start_parameter/limits"
# Folders: each part a file name line, then the file.
{ printf 'employees.txt\n'; cat examples/employees.txt; printf '%s' "$sep"
  printf 'salary-04.txt\n'; cat examples/salary-04.txt; printf '%s' "$sep"
  printf 'bonus-1.txt\n'; cat examples/bonus-1.txt; printf '%s' "$sep"
  printf 'bonus-2.txt\n'; cat examples/bonus-2.txt; printf '%s' "$sep"
  printf 'notes.txt\n'; printf 'memo\r\n'; } > "$out/folder_sort/examples"
{ printf 'a.txt\n'; cat examples/employees.txt; printf '%s' "$sep"
  printf 'b.txt\n'; cat examples/employees.txt; } > "$out/folder_sort/two-lists"
# Years and dates: a filing year and dates in every form, then the head of
# the samples' employee list, a salary and a bonus summary, their years and
# dates changed one at a time (to UTF-8 and back: sed works on characters).
utf8() { iconv -f CP932 -t UTF-8 "$1"; }
cp932() { iconv -f UTF-8 -t CP932; }
dates='昭和50年 4月 3日
1975/4/3,1975-04-03,1975.4.3,1975年4月3日,"令和 6年 2月29日"
令和元年 5月 1日,平成31年 4月30日,明治45年 7月30日,大正 1年 7月30日,2/10/62
給与集計表,会社,令和元年分
集計期間：令和 6年 4月 1日～令和 6年 4月30日,支給日：2024/7/10'
years() { # FILING SALARY-EDIT BONUS-EDIT : one seed on stdout
    { printf '%s\n%s' "$1" "$dates" | cp932; printf '%s' "$sep"
      head -n 5 examples/employees.txt; printf '%s' "$sep"
      utf8 examples/salary-04.txt | head -n 7 | sed "$2" | cp932; printf '%s' "$sep"
      utf8 examples/bonus-1.txt | head -n 7 | sed "$3" | cp932; }
}
years 6 '' '' > "$out/export_years/same-year"
years 5 '' '' > "$out/export_years/other-filing-year"
years '' '1s/令和 6年分/令和 5年分/' '' > "$out/export_years/other-summary-year"
years 6 '' '4s/令和 6年 7月10日/令和 7年 1月10日/' > "$out/export_years/bonus-outside-year"
years 6 '1s/令和 6年分/2024年分/;4s/令和 6年 4月 1日～令和 6年 4月30日/2024\/4\/1～2024-04-30/' \
    '1s/令和 6年分/平成31年分/;4s/令和 6年 7月10日/2019.7.10/' > "$out/export_years/western-and-heisei"
{ printf '99999999999'; printf '%s' "$sep"; join $data/engine/edge/employees.txt $data/engine/edge/salary-04.txt \
    $data/engine/edge/bonus-1.txt; } > "$out/export_years/no-years"
# The check list's texts (UTF-8, as the page gets them), one a part after a
# byte of flags: the samples' own, markup in every one, and paths whose
# bytes are code page 932 (a Linux file system holds any).
mkdir -p "$out/checklist_html"
fields() { # TEXT... : the texts joined with the separator
    first=1
    for f in "$@"; do
        [ $first = 1 ] || printf '%s' "$sep"
        printf '%s' "$f"
        first=0
    done
}
company=$(utf8 examples/employees.txt | head -n 1 | cut -d, -f2 | tr -d "\r")
year=$(utf8 examples/salary-04.txt | head -n 1 | cut -d, -f3 | tr -d "\r")
heading=$(utf8 examples/salary-04.txt | sed -n 5p | cut -d, -f3)
name=$(utf8 examples/employees.txt | sed -n 4p | cut -d, -f1)
fields Y "$company" "$year" 7 標準モード '2025/01/10 09:30' 'Corvane 1.0' /home/keiri/出力/会社.XML \
    "$(printf '%064d' 0)" 数値でない金額 /home/keiri/エクスポート/salary-04.txt 所得税 \
    '金額の欄に数字でない値があります。' '算出税額は 0 円' '給与ソフトで直してから、もう一度変換してください。' \
    0001 "$name" 'abc' 空欄 2024/07/10 /home/keiri/エクスポート/bonus-1.txt 0001 "$name" 2024/04/30 2 \
    総支給金額 "$heading" 従業員一覧表 /home/keiri/エクスポート/employees.txt "$(printf '%064d' 1)" "$company" \
    "$company" '' "$company"_確認表.html '2025/01/10 09:31' > "$out/checklist_html/sample"
fields '&' 'テスト&商事<株>' '"令和"' "'7'" '<b>' '&amp;' '</td></tr></table>' '/out/a&b.XML' '<!--' \
    '<script>alert(1)</script>' '/in/"x".txt' '<' 'a < b > c & "d"' '&#39;' '&lt;' '"' '佐藤<花子>' 'x"y' '&#xFFFD;' \
    '<p' '/in/<b1>.txt' '0002"' 'Tom "T" & Co' '</style>' '>' '<th>' '' "$(printf 'tab\there\r\nline')" \
    '/in/a b&c.txt' '"' 'A&B' '/</a>' 'フォルダーがありません <br>' 'A社 #1_確認表.html" onclick="x' '&' \
    > "$out/checklist_html/markup"
sjis=$(printf '/data/給与/会社' | cp932)
fields "$(printf '\026')" "$(printf '株式会社' | cp932)" '' '' '' '' '' "$sjis/out.XML" '' '' "$sjis/salary-04.txt" '' \
    "$(printf 'a\001b\177c\300\274\355\240\200')" '' '' '' '' '' '' '' "$sjis/bonus-2.txt" '' '' '' '' '' '' '' \
    "$sjis/employees.txt" '' "$(printf '\343\201')" "$sjis" "$(printf '\360\237\230\200')" "$(printf '\222\240.html')" \
    > "$out/checklist_html/code-page-932"
