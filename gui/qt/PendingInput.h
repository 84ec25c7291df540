#pragma once

namespace corvane::qt {

// Drops the keyboard and mouse input queued while the program was busy (and
// a close request the desktop sent meanwhile), so that a key typed during a
// conversion does not answer the box shown after it.
void DiscardPendingInput();

}  // namespace corvane::qt
