#include "gui/qt/QtWaitCursor.h"

#include <QApplication>

#include "gui/qt/PendingInput.h"

namespace corvane::qt {

void QtWaitCursor::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_depth;
}

void QtWaitCursor::EndWaitCursor()
{
    if (m_depth == 0)
        return;
    // What was typed or clicked while the program was busy was not meant
    // for what the screen shows now.
    if (--m_depth == 0)
        DiscardPendingInput();
    QApplication::restoreOverrideCursor();
}

}  // namespace corvane::qt
