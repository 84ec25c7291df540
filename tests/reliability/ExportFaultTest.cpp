// Export files deleted or replaced after the pages checked them and before
// the conversion reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/CExchangeFromSormaToVeld.h"
#include "engine/UnwritableValue.h"
#include "reliability/FaultJob.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "sormaexport/CsvLine.h"
#include "support/ShellCommand.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"

namespace corvane::reliability {
namespace {

const std::string& kMissing = CSormaKyuuyo::FileMissingMessage();
const char kNoEmployeeList[] = "PROGRAM ERROR\nNOT EXIST REALINDEX";
const std::string& kDone = ConversionCompletedMessage();

// The lines of a CR LF file, without their line ends.
std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string JoinedFields(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + fields[i];
    return line;
}

std::size_t ColumnOf(const std::string& headerLine, const std::string& name)
{
    std::string header = headerLine;
    header = text::ReplaceAll(header, "・", "･");
    const auto fields = SplitCsvLine(header);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == name)
            return i;
    }
    throw std::runtime_error("no column " + name);
}

class ExportFault : public FaultJob {
protected:
    ExportFault() { PlaceEarlierFiles(kept); }

    std::string Salary() const { return slots[3].path; }

    // Makes the fault, converts, and checks what stays.
    void Expect(const std::function<void()>& fault, bool converted, const std::vector<std::string>& messages)
    {
        fault();
        const Tree before = Snapshot(kept);
        box.Clear();
        const job::ConversionOutcome outcome = Convert(kept + "/out.XML", kept + "/Corvane.ENV");
        EXPECT_EQ(outcome.converted, converted);
        EXPECT_EQ(box.Texts(), messages);
        if (!converted) {
            EXPECT_EQ(Differences(before, Snapshot(kept)), "");
            return;
        }
        // A whole new document, and the settings still hold the other companies.
        EXPECT_EQ(test::XmllintProblems(kept + "/out.XML"), "");
        EXPECT_TRUE(test::ReadFileBytes(kept + "/Corvane.ENV").starts_with(earlierSettings));
    }

    std::string kept = dir.File("kept");
};

TEST_F(ExportFault, DeletedSalaryFileIsReportedMissing)
{
    Expect([&] { std::filesystem::remove(Salary()); }, false, {kMissing});
    ReportFaults(1);
}

TEST_F(ExportFault, DeletedEmployeeListIsReportedMissing)
{
    Expect([&] { std::filesystem::remove(list); }, false, {kMissing});
    ReportFaults(1);
}

TEST_F(ExportFault, FolderInASummaryFilesPlaceIsReportedMissing)
{
    Expect(
        [&] {
            std::filesystem::remove(Salary());
            std::filesystem::create_directory(Salary());
        },
        false, {kMissing});
    ReportFaults(1);
}

TEST_F(ExportFault, FolderInTheEmployeeListsPlaceIsReportedMissing)
{
    Expect(
        [&] {
            std::filesystem::remove(list);
            std::filesystem::create_directory(list);
        },
        false, {kMissing});
    ReportFaults(1);
}

TEST_F(ExportFault, BinaryEmployeeListIsNoEmployeeList)
{
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    Expect([&] { WriteBytes(list, garbage); }, false, {kNoEmployeeList});
    ReportFaults(1);
}

TEST_F(ExportFault, EmployeeListCutAfterItsHeaderHasNobodyToConvert)
{
    const auto lines = Lines(test::ReadFileBytes(list));
    Expect(
        [&] {
            WriteBytes(list, Joined({lines[0], lines[1], lines[2]}));
        },
        false, {CSormaKyuuyo::NoEmployeesMessage() + list});
    ReportFaults(1);
}

TEST_F(ExportFault, EmptiedSalaryFileConvertsWithoutItsMonth)
{
    Expect([&] { WriteBytes(Salary(), ""); }, true, {kDone});
    ReportFaults(1);
}

TEST_F(ExportFault, EmployeeListCutInsideACharacterIsRefused)
{
    // A copy broken off inside the last row's address, between the two
    // bytes of a character.
    auto lines = Lines(test::ReadFileBytes(list));
    const std::size_t address = ColumnOf(lines[2], "住所");
    const auto fields = SplitCsvLine(lines.back());
    const std::string& value = fields[address];
    std::size_t cut = 0;
    while (cut < value.size() && (cut < value.size() / 2 || text::CharLengthAt(value, cut) != 2))
        cut += text::CharLengthAt(value, cut);
    ASSERT_LT(cut, value.size());
    std::vector<std::string> head(fields.begin(), fields.begin() + static_cast<long>(address));
    head.push_back(value.substr(0, cut + 1));
    lines.back() = JoinedFields(head);
    const std::string bytes = Joined(lines);
    const std::string message =
        "従業員「" + fields[ColumnOf(lines[2], "コード")] + " " + fields[0] +
        "」の「住所」に、中間ファイルに書き込めない文字（16進数 " +
        text::Format("%02X", static_cast<unsigned char>(value[cut])) +
        "）が含まれています。\n制御文字や、Shift_JISで表せない文字を含むデータは、ヴェルドで読み込めません。\n\n"
        "ソルマ給与でデータを修正してから、もう一度エクスポートしてください。\n\n中間ファイルは作成されていません。";
    // The file ends where the copy broke off, with no line end.
    Expect([&] { WriteBytes(list, bytes.substr(0, bytes.size() - 2)); }, false, {message});
    ReportFaults(1);
}

TEST_F(ExportFault, PairThatIsNoCharacterOfCodePage932IsRefused)
{
    // 85 40 has the shape of a double-byte character, but that row is empty.
    auto lines = Lines(test::ReadFileBytes(list));
    const std::size_t address = ColumnOf(lines[2], "住所");
    auto fields = SplitCsvLine(lines.back());
    fields[address] = "\x85\x40" + fields[address];
    lines.back() = JoinedFields(fields);
    UnwritableValue unwritable;
    unwritable.code = fields[ColumnOf(lines[2], "コード")];
    unwritable.name = fields[0];
    unwritable.column = "住所";
    unwritable.byte = 0x85;
    const std::string message = UnwritableValueMessage(unwritable);
    Expect([&] { WriteBytes(list, Joined(lines)); }, false, {message});
    ReportFaults(1);
}

}  // namespace
}  // namespace corvane::reliability
