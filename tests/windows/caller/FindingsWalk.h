#pragma once

#include <string>

namespace corvane::testcaller {

// The findings box of a running corvane.exe on `zeroLostFolder`, a sample
// set whose summaries lost the codes' leading zero: the box fits the work
// area, shows at least fifteen lines of details, いいえ is its default,
// 一覧をコピー copies the details whole, Escape answers いいえ and nothing is
// written. With `shots`, the box's picture goes there as 9-findings.bmp.
// With `busyFolder` (a set large enough for the conversion to take a while),
// keys typed during the conversion must leave the completion message
// unanswered. Returns the number of failures.
int WalkFindings(const std::wstring& corvaneExe, const std::wstring& zeroLostFolder, const std::wstring& shots,
                 const std::wstring& busyFolder);

}  // namespace corvane::testcaller
