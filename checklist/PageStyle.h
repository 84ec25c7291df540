#pragma once

#include <string>

namespace corvane::checklist {

// The style sheet of the check list and the batch's index, inside <style>:
// screen and A4 portrait print.
const std::string& PageStyle();

}  // namespace corvane::checklist
