#include "convert/ConvertOptions.h"

#include <algorithm>

#include "convert/HelpWrap.h"
#include "preflight/FindingText.h"
#include "sormaexport/ExportLayout.h"

namespace corvane::convert {

namespace {

constexpr std::size_t kMaxBonusFiles = exportlayout::kBonusCount;

// "N=HEADING" with N from 1 to 4; false for anything else.
bool ParseItemChoice(const std::string& value, ItemChoice& choice)
{
    if (value.size() < 2 || value[0] < '1' || value[0] > '4' || value[1] != '=')
        return false;
    choice.entry = value[0] - '0';
    choice.heading = value.substr(2);
    return true;
}

std::string SetMode(ConvertOptions& o, const std::string& value)
{
    if (value == "normal")
        o.mode = TransferMode::Normal;
    else if (value == "easy")
        o.mode = TransferMode::Easy;
    else
        return "--mode takes normal or easy, not " + value;
    return std::string();
}

std::string SetJobs(ConvertOptions& o, const std::string& value)
{
    const bool digits =
        !value.empty() && value.size() <= 4 && value.find_first_not_of("0123456789") == std::string::npos;
    o.jobs = digits ? std::stoi(value) : 0;
    if (o.jobs < 1)
        return "--jobs takes a number of companies from 1 to 9999, not " + value;
    return std::string();
}

std::string SetItem(ConvertOptions& o, const std::string& value)
{
    ItemChoice choice;
    if (!ParseItemChoice(value, choice))
        return "--item takes N=HEADING with N from 1 to 4, not " + value;
    o.items.push_back(choice);
    return std::string();
}

// A value that must not be empty: "" when it is not, else `why`.
std::string Required(std::optional<std::string>& target, const std::string& value, const char* why)
{
    if (value.empty())
        return why;
    target = value;
    return std::string();
}

// clang-format off
const ConvertOption kOptions[] = {
    {"--employees", Takes::Value, "PATH",
     "従業員一覧表のエクスポートファイル",
     "the employee list export (従業員一覧表)",
     [](ConvertOptions& o, const std::string& v) { o.employees = v; return std::string(); }},
    {"--out", Takes::Value, "PATH",
     "作成する中間ファイル（あれば置き換えます）",
     "the XML file to write (an existing file is replaced)",
     [](ConvertOptions& o, const std::string& v) { o.out = v; return std::string(); }},
    {"--salary", Takes::Values, "PATH",
     "給与の集計表。月はファイルの見出しで決まります",
     "a salary summary export; its own label names its month",
     [](ConvertOptions& o, const std::string& v) { o.salary.push_back(v); return std::string(); }},
    {"--bonus", Takes::Values, "PATH",
     "賞与の集計表。指定した順に賞与1～5になります",
     "a bonus summary export: bonus 1 to 5 in the order given",
     [](ConvertOptions& o, const std::string& v) {
         if (o.bonus.size() == kMaxBonusFiles)
             return std::string("at most five --bonus files");
         o.bonus.push_back(v);
         return std::string();
     }},
    {"--year", Takes::Value, "N",
     "申告年度（令和の年、1～98）。省略時は集計表の年分、\n"
     "年分がないか揃わないときは今年の令和の年",
     "the filing year (申告年度, a year of 令和), 1 to 98; default: the\n"
     "year (年分) of the summary files when they agree, else the\n"
     "current era's (this year minus 2018)",
     [](ConvertOptions& o, const std::string& v) { o.year = v; return std::string(); }},
    {"--mode", Takes::Value, "MODE",
     "normal（標準モード、省略時）または easy（簡易モード）",
     "normal (標準モード, the default) or easy (簡易モード)",
     SetMode},
    {"--settings", Takes::Value, "PATH",
     "設定ファイル。省略時はプログラムと同じフォルダーの\n"
     "Corvane.ENV（書き込めないときは ~/.config/corvane/）",
     "the settings file; default: Corvane.ENV next to the program, or\n"
     "~/.config/corvane/ when that folder is not writable (Linux)",
     [](ConvertOptions& o, const std::string& v) { o.settings = v; return std::string(); }},
    {"--item", Takes::Values, "N=HEADING",
     "N 番目の金額を集計表の列 HEADING から取ります",
     "take figure N from the summary column HEADING:\n"
     "1 総支給金額, 2 社会保険料等の控除額, 3 扶養親族等の数, 4 算出税額;\n"
     "N= leaves figure N without a column",
     SetItem},
    {"--allow-unmapped", Takes::Nothing, "",
     "列のない金額があっても変換します",
     "convert even when a figure has no column",
     [](ConvertOptions& o, const std::string&) { o.allowUnmapped = true; return std::string(); }},
    {"--strict", Takes::Nothing, "",
     "要修正の確認事項があれば変換しません（指定しなければ警告だけです）",
     "refuse the conversion when the check of the exports finds anything\n"
     "要修正 (the output would certainly be wrong for someone); without\n"
     "it the findings are warnings",
     [](ConvertOptions& o, const std::string&) { o.strict = true; return std::string(); }},
    {"--strict-all", Takes::Nothing, "",
     "要確認も含めて、確認事項が一つでもあれば変換しません",
     "refuse the conversion on any finding, 要確認 (it may be right) too",
     [](ConvertOptions& o, const std::string&) { o.strictAll = true; return std::string(); }},
    {"--report", Takes::Value, "PATH",
     "照合表（CSV）も書き込みます。会社名・年分・申告年度・作成日、従業員ごとの"
     "金額と合計の行、確認事項ごとに区分・ファイル・行・列・従業員・値・出力の内容",
     "also write a reconciliation table (CSV, Shift_JIS, CR LF): a\n"
     "heading block (company, the exports' 年分, filing year, date), one\n"
     "row per employee with the months and bonuses that have figures\n"
     "and the year's sums, a 合計 row, then one row per finding and\n"
     "employee (level, file, line, column, code, name, value, outcome);\n"
     "written whenever the exports were read, also when --strict refuses",
     [](ConvertOptions& o, const std::string& v) { return Required(o.report, v, "--report needs a path"); }},
    {"--checklist", Takes::OptionalValue, "[PATH]",
     "確認表（HTML）も書き込みます。PATH を省略すると中間ファイルの"
     "隣に「<名前>_確認表.html」。--batch では会社ごとと index.html",
     "also write the check list (確認表, one UTF-8 HTML page to print\n"
     "and sign): verdict, findings, totals per payment, every employee,\n"
     "the input files; without PATH beside the output as\n"
     "<name>_確認表.html; with --batch (no PATH) one per company into\n"
     "--out-dir and index.html listing them",
     [](ConvertOptions& o, const std::string& v) { o.checklist = v; return std::string(); }},
    {"--folder", Takes::Value, "DIR",
     "フォルダー内のファイルを振り分けて使います",
     "take the exports from the files in DIR, sorted by the same\n"
     "checks: the employee list, the salary files by the month of\n"
     "their label, the bonus files by their payment date (支給日),\n"
     "else by name; other files are listed and left out",
     [](ConvertOptions& o, const std::string& v) { return Required(o.folder, v, "--folder needs a folder"); }},
    {"--batch", Takes::Value, "ROOT",
     "ROOT のサブフォルダーを1社ずつ変換します",
     "convert each subfolder of ROOT as with --folder, one company\n"
     "each, into --out-dir as <company>.XML (<company>_<folder>.XML\n"
     "when two companies' names give one file, then _2, _3...); a\n"
     "refused company does not stop the others; the summary table\n"
     "goes to stdout, each company's messages to stderr",
     [](ConvertOptions& o, const std::string& v) { return Required(o.batch, v, "--batch needs a folder"); }},
    {"--out-dir", Takes::Value, "DIR",
     "--batch の出力先フォルダー（なければ作成します。ROOT の外を指定）",
     "where --batch writes (created when missing); outside ROOT",
     [](ConvertOptions& o, const std::string& v) { o.outDir = v; return std::string(); }},
    {"--jobs", Takes::Value, "N",
     "同時に変換する会社の数。省略時はプロセッサーの数",
     "companies converted at once; default: one per processor",
     SetJobs},
    {"--summary", Takes::Value, "PATH",
     "一覧を CSV でも書き込みます（会社のフォルダーの外を指定）",
     "also write the summary as CSV (Shift_JIS, CR LF); outside\n"
     "the company folders, not the settings file or an output",
     [](ConvertOptions& o, const std::string& v) { return Required(o.summary, v, "--summary needs a path"); }},
    {"--help", Takes::Nothing, "",
     "この説明を表示します（日本語の環境では日本語、ほかは英語）",
     "show this text (in Japanese under a Japanese locale)",
     [](ConvertOptions& o, const std::string&) { o.help = true; return std::string(); }},
};
// clang-format on

const ConvertOption* FindOption(const std::string& name)
{
    const auto found =
        std::find_if(std::begin(kOptions), std::end(kOptions), [&](const auto& option) { return name == option.name; });
    return found == std::end(kOptions) ? nullptr : &*found;
}

// The combinations of options that make a job, checked once every option is
// taken; "" when they do. `given` tells whether an option was given.
template <typename Given>
std::string CheckCombination(const ConvertOptions& o, const Given& given)
{
    const bool explicitFiles = given("--employees") || !o.salary.empty() || !o.bonus.empty();
    if (o.batch) {
        if (o.folder || explicitFiles || given("--out") || o.report || !o.items.empty())
            return "--batch takes none of --folder, --employees, --salary, --bonus, --out, --report, --item";
        if (o.outDir.empty())
            return "--batch needs --out-dir";
        if (o.checklist && !o.checklist->empty())
            return "--checklist takes no PATH with --batch: each company's goes into --out-dir";
        return std::string();
    }
    if (!o.outDir.empty() || o.jobs != 0 || o.summary)
        return "--out-dir, --jobs and --summary go with --batch only";
    if (o.folder) {
        if (explicitFiles)
            return "--folder takes none of --employees, --salary, --bonus";
        if (o.out.empty())
            return "--out is required";
        return std::string();
    }
    if (o.employees.empty())
        return "--employees is required";
    if (o.out.empty())
        return "--out is required";
    return std::string();
}

const char kSynopsis[] =
    "Usage: corvane-convert --employees PATH --out PATH [--salary PATH]...\n"
    "                       [--bonus PATH]... [--year N] [--mode normal|easy]\n"
    "                       [--settings PATH] [--item N=HEADING]...\n"
    "                       [--allow-unmapped] [--strict] [--strict-all]\n"
    "                       [--report PATH] [--checklist [PATH]] [--help]\n"
    "       corvane-convert --folder DIR --out PATH [the options above but\n"
    "                       --employees, --salary, --bonus]\n"
    "       corvane-convert --batch ROOT --out-dir DIR [--jobs N] [--summary PATH]\n"
    "                       [--year N] [--mode normal|easy] [--settings PATH]\n"
    "                       [--allow-unmapped] [--strict] [--strict-all]\n"
    "                       [--checklist]\n"
    "\n";

// The texts of the help in each language: what the program does, the
// findings, and the exit status.
struct HelpTexts {
    const char* about;
    const char* findings;
    const char* exitStatus;
};

const HelpTexts kJapanese = {
    "ソルマ給与のエクスポートファイルから、ヴェルドが取り込む中間ファイルを作成します。"
    "ウィザードと同じ確認とメッセージで、画面は出しません。\n",
    "書き込む前に、金額が正しくなくなる原因がないかエクスポートファイルを確認します。"
    "確認事項は警告として標準エラー出力に、要修正（だれかの出力が確実に正しくない）、"
    "要確認（正しいかもしれない）の順に、対象の従業員（20人まで。全員は --report に）とともに表示します。"
    "確認事項の種類：\n",
    "終了コード：0 変換しました。1 拒否または失敗で、何も書き込んでいません（メッセージは標準エラー出力）。"
    "2 使い方の誤り、または --out、--settings とエクスポートファイルが別々のファイルではありません。"
    "--batch では、0 すべての会社を確認事項なしで変換、3 すべての会社を変換し一部に確認事項あり、"
    "1 拒否または失敗した会社がある、2 使い方の誤り、または --out-dir が ROOT の中にある、"
    "--settings か --summary が会社のフォルダーの中やバッチが書き込む別のファイルと同じです。\n"
    "標準出力には実行の結果（1件の変換の最後のメッセージ、バッチの一覧表）を、"
    "それ以外は標準エラー出力に書きます。\n",
};

const HelpTexts kEnglish = {
    "Converts the payroll exports into the intermediate XML file, with the wizard's\n"
    "checks and messages and no window.\n",
    "Before anything is written, the exports are checked for what would make the\n"
    "figures wrong. The findings are warnings on stderr, grouped by level: 要修正\n"
    "(the output is certainly wrong for someone) first, then 要確認 (it may be\n"
    "right), each with the employees concerned (the first 20; --report has them\n"
    "all). Each is titled by its kind:\n",
    "Exit status: 0 converted; 1 refused or failed, nothing written (the message is on\n"
    "stderr); 2 usage error, or --out, --settings and the exports are not all different\n"
    "files. With --batch: 0 every company converted without findings; 3 every company\n"
    "converted, some with findings; 1 at least one company refused or failed; 2 usage\n"
    "error, or --out-dir inside ROOT, or --settings or --summary inside a company folder\n"
    "or on another file the batch writes.\n"
    "stdout gets the outcome of the run: the last message of one job, the summary\n"
    "table of a batch; everything else goes to stderr.\n",
};

// A console of 80 columns shows the help whole; the last is left free.
constexpr std::size_t kHelpWidth = 79;

constexpr std::size_t kHelpColumn = 20;  // where an option's help starts

// `text`'s lines, each after `indent` spaces but the first, which follows what is already there.
std::string Indented(const std::string& text, std::size_t indent)
{
    std::string indented;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        indented += text.substr(start, end + 1 - start) + std::string(indent, ' ');
    return indented + text.substr(start) + "\n";
}

// An option's lines of the help: its name and value, then its help in the language chosen.
std::string OptionHelp(const ConvertOption& option, bool japanese)
{
    std::string line = std::string("  ") + option.name;
    if (option.takes != Takes::Nothing)
        line += std::string(" ") + option.placeholder;
    line += line.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - line.size(), ' ')
                                           : "\n" + std::string(kHelpColumn, ' ');
    return line + Indented(japanese ? option.japanese : option.english, kHelpColumn);
}

// Each kind of finding that the check before writing reports: its title,
// then (in English) what it is about.
std::string FindingKindsHelp(bool japanese)
{
    std::string text = japanese ? kJapanese.findings : kEnglish.findings;
    for (const auto kind : preflight::AllFindingKinds()) {
        text += "  【" + preflight::KindTitle(kind) + "】\n";
        if (!japanese)
            text += std::string("      ") + preflight::KindDescription(kind) + "\n";
    }
    return text;
}

}  // namespace

std::span<const ConvertOption> ConvertOptionTable()
{
    return kOptions;
}

ParsedOptions ParseConvertOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    ConvertOptions& o = parsed.options;
    std::vector<const ConvertOption*> given;
    const auto wasGiven = [&given](const std::string& name) {
        return std::any_of(given.begin(), given.end(),
                           [&](const ConvertOption* option) { return name == option->name; });
    };
    auto fail = [&parsed](std::string why) {
        parsed.error = std::move(why);
        return parsed;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        const ConvertOption* option = FindOption(name);
        if (!option)
            return fail("unknown option: " + name);
        std::string value;
        if (option->takes == Takes::OptionalValue) {
            if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0)
                value = args[++i];
        } else if (option->takes != Takes::Nothing) {
            if (i + 1 >= args.size())
                return fail(name + " needs a value");
            value = args[++i];
        }
        // A single-valued option given twice is refused rather than guessed at.
        if ((option->takes == Takes::Value || option->takes == Takes::OptionalValue) && wasGiven(name))
            return fail(name + " given twice");
        given.push_back(option);
        std::string why = option->set(o, value);
        if (!why.empty())
            return fail(std::move(why));
    }
    if (o.help)
        return parsed;
    parsed.error = CheckCombination(o, wasGiven);
    return parsed;
}

std::string UsageText(const platform::TextCodec& codec, bool japanese)
{
    const HelpTexts& texts = japanese ? kJapanese : kEnglish;
    std::string text = std::string(kSynopsis) + texts.about + "\n";
    for (const ConvertOption& option : kOptions)
        text += OptionHelp(option, japanese);
    text += "\n" + FindingKindsHelp(japanese) + "\n" + texts.exitStatus;
    return codec.TextToUtf8(WrapToColumns(text, kHelpWidth, kHelpColumn));
}

}  // namespace corvane::convert
