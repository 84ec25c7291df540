#include "convert/ConvertOptions.h"

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

}  // namespace

ParsedOptions ParseConvertOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    ConvertOptions& o = parsed.options;
    bool haveEmployees = false;
    bool haveOut = false;
    bool haveMode = false;
    auto fail = [&parsed](std::string why) {
        parsed.error = std::move(why);
        return parsed;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help") {
            o.help = true;
            continue;
        }
        if (name == "--allow-unmapped") {
            o.allowUnmapped = true;
            continue;
        }
        if (name == "--strict") {
            o.strict = true;
            continue;
        }
        const bool takesValue = name == "--employees" || name == "--out" || name == "--salary" || name == "--bonus" ||
                                name == "--year" || name == "--mode" || name == "--settings" || name == "--item" ||
                                name == "--report" || name == "--folder" || name == "--batch" || name == "--out-dir" ||
                                name == "--jobs" || name == "--summary";
        if (!takesValue)
            return fail("unknown option: " + name);
        if (i + 1 >= args.size())
            return fail(name + " needs a value");
        const std::string& value = args[++i];

        // A single-valued option given twice is refused rather than guessed at.
        auto once = [&](bool& seen) {
            if (seen)
                return false;
            seen = true;
            return true;
        };
        if (name == "--employees") {
            if (!once(haveEmployees))
                return fail("--employees given twice");
            o.employees = value;
        } else if (name == "--out") {
            if (!once(haveOut))
                return fail("--out given twice");
            o.out = value;
        } else if (name == "--salary") {
            o.salary.push_back(value);
        } else if (name == "--bonus") {
            if (o.bonus.size() == kMaxBonusFiles)
                return fail("at most five --bonus files");
            o.bonus.push_back(value);
        } else if (name == "--year") {
            if (o.year)
                return fail("--year given twice");
            o.year = value;
        } else if (name == "--mode") {
            if (!once(haveMode))
                return fail("--mode given twice");
            if (value == "normal")
                o.mode = TransferMode::Normal;
            else if (value == "easy")
                o.mode = TransferMode::Easy;
            else
                return fail("--mode takes normal or easy, not " + value);
        } else if (name == "--report") {
            if (o.report)
                return fail("--report given twice");
            if (value.empty())
                return fail("--report needs a path");
            o.report = value;
        } else if (name == "--folder" || name == "--batch") {
            std::optional<std::string>& folder = name == "--folder" ? o.folder : o.batch;
            if (folder)
                return fail(name + " given twice");
            if (value.empty())
                return fail(name + " needs a folder");
            folder = value;
        } else if (name == "--out-dir") {
            if (!o.outDir.empty())
                return fail("--out-dir given twice");
            o.outDir = value;
        } else if (name == "--jobs") {
            if (o.jobs != 0)
                return fail("--jobs given twice");
            const bool digits =
                !value.empty() && value.size() <= 4 && value.find_first_not_of("0123456789") == std::string::npos;
            o.jobs = digits ? std::stoi(value) : 0;
            if (o.jobs < 1)
                return fail("--jobs takes a number of companies from 1 to 9999, not " + value);
        } else if (name == "--summary") {
            if (o.summary)
                return fail("--summary given twice");
            if (value.empty())
                return fail("--summary needs a path");
            o.summary = value;
        } else if (name == "--settings") {
            if (o.settings)
                return fail("--settings given twice");
            o.settings = value;
        } else {
            ItemChoice choice;
            if (!ParseItemChoice(value, choice))
                return fail("--item takes N=HEADING with N from 1 to 4, not " + value);
            o.items.push_back(choice);
        }
    }
    if (o.help)
        return parsed;
    const bool explicitFiles = haveEmployees || !o.salary.empty() || !o.bonus.empty();
    if (o.batch) {
        if (o.folder || explicitFiles || haveOut || o.report || !o.items.empty())
            return fail("--batch takes none of --folder, --employees, --salary, --bonus, --out, --report, --item");
        if (o.outDir.empty())
            return fail("--batch needs --out-dir");
        return parsed;
    }
    if (!o.outDir.empty() || o.jobs != 0 || o.summary)
        return fail("--out-dir, --jobs and --summary go with --batch only");
    if (o.folder) {
        if (explicitFiles)
            return fail("--folder takes none of --employees, --salary, --bonus");
        if (!haveOut || o.out.empty())
            return fail("--out is required");
        return parsed;
    }
    if (!haveEmployees || o.employees.empty())
        return fail("--employees is required");
    if (!haveOut || o.out.empty())
        return fail("--out is required");
    return parsed;
}

}  // namespace corvane::convert
