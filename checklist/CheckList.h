#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::checklist {

// Everything the check list of one converted company shows, as a plain value.
// Every text is UTF-8 (the page's encoding): whoever fills it converts the
// core's code page 932 texts first. Amounts are whole yen.

// One file's identity as the page lists it.
struct FileFacts {
    std::string path;
    std::uint64_t size = 0;
    std::string sha256;  // lower-case hex; "" when the file could not be read
    long lines = 0;      // 0 when not counted
};

// One employee a finding concerns.
struct AffectedRow {
    std::string code;
    std::string name;
    long line = 0;
    std::string value;
    std::string outcome;
};

struct FindingEntry {
    bool mustFix = false;  // 要修正; else 要確認
    std::string kind;      // the kind's title
    std::string file;
    long line = 0;
    std::string column;
    std::string text;
    std::string outcome;
    std::string fix;
    std::vector<AffectedRow> affected;
};

// Figures summed over the employees.
struct Amounts {
    long long gross = 0;
    long long deductions = 0;
    long long tax = 0;
};

// One period with figures: 1 to 12 a month, 1 to 5 a bonus.
struct PaymentRow {
    bool bonus = false;
    int number = 0;
    std::string paidOn;  // a bonus's payment date; "" when unknown
    std::string file;
    int employees = 0;
    Amounts amounts;
};

struct EmployeeRow {
    std::string code;
    std::string name;
    bool retired = false;
    std::string retiredOn;  // yyyy/mm/dd; "" when unknown
    std::vector<int> months;
    std::vector<int> bonuses;
    Amounts salary;
    Amounts bonus;
    std::string dependants;
    bool flagged = false;  // a finding names this employee
};

// One entry of the item correspondence.
struct ItemRow {
    std::string target;   // the figure it feeds
    std::string heading;  // the export's column heading; "" when none was chosen
    int column = -1;      // 0-based position; -1 when none
};

struct InputRow {
    std::string role;  // 従業員一覧表, 4月, 賞与1 ...
    FileFacts file;
};

struct CheckList {
    std::string company;
    std::string exportYear;  // the exports' 年分 as they state it; "" when unknown
    std::string filingYear;
    std::string mode;
    std::string convertedAt;  // local date and time
    std::string version;
    // The XML written; none for a preview made before writing.
    std::optional<FileFacts> output;
    std::string outputPath;  // where the XML goes (also for a preview)
    std::vector<FindingEntry> findings;
    std::vector<PaymentRow> payments;
    std::vector<EmployeeRow> employees;
    std::vector<ItemRow> items;
    std::vector<InputRow> inputs;
};

// How many a level's findings concern, counted as the completion message
// counts them: their different employees, or their files when they name none.
struct LevelCount {
    int findings = 0;
    int people = 0;
    int files = 0;
};
struct LevelCounts {
    LevelCount mustFix;
    LevelCount toConfirm;
};
LevelCounts CountLevels(const std::vector<FindingEntry>& findings);

// The salary total, bonus total and grand total of the payments.
struct PaymentTotals {
    Amounts salary;
    Amounts bonus;
    Amounts all;
};
PaymentTotals TotalsOf(const std::vector<PaymentRow>& payments);

}  // namespace corvane::checklist
