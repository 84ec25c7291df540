#pragma once

#include "platform/MessageBox.h"

namespace corvane::win32 {

// MessageBoxW over the active window of the interface thread.
class Win32MessageBox final : public platform::MessageBoxService {
public:
    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;
};

}  // namespace corvane::win32
