#pragma once

#include <string>

// Texts of the wizard's pages that their tests and the front ends' tests
// refer to (code page 932); the wizard's tests write each out once.
namespace corvane {

// Salary files page, クリア with filled months selected.
const std::string& ClearMonthsQuestion();
// Items page: 次へ with an item left without a column; 選択 without a row.
const std::string& UnchosenItemsQuestion();
const std::string& NoItemSelectedMessage();
// キャンセル (Escape, the close box) once a file has been chosen.
const std::string& DiscardQuestion();
// Output page, started by the caller: the page's text.
const std::string& CallerOutputPageText();

}  // namespace corvane
