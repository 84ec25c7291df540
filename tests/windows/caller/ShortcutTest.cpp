#include "ShortcutTest.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>

#include "WindowCapture.h"
#include "WizardProcess.h"

namespace corvane::testcaller {

namespace {

// The target path of a shell link; "" when it cannot be read.
std::wstring ShortcutTarget(const wchar_t* lnk)
{
    std::wstring target;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(lnk, STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

void PressEscape(HWND window)
{
    SetForegroundWindow(window);
    PumpFor(300);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

}  // namespace

int RunShortcutTest(const wchar_t* lnk, const wchar_t* bmpPath)
{
    CoInitialize(nullptr);
    const std::wstring target = ShortcutTarget(lnk);
    CoUninitialize();
    int failed = 0;
    const auto check = [&](bool ok, const char* what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
        failed += ok ? 0 : 1;
        return ok;
    };
    if (!check(!target.empty(), "the shortcut names a program"))
        return 1;
    std::printf("target: %ls\n", target.c_str());

    WizardProcess program;
    if (!check(program.Start(target, L""), "the shortcut's target starts"))
        return 1;
    const HWND wizard = program.WaitForDialog(30000);
    if (!check(wizard != nullptr, "the wizard opens"))
        return 1;
    if (bmpPath) {
        PumpFor(1000);
        check(CaptureWindow(wizard, bmpPath), "a picture of the wizard");
    }
    PressEscape(wizard);
    check(program.WaitForExit(20000) >= 0, "Escape closes the program");
    std::fflush(stdout);
    return failed;
}

}  // namespace corvane::testcaller
