#pragma once

#include <QWidget>
#include <map>

#include "platform/ControlIds.h"

namespace corvane::qt {

// The widgets of one window by control id. Each widget is named
// "control<id>" so that tests can find it with findChild.
class ControlRegistry {
public:
    // Registers `widget` under `id` and returns it.
    template <typename W>
    W* Add(platform::ControlId id, W* widget)
    {
        AddWidget(id, widget);
        return widget;
    }

    QWidget* Find(platform::ControlId id) const;
    // The control that `widget` is or lies inside; None when none.
    platform::ControlId IdOf(const QWidget* widget) const;
    const std::map<platform::ControlId, QWidget*>& All() const { return m_widgets; }

private:
    void AddWidget(platform::ControlId id, QWidget* widget);

    std::map<platform::ControlId, QWidget*> m_widgets;
};

// The object name of a control's widget.
QString ControlObjectName(platform::ControlId id);

}  // namespace corvane::qt
