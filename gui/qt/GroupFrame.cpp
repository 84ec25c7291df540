#include "gui/qt/GroupFrame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace corvane::qt {

void GroupFrame::SetFrameEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    update();
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (!m_enabled) {
        // Styles differ in what they paint the title with: the text colour
        // or the palette's current group.
        option.state &= ~QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Disabled);
        option.textColor = option.palette.color(QPalette::Disabled, QPalette::WindowText);
    }
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace corvane::qt
