#pragma once

#include <string>

// The platform's modal message box. Texts are code page 932; the front end
// converts them for display.
namespace corvane::platform {

enum class Icon { None, Information, Warning, Exclamation, Error, Question };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the message modally and returns the button the user pressed.
    virtual Answer ShowMessage(const std::string& caption, const std::string& text, Icon icon,
                               Buttons buttons) = 0;
};

}  // namespace corvane::platform
