#pragma once

#include <windows.h>

namespace corvane::testcaller {

// Makes this process per-monitor DPI aware, as corvane.exe declares itself,
// so that its measures are those of the wizard at the configured DPI.
void MakeDpiAware();

// Checks a wizard page or dialog of corvane.exe laid out at the DPI in
// effect: its client area has the size that its dialog units give in the
// dialog font at that DPI (so it was scaled), every visible control lies
// inside it, and every caption fits its control. Prints one line per
// problem; returns the number of problems.
int CheckLayout(HWND container, int widthUnits, int heightUnits, const wchar_t* name);

}  // namespace corvane::testcaller
