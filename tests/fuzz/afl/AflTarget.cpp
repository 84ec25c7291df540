// The target of the coverage-guided fuzzer (AFL++): one input per run, from
// the file named on the command line or from standard input. Its first
// byte picks what the rest is fed to; a broken promise aborts, so that the
// fuzzer keeps it as a crash.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/CExchangeFromSormaToVeld.h"
#include "items/CSormaItemCheck.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/CsvLine.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "wizard/CCorvaneApp.h"
#include "job/JobSteps.h"
#include "wizard/OutputPathDisplay.h"

namespace corvane {
namespace {

void Require(bool promise, const char* what)
{
    if (!promise) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

std::string Write(const test::TempDir& dir, const std::string& name, const std::string& bytes)
{
    return dir.Write(name, bytes);
}

void Splitter(const std::string& input)
{
    const auto fields = SplitCsvLine(input);
    Require(!fields.empty(), "a line yields a field");
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i)
        joined += (i == 0 ? "" : ",") + fields[i];
    Require(joined == text::Trim(input), "the fields rejoin to the trimmed line");
    std::vector<std::size_t> positions;
    for (std::size_t p = 0; p < fields.size() + 2; p += 1 + p % 3)
        positions.push_back(p);
    std::vector<std::string_view> picked;
    PickCsvFields(input, positions, picked);
    for (std::size_t k = 0; k < positions.size(); ++k)
        Require(picked[k] == (positions[k] < fields.size() ? fields[positions[k]] : std::string()),
                "picked fields are the splitter's");
}

void Reader(const test::TempDir& dir, const std::string& input, bool asSummary)
{
    test::RecordingMessageBox box;
    const platform::Messenger messenger(box);
    const std::string file = Write(dir, "input.txt", input);
    const std::string list = asSummary ? Write(dir, "list.txt",
                                               "従業員(一覧表),サンプル商事株式会社\r\n\r\n氏名,コード,所属部門\r\n"
                                               "伊藤　彩,1001,営業部\r\n")
                                       : file;
    CSormaFileCheck check;
    std::string company;
    check.CheckEmployeeList(list, company);
    const int salary = check.CheckSalaryFile(list, file, true, true);
    Require(salary == -1 || salary == -2 || (salary >= 1 && salary <= 12), "salary check codes");
    const int bonus = check.CheckBonusFile(list, file, true, false);
    Require(bonus == -1 || bonus == -2 || bonus == 1, "bonus check codes");

    CSormaItemCheck items(dir.File("Corvane.ENV"));
    items.PrepareChoices(file, company);
    std::vector<std::string> paths(17);
    if (asSummary)
        paths[3] = file;
    paths.push_back(list);
    CSormaKyuuyo reader(messenger);
    const bool read = reader.Read(paths, static_cast<int>(paths.size()), items);
    Require(read || reader.GetEmployeeCodes().empty(), "a failed read leaves no codes");
    for (const auto& code : reader.GetEmployeeCodes()) {
        Require(!code.empty(), "no empty code");
        for (int period = 0; period <= 19; ++period)
            reader.GetPayValueView(code, period, "所得税");
        reader.GetDepartmentCode(std::string(reader.GetEmployeeValueView(code, "所属部門")));
    }
}

void Settings(const test::TempDir& dir, const std::string& input)
{
    const std::string path = Write(dir, "Corvane.ENV", input);
    CSormaItemCheck first(path);
    first.LoadSettings();
    std::vector<CSormaItemCheck::Line> kept;
    for (const auto& line : first.StoredLines()) {
        if (!first.IsStandardLine(line))
            kept.push_back(line);
    }
    Require(first.SaveSettings() == fileio::WriteError::None, "settings saved");
    CSormaItemCheck second(path);
    second.LoadSettings();
    Require(kept.empty() || second.StoredLines() == kept, "settings read back as saved");
}

void Texts(const std::string& input)
{
    StartParameter parameter;
    if (CCorvaneApp::ParseStartParameter(input, parameter))
        Require(parameter.outputPath.size() <= 259, "start-up path fits its field");
    job::IsValidFilingYear(input);
    if (!outputpath::HasForbiddenCharacter(input))
        outputpath::WithFileName("/data/old.XML", input);
    CExchangeFromSormaToVeld::ConvertDate(input);
    for (int position = -1; position <= static_cast<int>(input.size()) + 1; position += 7) {
        const std::string left = CExchangeFromSormaToVeld::SplitAtByte(input, position, true);
        const std::string right = CExchangeFromSormaToVeld::SplitAtByte(input, position, false);
        Require(left + right == input, "the address split keeps every byte");
    }
}

void Conversion(const test::TempDir& dir, const std::string& input)
{
    test::RecordingMessageBox box;
    const platform::Messenger messenger(box);
    const std::string list = Write(dir, "list.txt", input);
    CSormaItemCheck items(dir.File("Corvane.ENV"));
    std::vector<std::string> paths(17);
    paths.push_back(list);
    CExchangeFromSormaToVeld engine(messenger);
    const std::string out = dir.File("out.XML");
    if (engine.Exchange(paths, static_cast<int>(paths.size()), out, corvane::TransferMode::Normal, "3", items, "6")) {
        std::ifstream in(out, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Require(text::IsWellFormedText(bytes), "the document holds only characters XML can carry");
    }
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv)
{
    std::string data;
    if (argc > 1) {
        std::ifstream in(argv[1], std::ios::binary);
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        data.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    if (data.empty())
        return 0;
    const std::string input = data.substr(1);
    const corvane::test::TempDir dir;
    switch (static_cast<unsigned char>(data[0]) % 6) {
    case 0:
        corvane::Splitter(input);
        break;
    case 1:
        corvane::Reader(dir, input, false);
        break;
    case 2:
        corvane::Reader(dir, input, true);
        break;
    case 3:
        corvane::Settings(dir, input);
        break;
    case 4:
        corvane::Texts(input);
        break;
    default:
        corvane::Conversion(dir, input);
        break;
    }
    return 0;
}
