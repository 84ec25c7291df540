#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// The resources of the built corvane.exe and corvane-convert.exe, read back
// from the files as Explorer and the version API read them.
namespace {

std::wstring Widen(const char* path)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, path, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path, -1, wide.data(), n);
    wide.resize(static_cast<std::size_t>(n - 1));
    return wide;
}

class VersionBlock {
public:
    explicit VersionBlock(const std::wstring& path)
    {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
        m_block.resize(size);
        if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, m_block.data()))
            m_block.clear();
    }
    bool Empty() const { return m_block.empty(); }

    std::vector<std::pair<WORD, WORD>> Translations()
    {
        std::vector<std::pair<WORD, WORD>> pairs;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(m_block.data(), L"\\VarFileInfo\\Translation", &value, &length))
            return pairs;
        const auto* words = static_cast<const WORD*>(value);
        for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2)
            pairs.emplace_back(words[i], words[i + 1]);
        return pairs;
    }

    std::wstring String(const wchar_t* block, const wchar_t* name)
    {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(m_block.data(), query.c_str(), &value, &length) || !value)
            return std::wstring();
        return std::wstring(static_cast<const wchar_t*>(value));
    }

private:
    std::vector<char> m_block;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR out)
{
    reinterpret_cast<std::vector<WORD>*>(out)->push_back(language);
    return TRUE;
}

struct Executable {
    const char* path;
    const wchar_t* originalName;
    const wchar_t* description;
};

TEST(VersionResource, EachExecutableCarriesItsJapaneseFieldsInBothBlocks)
{
    const Executable executables[] = {
        {CORVANE_WIZARD_EXE, L"corvane.exe", L"ヴェルドfromソルマ給与 データ変換ウィザード"},
        {CORVANE_CONVERT_EXE, L"corvane-convert.exe", L"ヴェルドfromソルマ給与 一括変換プログラム"},
    };
    for (const Executable& exe : executables) {
        SCOPED_TRACE(exe.path);
        const std::wstring path = Widen(exe.path);
        VersionBlock version(path);
        ASSERT_FALSE(version.Empty());
        // Japanese in code page 932 first, then the Unicode block the XML writer reads.
        const std::vector<std::pair<WORD, WORD>> expected{{0x411, 932}, {0x411, 1200}};
        EXPECT_EQ(version.Translations(), expected);
        for (const wchar_t* block : {L"041103a4", L"041104b0"}) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(block)));
            EXPECT_EQ(version.String(block, L"FileDescription"), exe.description);
            EXPECT_EQ(version.String(block, L"OriginalFilename"), exe.originalName);
            EXPECT_EQ(version.String(block, L"CompanyName"), L"Corvane Project");
            EXPECT_EQ(version.String(block, L"LegalCopyright"), L"Copyright (C) 2014 Corvane Project");
            EXPECT_EQ(version.String(block, L"ProductVersion"), L"1, 0, 0, 0");
            EXPECT_EQ(version.String(block, L"FileVersion"), L"2014, 11, 20, 0");
        }

        // The resource itself is Japanese, as it says.
        HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        std::vector<WORD> languages;
        EnumResourceLanguagesW(module, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1), AddLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{0x411});
        FreeLibrary(module);
    }
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(VersionResource, TheWizardDeclaresPerMonitorDpiAndCarriesEveryIconSize)
{
    HMODULE module = LoadLibraryExW(Widen(CORVANE_WIZARD_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);

    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                           SizeofResource(module, manifest));
    EXPECT_NE(text.find(">PerMonitorV2"), std::string::npos);

    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, data + 6 + i * sizeof entry, sizeof entry);
        sizes.push_back(entry.width == 0 ? 256 : entry.width);
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.bits, 32);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 256}));
    FreeLibrary(module);
}

}  // namespace
