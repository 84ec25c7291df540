#include "gui/qt/PendingInput.h"

#include <QCoreApplication>
#include <QEvent>

namespace corvane::qt {

namespace {

class InputEater final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        case QEvent::Close:
            // The program's own closing of a window is no input.
            return event->spontaneous();
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

}  // namespace

void DiscardPendingInput()
{
    InputEater eater;
    QCoreApplication::instance()->installEventFilter(&eater);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(&eater);
}

}  // namespace corvane::qt
