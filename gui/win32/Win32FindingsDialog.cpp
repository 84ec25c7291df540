#include "Win32FindingsDialog.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "Win32Text.h"
#include "resource.h"
#include "wizard/ControlCaptions.h"

namespace corvane::win32 {

using platform::ControlId;

namespace {

// Wide enough for a finding's line with an employee's name and outcome.
constexpr int kDetailColumns = 46;  // full-width characters

struct Box {
    const platform::FindingsBox* box;
    SIZE minimum;  // the smallest window size the user may drag to
};

int Units(HWND dialog, int x, int y, bool vertical)
{
    RECT rect{0, 0, x, y};
    MapDialogRect(dialog, &rect);
    return vertical ? rect.bottom : rect.right;
}

// The edit control wants CR LF between lines.
std::wstring WithCrLf(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
            out += L'\r';
        out += text[i];
    }
    return out;
}

// Runs `measure` on a device context of `window` holding the dialog's font.
template <typename Measure>
auto InDialogFont(HWND dialog, HWND window, Measure measure)
{
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    const auto result = measure(dc);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return result;
}

// The height the question takes at `width` pixels in the dialog's font.
int QuestionHeight(HWND dialog, int width)
{
    HWND question = GetDlgItem(dialog, IDC_FINDINGS_QUESTION);
    const std::wstring text = WindowText(question);
    return InDialogFont(dialog, question, [&](HDC dc) {
        RECT rect{0, 0, width, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return static_cast<int>(rect.bottom);
    });
}

int LineHeight(HWND dialog)
{
    return InDialogFont(dialog, dialog, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmHeight);
    });
}

int FullWidthChar(HWND dialog)
{
    return InDialogFont(dialog, dialog, [](HDC dc) {
        SIZE wide{};
        GetTextExtentPoint32W(dc, L"\u3042", 1, &wide);
        return static_cast<int>(wide.cx);
    });
}

// The details area's frame and inner margins around its lines.
int DetailsFrame()
{
    return 2 * GetSystemMetrics(SM_CYEDGE) + 4;
}

void Place(HWND dialog, int id, int x, int y, int width, int height)
{
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, std::max(width, 0), std::max(height, 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lays the controls out over the client area: question on top, the details
// taking what the buttons leave.
void Layout(HWND dialog)
{
    RECT client{};
    GetClientRect(dialog, &client);
    const int margin = Units(dialog, 7, 7, false);
    const int gap = Units(dialog, 4, 4, true);
    const int buttonHeight = Units(dialog, 0, 15, true);
    const int buttonWidth = Units(dialog, 56, 0, false);
    const int wideButton = Units(dialog, 74, 0, false);
    const int icon = GetSystemMetrics(SM_CXICON);
    const int line = LineHeight(dialog);

    Place(dialog, IDC_FINDINGS_ICON, margin, margin, icon, icon);
    const int textLeft = margin * 2 + icon;
    const int textWidth = client.right - textLeft - margin;
    const int questionHeight = QuestionHeight(dialog, textWidth);
    Place(dialog, IDC_FINDINGS_QUESTION, textLeft, margin, textWidth, questionHeight);
    const int labelTop = margin + std::max(questionHeight, icon) + gap;
    Place(dialog, IDC_FINDINGS_DETAILS_LABEL, margin, labelTop, client.right - 2 * margin, line + 2);
    const int detailsTop = labelTop + line + 4;
    const int buttonTop = client.bottom - margin - buttonHeight;
    Place(dialog, IDC_FINDINGS_DETAILS, margin, detailsTop, client.right - 2 * margin, buttonTop - gap - detailsTop);

    int left = margin;
    Place(dialog, IDC_FINDINGS_COPY, left, buttonTop, wideButton, buttonHeight);
    left += wideButton + gap;
    if (IsWindowVisible(GetDlgItem(dialog, IDC_FINDINGS_CHECKLIST))) {
        Place(dialog, IDC_FINDINGS_CHECKLIST, left, buttonTop, wideButton, buttonHeight);
        left += wideButton + gap;
    }
    const int noLeft = client.right - margin - buttonWidth;
    const int yesLeft = noLeft - gap - buttonWidth;
    Place(dialog, IDC_FINDINGS_COPIED, left, buttonTop + (buttonHeight - line) / 2, yesLeft - gap - left, line + 2);
    Place(dialog, IDYES, yesLeft, buttonTop, buttonWidth, buttonHeight);
    Place(dialog, IDNO, noLeft, buttonTop, buttonWidth, buttonHeight);
    InvalidateRect(dialog, nullptr, TRUE);
}

RECT WorkArea(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// The first size: wide enough for a line of details, tall enough for the
// question and kShownLines lines of them; then inside the work area,
// centred on the owner or the work area.
void FitFirstSize(HWND dialog, Box& state)
{
    const int margin = Units(dialog, 7, 7, false);
    const int gap = Units(dialog, 4, 4, true);
    const int buttonHeight = Units(dialog, 0, 15, true);
    const int icon = GetSystemMetrics(SM_CXICON);
    const int line = LineHeight(dialog);
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);

    const int clientWidth = std::max(static_cast<int>(Units(dialog, 300, 0, false)),
                                     kDetailColumns * FullWidthChar(dialog) + DetailsFrame() + scrollBar + 2 * margin);
    const int questionHeight = QuestionHeight(dialog, clientWidth - 3 * margin - icon);
    const int fixedHeight = margin + std::max(questionHeight, icon) + gap + line + 4 + gap + buttonHeight + margin;
    const int clientHeight = fixedHeight + kShownLines * line + DetailsFrame();

    const DWORD style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE));
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    RECT smallest{0, 0, Units(dialog, 240, 0, false), fixedHeight + 3 * line + DetailsFrame()};
    AdjustWindowRectEx(&smallest, style, FALSE, exStyle);

    HWND owner = GetWindow(dialog, GW_OWNER);
    const RECT work = WorkArea(owner ? owner : dialog);
    const LONG workWidth = work.right - work.left;
    const LONG workHeight = work.bottom - work.top;
    const LONG width = std::min(frame.right - frame.left, workWidth);
    const LONG height = std::min(frame.bottom - frame.top, workHeight);
    state.minimum = {std::min(smallest.right - smallest.left, workWidth),
                     std::min(smallest.bottom - smallest.top, workHeight)};

    RECT anchor = work;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &anchor);
    LONG x = (anchor.left + anchor.right - width) / 2;
    LONG y = (anchor.top + anchor.bottom - height) / 2;
    x = std::max(work.left, std::min(x, work.right - width));
    y = std::max(work.top, std::min(y, work.bottom - height));
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CopyDetails(HWND dialog)
{
    const std::wstring text = WindowText(GetDlgItem(dialog, IDC_FINDINGS_DETAILS));
    if (!OpenClipboard(dialog))
        return;
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(memory)) {
            CopyMemory(target, text.c_str(), bytes);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory))
                GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    SetDlgItemTextW(dialog, IDC_FINDINGS_COPIED, TextToWide(ControlCaption(ControlId::FindingsCopied)).c_str());
}

void SetCaption(HWND dialog, int id, ControlId caption)
{
    SetDlgItemTextW(dialog, id, TextToWide(ControlCaption(caption)).c_str());
}

INT_PTR CALLBACK FindingsProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* state = reinterpret_cast<Box*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<Box*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        const platform::FindingsBox& box = *state->box;
        SetWindowTextW(dialog, TextToWide(box.caption).c_str());
        SendDlgItemMessageW(dialog, IDC_FINDINGS_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
        SetDlgItemTextW(dialog, IDC_FINDINGS_QUESTION, TextToWide(box.question).c_str());
        SetCaption(dialog, IDC_FINDINGS_DETAILS_LABEL, ControlId::FindingsDetailsLabel);
        SendDlgItemMessageW(dialog, IDC_FINDINGS_DETAILS, EM_SETLIMITTEXT, 0, 0);
        SetDlgItemTextW(dialog, IDC_FINDINGS_DETAILS, WithCrLf(TextToWide(box.details)).c_str());
        SetCaption(dialog, IDC_FINDINGS_COPY, ControlId::FindingsCopy);
        SetCaption(dialog, IDC_FINDINGS_CHECKLIST, ControlId::FindingsChecklist);
        SetCaption(dialog, IDYES, ControlId::MessageYes);
        SetCaption(dialog, IDNO, ControlId::MessageNo);
        if (!box.showChecklist)
            ShowWindow(GetDlgItem(dialog, IDC_FINDINGS_CHECKLIST), SW_HIDE);
        FitFirstSize(dialog, *state);
        Layout(dialog);
        // Going on despite findings is a choice, not what Enter does.
        SendMessageW(dialog, DM_SETDEFID, IDNO, 0);
        SetFocus(GetDlgItem(dialog, IDNO));
        return FALSE;
    }
    case WM_SIZE:
        if (state)
            Layout(dialog);
        return TRUE;
    case WM_GETMINMAXINFO:
        if (state) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
            info->ptMinTrackSize = {state->minimum.cx, state->minimum.cy};
        }
        return TRUE;
    case WM_CTLCOLORSTATIC:
        // The read-only details read as a text, not as a greyed field.
        if (reinterpret_cast<HWND>(lparam) == GetDlgItem(dialog, IDC_FINDINGS_DETAILS)) {
            SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDYES:
            EndDialog(dialog, IDYES);
            return TRUE;
        case IDNO:
        case IDCANCEL:
            EndDialog(dialog, IDNO);
            return TRUE;
        case IDC_FINDINGS_COPY:
            CopyDetails(dialog);
            return TRUE;
        case IDC_FINDINGS_CHECKLIST:
            if (state && state->box->showChecklist)
                state->box->showChecklist();
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

std::optional<platform::Answer> ShowFindingsDialog(const platform::FindingsBox& box)
{
    Box state{&box, {}};
    const INT_PTR pressed = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FINDINGS),
                                            GetActiveWindow(), FindingsProc, reinterpret_cast<LPARAM>(&state));
    if (pressed != IDYES && pressed != IDNO)
        return std::nullopt;
    return pressed == IDYES ? platform::Answer::Yes : platform::Answer::No;
}

}  // namespace corvane::win32
