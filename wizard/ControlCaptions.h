#pragma once

#include <string>
#include <vector>

#include "platform/ControlIds.h"

// The static texts of the wizard's and the item dialog's controls, shared by
// every front end so that all show the same captions. All texts are code
// page 932.
namespace corvane {

// The caption of a label, group box, button, radio button or static text
// (with "&" before a mnemonic letter, as in "参照(&S)..."). "" for controls
// without a caption of their own and for texts that the logic sets
// (OutputPageText, ExplanationText, paths).
const std::string& ControlCaption(platform::ControlId id);

// A column of a report-style list view: header text and width in pixels.
struct ListColumnCaption {
    std::string header;
    int width = 0;
};

// The columns of SalaryList and ItemsList, in order (left-aligned); empty
// for any other control.
const std::vector<ListColumnCaption>& ListColumnCaptions(platform::ControlId list);

// The title of a modal dialog ("項目選択" for the item selection dialog).
const std::string& DialogTitle(platform::DialogId id);

}  // namespace corvane
