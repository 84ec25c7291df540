#include "gui/qt/ControlRegistry.h"

namespace corvane::qt {

QString ControlObjectName(platform::ControlId id)
{
    return QStringLiteral("control%1").arg(static_cast<int>(id));
}

void ControlRegistry::AddWidget(platform::ControlId id, QWidget* widget)
{
    widget->setObjectName(ControlObjectName(id));
    m_widgets[id] = widget;
}

QWidget* ControlRegistry::Find(platform::ControlId id) const
{
    const auto it = m_widgets.find(id);
    return it == m_widgets.end() ? nullptr : it->second;
}

platform::ControlId ControlRegistry::IdOf(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget()) {
        for (const auto& [id, w] : m_widgets) {
            if (w == widget)
                return id;
        }
    }
    return platform::ControlId::None;
}

}  // namespace corvane::qt
