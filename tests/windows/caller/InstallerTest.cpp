#include "InstallerTest.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "WindowCapture.h"
#include "WizardProcess.h"

namespace corvane::testcaller {

namespace {

struct Search {
    const wchar_t* text;  // a child's text holds it
    HWND found = nullptr;
};

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

BOOL CALLBACK HasChildText(HWND child, LPARAM lparam)
{
    auto* search = reinterpret_cast<Search*>(lparam);
    if (IsWindowVisible(child) && TextOf(child).find(search->text) != std::wstring::npos) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK TopWithChildText(HWND window, LPARAM lparam)
{
    auto* search = reinterpret_cast<Search*>(lparam);
    if (!IsWindowVisible(window))
        return TRUE;
    Search inner{search->text};
    EnumChildWindows(window, HasChildText, reinterpret_cast<LPARAM>(&inner));
    if (inner.found) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible top-level window with a visible child whose text holds `text`.
HWND WaitForPage(const wchar_t* text, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 200) {
        Search search{text};
        EnumWindows(TopWithChildText, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        PumpFor(200);
    }
    return nullptr;
}

HWND Child(HWND window, const wchar_t* text)
{
    Search search{text};
    EnumChildWindows(window, HasChildText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Installer {
public:
    explicit Installer(const std::wstring& msi)
    {
        std::wstring line = L"msiexec /i \"" + msi + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &m_process) != 0;
    }
    ~Installer()
    {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    Installer(const Installer&) = delete;
    Installer& operator=(const Installer&) = delete;

    bool Started() const { return m_started; }
    // The exit code, or -1 after the time-out.
    int WaitForExit(DWORD timeoutMs)
    {
        for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0) {
                DWORD code = 0;
                GetExitCodeProcess(m_process.hProcess, &code);
                return static_cast<int>(code);
            }
            PumpFor(100);
        }
        return -1;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};

}  // namespace

int RunInstallerTest(const wchar_t* msi, const wchar_t* pictures)
{
    int failed = 0;
    const auto check = [&](bool ok, const char* what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
        std::fflush(stdout);
        failed += ok ? 0 : 1;
        return ok;
    };
    const auto shoot = [&](HWND page, const wchar_t* name) {
        if (!pictures)
            return;
        SetForegroundWindow(page);
        PumpFor(500);
        check(CaptureWindow(page, std::wstring(pictures) + L"\\" + name + L".bmp"), "a picture of the page");
    };
    // A page's button, pressed; then the page after it.
    const auto press = [&](HWND page, const wchar_t* button) {
        HWND control = Child(page, button);
        if (!check(control != nullptr, "the page has its button"))
            return;
        PostMessageW(control, BM_CLICK, 0, 0);
    };

    {
        Installer install(msi);
        if (!check(install.Started(), "msiexec /i starts"))
            return failed;
        HWND welcome = WaitForPage(L"\u3092\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u3057\u307e\u3059",
                                   60000);  // をインストールします
        if (check(welcome != nullptr, "the first page says what will be installed")) {
            shoot(welcome, L"msi-1-welcome");
            press(welcome, L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb(&I)");  // インストール(&I)
        }
        HWND done = WaitForPage(L"\u5b8c\u4e86\u3057\u307e\u3057\u305f", 60000);  // 完了しました
        if (check(done != nullptr, "the last page says the installation is complete")) {
            shoot(done, L"msi-2-installed");
            press(done, L"\u5b8c\u4e86");  // 完了
        }
        check(install.WaitForExit(60000) == 0, "msiexec ends, the package installed");
    }
    {
        Installer again(msi);
        HWND maintenance =
            WaitForPage(L"\u3059\u3067\u306b\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb", 60000);  // すでにインストール
        if (check(maintenance != nullptr, "started again, it offers to remove the installed copy"))
            press(maintenance, L"\u524a\u9664(&R)");                                       // 削除(&R)
        HWND removed = WaitForPage(L"\u3092\u524a\u9664\u3057\u307e\u3057\u305f", 60000);  // を削除しました
        if (check(removed != nullptr, "the last page says the program was removed")) {
            shoot(removed, L"msi-3-removed");
            press(removed, L"\u5b8c\u4e86");
        }
        check(again.WaitForExit(60000) == 0, "msiexec ends, the package removed");
    }
    std::printf("installer: %d failed\n", failed);
    std::fflush(stdout);
    return failed;
}

}  // namespace corvane::testcaller
