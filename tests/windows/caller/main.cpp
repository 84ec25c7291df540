// corvane-testcaller: the tests' own stand-in for the calling program.
//   corvane-testcaller caller <corvane.exe> <data folder>
//   corvane-testcaller dialogs <corvane.exe>
//   corvane-testcaller screenshots <corvane.exe> <data folder> <out folder> [files|folder|drop]
//   corvane-testcaller shortcut <program.lnk> [picture.bmp]
//   corvane-testcaller installer <package.msi> [picture folder]
//   corvane-testcaller findings <corvane.exe> <zero-lost set> <out folder or -> [<large set>]
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "CallerTest.h"
#include "DialogCheck.h"
#include "FindingsWalk.h"
#include "InstallerTest.h"
#include "Screenshots.h"
#include "ShortcutTest.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && std::wcscmp(argv[1], L"caller") == 0)
        return corvane::testcaller::RunCallerTests(argv[2], argv[3]) == 0 ? 0 : 1;
    if (argc == 3 && std::wcscmp(argv[1], L"dialogs") == 0)
        return corvane::testcaller::CheckDialogs(argv[2]) == 0 ? 0 : 1;
    if ((argc == 5 || argc == 6) && std::wcscmp(argv[1], L"screenshots") == 0) {
        using corvane::testcaller::Handover;
        Handover handover = Handover::Files;
        if (argc == 6 && std::wcscmp(argv[5], L"folder") == 0)
            handover = Handover::Folder;
        else if (argc == 6 && std::wcscmp(argv[5], L"drop") == 0)
            handover = Handover::Drop;
        else if (argc == 6 && std::wcscmp(argv[5], L"files") != 0)
            return 2;
        return corvane::testcaller::TakeScreenshots(argv[2], argv[3], argv[4], handover) == 0 ? 0 : 1;
    }
    if ((argc == 5 || argc == 6) && std::wcscmp(argv[1], L"findings") == 0) {
        const std::wstring shots = std::wcscmp(argv[4], L"-") == 0 ? std::wstring() : std::wstring(argv[4]);
        return corvane::testcaller::WalkFindings(argv[2], argv[3], shots, argc == 6 ? argv[5] : L"") == 0 ? 0 : 1;
    }
    if ((argc == 3 || argc == 4) && std::wcscmp(argv[1], L"installer") == 0)
        return corvane::testcaller::RunInstallerTest(argv[2], argc == 4 ? argv[3] : nullptr) == 0 ? 0 : 1;
    if ((argc == 3 || argc == 4) && std::wcscmp(argv[1], L"shortcut") == 0)
        return corvane::testcaller::RunShortcutTest(argv[2], argc == 4 ? argv[3] : nullptr) == 0 ? 0 : 1;
    std::fprintf(stderr,
                 "usage: corvane-testcaller caller <corvane.exe> <data folder>\n"
                 "       corvane-testcaller dialogs <corvane.exe>\n"
                 "       corvane-testcaller screenshots <corvane.exe> <data folder> <out folder> [files|folder|drop]\n"
                 "       corvane-testcaller shortcut <program.lnk> [picture.bmp]\n"
                 "       corvane-testcaller installer <package.msi> [picture folder]\n"
                 "       corvane-testcaller findings <corvane.exe> <zero-lost set> <out folder or -> [<large set>]\n");
    return 2;
}
