#pragma once

#include <string>
#include <string_view>

namespace corvane::fuzzing {

// Why `document` is not a well-formed XML document in code page 932 as the
// writer makes them; "" when it is. Checked: every character is one of code
// page 932 that XML may carry, one XML declaration at the start, one root
// element, tags that nest and close by name, names, attributes quoted and
// unique per element, '<' and '&' only as markup or references (the five
// named ones and character references). Comments, processing instructions
// other than the declaration, CDATA and doctypes are refused: the writer
// makes none.
std::string XmlProblem(std::string_view document);

}  // namespace corvane::fuzzing
