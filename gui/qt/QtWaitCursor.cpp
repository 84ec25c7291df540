#include "gui/qt/QtWaitCursor.h"

#include <QApplication>

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
    --m_depth;
    QApplication::restoreOverrideCursor();
}

}  // namespace corvane::qt
