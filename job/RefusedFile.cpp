#include "job/RefusedFile.h"

#include <vector>

#include "fileio/FileStatus.h"
#include "job/ExportLook.h"
#include "job/JobSteps.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "text/LineReader.h"

namespace corvane::job {

namespace {

// What kind of export a file is by its title and label lines.
enum class Kind { EmployeeList, Salary, Bonus, Summary, Unknown };

struct Head {
    std::vector<std::string> title;  // line 1's fields
    std::string label;               // line 3 without quotes and ASCII spaces
};

Head ReadHead(const std::string& path)
{
    Head head;
    text::LineReader reader;
    if (!reader.Open(path))
        return head;
    std::string line;
    while (reader.LineNumber() < exportlayout::kLabelLine && reader.Next(line)) {
        const std::string trimmed(text::TrimRight(line));
        if (reader.LineNumber() == exportlayout::kTitleLine)
            head.title = SplitCsvLine(trimmed);
        else if (reader.LineNumber() == exportlayout::kLabelLine)
            for (const char c : trimmed)
                if (c != '"' && c != ' ')
                    head.label += c;
    }
    return head;
}

Kind KindOf(const Head& head)
{
    if (head.title.empty())
        return Kind::Unknown;
    if (text::Contains(head.title.front(), exportlayout::EmployeeListTitle()))
        return Kind::EmployeeList;
    if (text::Contains(head.label, exportlayout::SalaryLabelMark()))
        return Kind::Salary;
    if (text::Contains(head.title.front(), "賞与"))
        return Kind::Bonus;
    return exportlayout::IsExportTitle(head.title.front()) ? Kind::Summary : Kind::Unknown;
}

std::string KindNote(Kind kind)
{
    switch (kind) {
    case Kind::EmployeeList:
        return "このファイルは従業員(一覧表)です。";
    case Kind::Salary:
        return "このファイルは給与の集計表です。";
    case Kind::Bonus:
        return "このファイルは賞与の集計表です。";
    case Kind::Summary:
        return "このファイルは集計表です。";
    case Kind::Unknown:
        break;
    }
    return std::string();
}

bool Is(Kind kind, Wanted wanted)
{
    switch (wanted) {
    case Wanted::EmployeeList:
        return kind == Kind::EmployeeList;
    case Wanted::Salary:
        return kind == Kind::Salary;
    case Wanted::Bonus:
        // The bonus check takes a summary of any label but a salary month's.
        return kind == Kind::Bonus || kind == Kind::Summary || kind == Kind::Unknown;
    }
    return false;
}

// Where the slot at `index` is named for the clerk: 「4月」, 「賞与 2回目」.
std::string SlotName(int index)
{
    return index < kSalarySlotCount ? text::Format("%d月", index + 1)
                                    : text::Format("賞与 %d回目", index - kSalarySlotCount + 1);
}

}  // namespace

std::string WhatRefusedFileIs(const std::string& path, Wanted wanted, const std::string& employeeList,
                              const SummarySlots& slots, int slot)
{
    if (wanted != Wanted::EmployeeList) {
        const int held = SlotHoldingFile(slots, path, slot);
        if (held >= 0)
            return "すでに" + SlotName(held) + "に選択されています。";
    }
    const ExportLook look = LookAtFile(path);
    if (!fileio::Status(path))
        return "ファイルが見つかりません。";
    if (look.kind == ExportLook::Kind::OwnOutput)
        return "このプログラムが作成した照合表または一覧です。";
    if (look.kind == ExportLook::Kind::Other)
        return "エクスポートファイルではありません。";
    if (!look.damage.empty())
        // A Unicode file has its line after the message's first line already.
        return CSormaFileCheck::UnicodeFormOf(path) == text::UnicodeForm::None ? look.damage : std::string();

    const Head head = ReadHead(path);
    const Kind kind = KindOf(head);
    if (wanted == Wanted::EmployeeList)
        return KindNote(kind);
    if (head.title.size() < 2)
        return "1行目に関与先名がありません。";
    const auto company = EmployeeListCompany(employeeList);
    if (company && head.title[1] != *company)
        return "別の関与先（" + head.title[1] + "）のファイルです。";
    if (wanted == Wanted::Salary && kind == Kind::Summary)
        return "3行目が「○月度給与」ではありません。";
    if (!Is(kind, wanted))
        return KindNote(kind);
    if (wanted == Wanted::Salary)
        return "3行目の月度（1月～12月）を読み取れません。";
    return std::string();
}

std::string RefusedFileLines(const std::string& path, const std::string& note, const platform::Messenger& messenger)
{
    std::string lines = messenger.DisplayPath(path) + "\n";
    if (!note.empty())
        lines += "　" + note + "\n";
    return lines;
}

}  // namespace corvane::job
