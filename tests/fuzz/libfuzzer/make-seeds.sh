#!/bin/sh
# Writes the seed inputs of every harness into DIR/<harness>/: the sample
# exports (examples/) and the test data's exports, joined as each harness
# reads its input, and a few broken forms of them (cut inside a row, a quote
# that opens on a double-byte character's last byte, a stray comma, a 0x1A).
#   tests/fuzz/libfuzzer/make-seeds.sh DIR
set -eu
cd "$(dirname "$0")/../../.."
out=$1
sep=$(printf '\n--8<--\n_'); sep=${sep%_}
for h in reader_preflight identify settings start_parameter folder_sort conversion; do
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
