#include "LayoutCheck.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "WizardWalk.h"

namespace corvane::testcaller {

namespace {

// The dialog font of the resources (FONT 9, "MS UI Gothic") at this DPI.
class DialogFont {
public:
    DialogFont()
    {
        m_dc = CreateCompatibleDC(nullptr);
        m_dpi = GetDeviceCaps(m_dc, LOGPIXELSY);
        m_font = CreateFontW(-MulDiv(9, m_dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
        m_old = SelectObject(m_dc, m_font);
        // The dialog base units as the dialog manager takes them from the font.
        SIZE size{};
        GetTextExtentPoint32W(m_dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &size);
        TEXTMETRICW metrics{};
        GetTextMetricsW(m_dc, &metrics);
        m_baseX = (size.cx / 26 + 1) / 2;
        m_baseY = metrics.tmHeight;
    }
    ~DialogFont()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_font);
        DeleteDC(m_dc);
    }
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    // The height that `text` takes when wrapped into `width` pixels.
    int WrappedHeight(const std::wstring& text, int width) const
    {
        RECT rect{0, 0, width, 0};
        DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        return rect.bottom - rect.top;
    }
    SIZE LineSize(const std::wstring& text) const
    {
        RECT rect{0, 0, 0, 0};
        DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    int Dpi() const { return m_dpi; }
    int UnitsToX(int units) const { return MulDiv(units, m_baseX, 4); }
    int UnitsToY(int units) const { return MulDiv(units, m_baseY, 8); }

private:
    HDC m_dc;
    int m_dpi;
    HFONT m_font;
    HGDIOBJ m_old;
    int m_baseX = 0;
    int m_baseY = 0;
};

std::wstring TextOf(HWND window)
{
    // Another process's control answers WM_GETTEXT; GetWindowText would not ask it.
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Whether the caption of `control` fits it; `why` says what does not.
bool CaptionFits(const DialogFont& font, HWND control, const RECT& client, std::string& why)
{
    const std::wstring cls = ClassOf(control);
    const std::wstring text = TextOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (text.empty())
        return true;
    if (cls == L"Static") {
        if ((style & SS_TYPEMASK) > SS_RIGHT)
            return true;
        const int needed = font.WrappedHeight(text, width);
        why = "text needs " + std::to_string(needed) + " px of " + std::to_string(height);
        return needed <= height;
    }
    if (cls == WC_LISTVIEWW) {
        // Column widths follow the DPI: the columns fill most of the list at every scale.
        HWND header = reinterpret_cast<HWND>(SendMessageW(control, LVM_GETHEADER, 0, 0));
        const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
        int total = 0;
        for (int i = 0; i < count; ++i)
            total += static_cast<int>(SendMessageW(control, LVM_GETCOLUMNWIDTH, i, 0));
        why = "columns take " + std::to_string(total) + " px of " + std::to_string(width);
        // The salary list's file column takes the width that the list has.
        if (GetDlgCtrlID(control) == kSalaryList)
            return total <= width && total >= width - 1;
        return total <= width && total * 10 >= width * 7;
    }
    if (cls == L"Button") {
        const LONG type = style & BS_TYPEMASK;
        const SIZE line = font.LineSize(text);
        int room = width;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
            room -= 2 * MulDiv(3, font.Dpi(), 96);
        else if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON || type == BS_AUTOCHECKBOX)
            room -= MulDiv(13 + 4, font.Dpi(), 96);
        else if (type == BS_GROUPBOX)
            room -= MulDiv(2 * 8, font.Dpi(), 96);
        why = "caption needs " + std::to_string(line.cx) + " px of " + std::to_string(room);
        return line.cx <= room && (type == BS_GROUPBOX || line.cy <= height);
    }
    return true;
}

}  // namespace

void MakeDpiAware()
{
    using SetContext = BOOL(WINAPI*)(HANDLE);
    auto* user32 = GetModuleHandleW(L"user32.dll");
    auto setContext =
        reinterpret_cast<SetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    if (!setContext || !setContext(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4))))
        SetProcessDPIAware();
}

int CheckLayout(HWND container, int widthUnits, int heightUnits, const wchar_t* name)
{
    const DialogFont font;
    int problems = 0;
    auto problem = [&](const std::string& what) {
        std::printf("FAIL: layout of %ls at %d dpi: %s\n", name, font.Dpi(), what.c_str());
        std::fflush(stdout);
        ++problems;
    };

    RECT client{};
    GetClientRect(container, &client);
    const int wantWidth = font.UnitsToX(widthUnits);
    const int wantHeight = font.UnitsToY(heightUnits);
    if (std::abs(client.right - wantWidth) > 2 || std::abs(client.bottom - wantHeight) > 2)
        problem("client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
                ", the dialog units give " + std::to_string(wantWidth) + "x" + std::to_string(wantHeight));

    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        const std::string id = "control " + std::to_string(GetDlgCtrlID(child));
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
        // One pixel of rounding: the sheet sizes its pages from the dialog units on its own.
        if (rect.left < 0 || rect.top < 0 || rect.right > client.right + 1 || rect.bottom > client.bottom + 1)
            problem(id + " reaches outside: " + std::to_string(rect.left) + "," + std::to_string(rect.top) + "-" +
                    std::to_string(rect.right) + "," + std::to_string(rect.bottom) + " in " +
                    std::to_string(client.right) + "x" + std::to_string(client.bottom));
        RECT own{};
        GetClientRect(child, &own);
        std::string why;
        if (!CaptionFits(font, child, own, why))
            problem(id + ": " + why);
    }
    std::printf("%s: layout of %ls at %d dpi\n", problems == 0 ? "ok" : "FAIL", name, font.Dpi());
    std::fflush(stdout);
    return problems;
}

}  // namespace corvane::testcaller
