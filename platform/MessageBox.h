#pragma once

#include <functional>
#include <string>

// The platform's modal message box. Texts are code page 932; the front end
// converts them for display.
namespace corvane::platform {

enum class Icon { None, Information, Warning, Exclamation, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// The question asked before a file is written despite findings: the
// question on top, the details (every employee concerned, one a line or
// more) below it in a scrollable, selectable area.
struct FindingsBox {
    std::string caption;
    std::string question;
    std::string details;
    // When set, the box offers a button that calls it; the box stays open.
    std::function<void()> showChecklist;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the message modally and returns the button the user pressed.
    virtual Answer ShowMessage(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) = 0;
    // The findings box: a warning with はい / いいえ (いいえ the default and
    // what Escape answers), a button that copies the details whole to the
    // clipboard, and the check list's button when the box has its hook. A
    // front end without such a box shows question and details together.
    virtual Answer ShowFindings(const FindingsBox& box)
    {
        return ShowMessage(box.caption, box.details.empty() ? box.question : box.question + "\n\n" + box.details,
                           Icon::Warning, Buttons::YesNo);
    }
};

}  // namespace corvane::platform
