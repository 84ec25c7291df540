// The shortened paths of the Windows front end's path fields and list cells.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "gui/win32/PathElision.h"

namespace corvane::win32 {
namespace {

// 𠮷 (U+20BB7), a surrogate pair.
const std::wstring kYoshi = L"\xD842\xDFB7";

// One pixel per UTF-16 unit: the results can be counted by hand.
int Units(const std::wstring& text)
{
    return static_cast<int>(text.size());
}

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(PathElisionTest, KeepsTheFileNameAndCutsTheFoldersInTheMiddle)
{
    const std::wstring path = L"C:\\給与データ表\\関与先\\employees.txt";
    // Fits: unchanged, also at exactly its width.
    EXPECT_EQ(ElidePath(path, 100, Units), path);
    EXPECT_EQ(ElidePath(path, Units(path), Units), path);
    EXPECT_EQ(ElidePath(L"", 0, Units), L"");
    // The longest beginning of the folder that fits before the whole name.
    EXPECT_EQ(ElidePath(path, 22, Units), L"C:\\給与...\\employees.txt");
    EXPECT_EQ(ElidePath(path, Units(path) - 1, Units), L"C:\\給与データ表...\\employees.txt");
    EXPECT_EQ(ElidePath(path, 17, Units), L"...\\employees.txt");
    // Forward slashes separate as well.
    EXPECT_EQ(ElidePath(L"C:/a/bcdef/x.txt", 12, Units), L"C:/.../x.txt");
    // A character outside the basic plane is never cut in half: 𠮷 takes two units.
    const std::wstring wide = L"C:\\" + kYoshi + L"田給与データ\\a.txt";
    EXPECT_EQ(ElidePath(wide, 14, Units), L"C:\\" + kYoshi + L"...\\a.txt");
    EXPECT_EQ(ElidePath(wide, 13, Units), L"C:\\...\\a.txt");
}

TEST(PathElisionTest, CutsANameTooWideInItsMiddleKeepingItsEnd)
{
    // The name alone does not fit: its beginning and its extension stay.
    EXPECT_EQ(ElidePath(L"C:\\data\\salary-2026-december.txt", 15, Units), L"salary...er.txt");
    EXPECT_EQ(ElidePath(L"salary-2026-december.txt", 15, Units), L"salary...er.txt");
    // Nothing but the ellipsis fits.
    EXPECT_EQ(ElidePath(L"C:\\data\\salary.txt", 3, Units), L"...");
    // A pair outside the basic plane at the cut stays whole or goes whole.
    EXPECT_EQ(ElidePath(kYoshi + kYoshi + kYoshi + kYoshi + L".txt", 8, Units), kYoshi + L"...txt");
}

// Measured in the dialogs' font as the front end draws it, at every width the
// result fits, and where the name fits it is kept whole.
TEST(PathElisionTest, FitsEveryWidthInTheDialogFont)
{
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
    const HGDIOBJ old = SelectObject(dc, font);
    auto width = [&](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::wstring name = L"\\給与集計表 2026年12月分.txt";
    const std::wstring path = L"C:\\Users\\経理担当\\Documents\\関与先 株式会社サンプル商事\\エクスポート" + name;
    ASSERT_GT(width(path), 200);
    for (int room = 20; room <= width(path) + 10; room += 7) {
        const std::wstring shown = ElidePath(dc, path, room);
        SCOPED_TRACE(room);
        if (room >= width(path)) {
            EXPECT_EQ(shown, path);
            continue;
        }
        EXPECT_LE(width(shown), room);
        EXPECT_NE(shown.find(L"..."), std::wstring::npos);
        if (room >= width(L"..." + name)) {
            EXPECT_TRUE(EndsWith(shown, name));
            // Not needlessly short: one more character of the folder would not fit.
            const std::size_t cut = shown.find(L"...");
            EXPECT_GT(width(path.substr(0, cut + 1) + L"..." + name), room);
        } else {
            // The name's beginning and end around the cut, halves as equal as can be.
            const std::size_t cut = shown.find(L"...");
            const std::size_t back = shown.size() - cut - 3;
            EXPECT_EQ(name.substr(1, cut), shown.substr(0, cut));
            EXPECT_TRUE(EndsWith(name, shown.substr(cut + 3)));
            EXPECT_TRUE(cut == back || cut == back + 1) << cut << " and " << back;
        }
    }
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}

}  // namespace
}  // namespace corvane::win32
