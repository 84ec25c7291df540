#include <gtest/gtest.h>

#include "job/ExportLook.h"
#include "job/RefusedFile.h"
#include "support/TempDir.h"

using corvane::MakeSummarySlots;
using corvane::SummarySlots;
using corvane::job::Wanted;
using corvane::job::WhatRefusedFileIs;
using corvane::test::TempDir;

namespace {

std::string Export(const std::string& title, const std::string& label, const std::string& company = "サンプル商事")
{
    return title + "," + company + "\r\n\r\n" + label + "\r\n\r\nコード,行項目名,課税支給合計\r\n001,社員Ａ,300000\r\n";
}

class RefusedFile : public ::testing::Test {
protected:
    std::string Is(const std::string& path, Wanted wanted, int slot = -1) const
    {
        return WhatRefusedFileIs(path, wanted, list, slots, slot);
    }

    TempDir dir;
    const std::string list = dir.Write("list.txt", "従業員(一覧表),サンプル商事\r\n\r\nコード,氏名\r\n001,社員Ａ\r\n");
    const std::string april = dir.Write("april.txt", Export("給与集計表", "4月度給与"));
    const std::string summer = dir.Write("summer.txt", Export("賞与集計表", "夏期賞与"));
    SummarySlots slots = MakeSummarySlots();
};

TEST_F(RefusedFile, OfferedAsTheEmployeeListAFileIsNamedByWhatItIs)
{
    EXPECT_EQ(Is(april, Wanted::EmployeeList), "このファイルは給与の集計表です。");
    EXPECT_EQ(Is(summer, Wanted::EmployeeList), "このファイルは賞与の集計表です。");
    EXPECT_EQ(Is(dir.Write("s.txt", Export("集計表", "夏期")), Wanted::EmployeeList), "このファイルは集計表です。");
    EXPECT_EQ(Is(dir.Write("notes.txt", "memo\r\n"), Wanted::EmployeeList), "エクスポートファイルではありません。");
    EXPECT_EQ(Is(dir.File("gone.txt"), Wanted::EmployeeList), "ファイルが見つかりません。");
    // A damaged export: why it cannot be read; a Unicode one has its own line already.
    const std::string marked = dir.Write("marked.txt", "\x1A" + Export("給与集計表", "4月度給与"));
    EXPECT_EQ(Is(marked, Wanted::EmployeeList), corvane::job::LookAtFile(marked).damage);
    EXPECT_FALSE(Is(marked, Wanted::EmployeeList).empty());
    EXPECT_EQ(Is(dir.Write("utf8.txt", "\xEF\xBB\xBF\xE9\x9B\x86\xE8\xA8\x88\xE8\xA1\xA8,x\r\n"), Wanted::EmployeeList),
              "");
}

TEST_F(RefusedFile, OfferedAsASummaryTheCompanyTheKindAndTheSlotCount)
{
    EXPECT_EQ(Is(dir.Write("other.txt", Export("給与集計表", "4月度給与", "別会社")), Wanted::Salary),
              "別の関与先（別会社）のファイルです。");
    EXPECT_EQ(Is(dir.Write("other-b.txt", Export("賞与集計表", "夏期賞与", "別会社")), Wanted::Bonus, 12),
              "別の関与先（別会社）のファイルです。");
    EXPECT_EQ(Is(summer, Wanted::Salary), "このファイルは賞与の集計表です。");
    EXPECT_EQ(Is(list, Wanted::Salary), "このファイルは従業員(一覧表)です。");
    EXPECT_EQ(Is(april, Wanted::Bonus, 12), "このファイルは給与の集計表です。");
    EXPECT_EQ(Is(dir.Write("s.txt", Export("集計表", "夏期")), Wanted::Salary), "3行目が「○月度給与」ではありません。");
    EXPECT_EQ(Is(dir.Write("m13.txt", Export("給与集計表", "13月度給与")), Wanted::Salary),
              "3行目の月度（1月～12月）を読み取れません。");
    EXPECT_EQ(Is(dir.Write("untitled.txt", "賞与集計表\r\n\r\n夏期賞与\r\n"), Wanted::Bonus, 12),
              "1行目に関与先名がありません。");

    // Held by another slot: named by the slot's month or bonus round; its own slot does not count.
    slots[3].path = april;
    slots[13].path = summer;
    EXPECT_EQ(Is(april, Wanted::Bonus, 14), "すでに4月に選択されています。");
    EXPECT_EQ(Is(summer, Wanted::Bonus, 12), "すでに賞与 2回目に選択されています。");
    EXPECT_EQ(Is(summer, Wanted::Bonus, 13), "");
}

}  // namespace
