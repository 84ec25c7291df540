#pragma once

#include <string>

// The platform's modal message box. Texts are code page 932; the front end
// converts them for display.
namespace corvane::platform {

enum class Icon { None, Information, Warning, Exclamation, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the message modally and returns the button the user pressed.
    virtual Answer ShowMessage(const std::string& caption, const std::string& text, Icon icon, Buttons buttons) = 0;
    // The same with a details text that the user can unfold below the
    // message. A front end without such a place shows both together.
    virtual Answer ShowMessageWithDetails(const std::string& caption, const std::string& text,
                                          const std::string& details, Icon icon, Buttons buttons)
    {
        return ShowMessage(caption, details.empty() ? text : text + "\n\n" + details, icon, buttons);
    }
};

}  // namespace corvane::platform
