#pragma once

namespace corvane {

// The transfer mode of a job, from the wizard's start page (or --mode) to the
// document's MODE element: which items the intermediate file carries.
enum class TransferMode {
    Normal,  // 標準モード, MODE NORMAL
    Easy,    // 簡易モード, MODE EASY
};

}  // namespace corvane
