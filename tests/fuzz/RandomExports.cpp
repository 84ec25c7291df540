#include "fuzz/RandomExports.h"

namespace corvane::fuzz {

namespace {

std::string Line(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + fields[i];
    return line + "\r\n";
}

// A text field: random characters, now and then in quotes around a comma.
std::string TextField(Rng& rng, std::size_t maxChars)
{
    const Alphabet& alphabet = Alphabet::Get();
    if (rng.OneIn(5))
        return "\"" + alphabet.Text(rng, maxChars / 2, false) + "," + alphabet.Text(rng, maxChars / 2, false) + "\"";
    return alphabet.Text(rng, maxChars, false);
}

std::string AmountField(Rng& rng)
{
    switch (rng.Below(3)) {
    case 0:
        return std::to_string(rng.Below(1000000));
    case 1:
        return "\"" + std::to_string(1 + rng.Below(999)) + "," + std::to_string(100 + rng.Below(900)) + "\"";
    default:
        return Alphabet::Get().Text(rng, 6, false);
    }
}

}  // namespace

const std::vector<std::string>& RandomExports::ListColumns()
{
    static const std::vector<std::string> columns{"コード", "氏名",   "フリガナ･姓",   "フリガナ･名", "所属部門",
                                                  "住所",   "役職名", "住民税･納付先", "郵便番号",    "分類１"};
    return columns;
}

const std::vector<std::string>& RandomExports::SalaryColumns()
{
    static const std::vector<std::string> columns{"コード",   "行項目名", "課税支給合計", "社会保険料計",
                                                  "扶養人数", "所得税",   "住民税"};
    return columns;
}

RandomExports RandomExports::Make(Rng& rng, std::size_t maxEmployees)
{
    const Alphabet& alphabet = Alphabet::Get();
    RandomExports exports;
    // The line's last field loses trailing blanks; the name ends in a character.
    exports.company = alphabet.Text(rng, 12, false) + "商事";
    exports.rows.resize(1 + rng.Below(maxEmployees));
    for (std::size_t i = 0; i < exports.rows.size(); ++i) {
        Row& row = exports.rows[i];
        // Digits and "#" first: the line's leading blanks are trimmed, and
        // the codes stay distinct.
        const std::string code = std::to_string(i) + "#" + alphabet.Text(rng, 6, false);
        row.list = {code,
                    TextField(rng, 12),
                    TextField(rng, 8),
                    TextField(rng, 8),
                    TextField(rng, 10),
                    TextField(rng, 40),
                    TextField(rng, 8),
                    TextField(rng, 8),
                    std::to_string(100 + rng.Below(900)) + "-" + std::to_string(1000 + rng.Below(9000)),
                    "x"};
        row.salary = {code, row.list[1], AmountField(rng), AmountField(rng), TextField(rng, 2), AmountField(rng), "0"};
    }
    return exports;
}

std::string RandomExports::ListBytes() const
{
    std::string bytes = "従業員(一覧表)," + company + "\r\n作成日\r\n" + Line(ListColumns());
    for (const Row& row : rows)
        bytes += Line(row.list);
    return bytes;
}

std::string RandomExports::SalaryBytes() const
{
    std::string bytes = "給与集計表," + company + "\r\n\r\n4月度給与\r\n\r\n" + Line(SalaryColumns());
    for (const Row& row : rows)
        bytes += Line(row.salary);
    return bytes;
}

std::string RandomExports::Stored(const std::string& field, bool amount)
{
    if (!amount)
        return field;
    std::string value;
    for (const char c : field) {
        if (c != '"' && c != ',')
            value += c;
    }
    return value;
}

}  // namespace corvane::fuzz
