#pragma once

#include "platform/MessageBox.h"

namespace corvane::win32 {

class Win32WaitCursor;

// MessageBoxW over the active window of the interface thread; the findings
// box is a dialog of our own (Win32FindingsDialog). A box shown while the
// wait cursor is on first drops the input queued meanwhile.
class Win32MessageBox final : public platform::MessageBoxService {
public:
    explicit Win32MessageBox(const Win32WaitCursor& waitCursor) : m_waitCursor(waitCursor) {}

    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;
    platform::Answer ShowFindings(const platform::FindingsBox& box) override;

private:
    void DropInputWhileBusy() const;

    const Win32WaitCursor& m_waitCursor;
};

}  // namespace corvane::win32
