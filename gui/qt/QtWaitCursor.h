#pragma once

#include "platform/WaitCursor.h"

namespace corvane::qt {

// The wait cursor over every window of the program.
class QtWaitCursor final : public platform::WaitCursorService {
public:
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // Wait cursors begun and not yet ended.
    int Depth() const { return m_depth; }

private:
    int m_depth = 0;
};

}  // namespace corvane::qt
