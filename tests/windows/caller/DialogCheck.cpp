#include "DialogCheck.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace corvane::testcaller {

namespace {

struct Control {
    HWND window;
    int id;
    std::wstring cls;
    LONG style;
    RECT rect;
};

bool IsButtonOfType(const Control& c, LONG type)
{
    return c.cls == L"Button" && (c.style & BS_TYPEMASK) == type;
}

bool IsRadio(const Control& c)
{
    return IsButtonOfType(c, BS_AUTORADIOBUTTON) || IsButtonOfType(c, BS_RADIOBUTTON);
}

bool IsGroupBox(const Control& c)
{
    return IsButtonOfType(c, BS_GROUPBOX);
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// Whether the control takes the keyboard at all, and so belongs in the Tab order.
bool WantsTabStop(const Control& c)
{
    if (c.cls == L"Static" || IsGroupBox(c) || IsRadio(c))
        return false;
    // A read-only text area still scrolls and selects from the keyboard.
    if (c.cls == L"Edit")
        return !(c.style & ES_READONLY) || (c.style & ES_MULTILINE);
    return true;
}

std::vector<Control> ChildrenInOrder(HWND dialog)
{
    std::vector<Control> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Control c{child, GetDlgCtrlID(child), {}, static_cast<LONG>(GetWindowLongW(child, GWL_STYLE)), {}};
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        c.cls = cls;
        GetWindowRect(child, &c.rect);
        children.push_back(c);
    }
    return children;
}

// The problems of one dialog, one line each.
std::vector<std::string> Problems(const std::vector<Control>& children)
{
    std::vector<std::string> problems;
    auto problem = [&](const Control& c, const char* what) {
        problems.push_back("control " + std::to_string(c.id) + ": " + what);
    };

    for (const Control& c : children) {
        const bool tabStop = (c.style & WS_TABSTOP) != 0;
        if (!IsRadio(c) && tabStop != WantsTabStop(c))
            problem(c, tabStop ? "is a tab stop but takes no input" : "takes input but is no tab stop");
    }

    // The radio buttons by the group box around them (the dialog when none).
    std::vector<const Control*> boxes{nullptr};
    for (const Control& c : children)
        if (IsGroupBox(c))
            boxes.push_back(&c);
    for (const Control* box : boxes) {
        std::vector<std::size_t> radios;
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (!IsRadio(children[i]))
                continue;
            const Control* around = nullptr;
            for (const Control* b : boxes)
                if (b && Inside(children[i].rect, b->rect))
                    around = b;
            if (around == box)
                radios.push_back(i);
        }
        if (radios.empty())
            continue;
        const Control& first = children[radios.front()];
        if (!(first.style & WS_GROUP) || !(first.style & WS_TABSTOP))
            problem(first, "first radio button does not start its group as a tab stop");
        for (std::size_t i = radios.front() + 1; i <= radios.back(); ++i) {
            const Control& c = children[i];
            if (c.style & WS_GROUP)
                problem(c, "starts a new group between radio buttons");
            if (IsRadio(c) && (c.style & WS_TABSTOP))
                problem(c, "a radio button after the first is a tab stop");
            if (!IsRadio(c) && c.cls != L"Static")
                problem(c, "a control that is no radio button sits inside the radio group");
        }
        // After the last button the group must end before the next control
        // that takes input, or the arrow keys would wander into it.
        for (std::size_t i = radios.back() + 1; i < children.size(); ++i) {
            const Control& c = children[i];
            if (c.style & WS_GROUP)
                break;
            if (c.cls != L"Static") {
                problem(c, "follows the radio buttons without starting a group");
                break;
            }
        }
    }
    return problems;
}

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

BOOL CALLBACK CollectDialog(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int>*>(ids)->push_back(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

}  // namespace

int CheckDialogs(const std::wstring& corvaneExe)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HMODULE module = LoadLibraryExW(corvaneExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        std::printf("FAIL: cannot load the resources of corvane.exe\n");
        return 1;
    }
    std::vector<int> ids;
    EnumResourceNamesW(module, RT_DIALOG, CollectDialog, reinterpret_cast<LONG_PTR>(&ids));
    // The pages are child dialogs: they need a parent.
    HWND parent = CreateWindowW(L"Static", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    int failed = ids.size() < 7 ? 1 : 0;
    std::printf("%s: %zu dialogs in the resources\n", failed ? "FAIL" : "ok", ids.size());
    for (int id : ids) {
        HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(id), parent, QuietProc, 0);
        if (!dialog) {
            std::printf("FAIL: dialog %d cannot be created\n", id);
            ++failed;
            continue;
        }
        const auto problems = Problems(ChildrenInOrder(dialog));
        std::printf("%s: dialog %d\n", problems.empty() ? "ok" : "FAIL", id);
        for (const auto& p : problems)
            std::printf("  %s\n", p.c_str());
        if (!problems.empty())
            ++failed;
        DestroyWindow(dialog);
    }
    DestroyWindow(parent);
    FreeLibrary(module);
    std::printf("dialogs: %d failed\n", failed);
    std::fflush(stdout);
    return failed;
}

}  // namespace corvane::testcaller
