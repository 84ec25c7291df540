#pragma once

#include "platform/MessageBox.h"

namespace corvane::win32 {

// MessageBoxW over the active window of the interface thread; a message with
// details is a task dialog with the details as its expandable information.
class Win32MessageBox final : public platform::MessageBoxService {
public:
    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;
    platform::Answer ShowMessageWithDetails(const std::string& caption, const std::string& text,
                                            const std::string& details, platform::Icon icon,
                                            platform::Buttons buttons) override;
};

}  // namespace corvane::win32
