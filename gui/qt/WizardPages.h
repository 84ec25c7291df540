#pragma once

#include <QWidget>

#include "gui/qt/ControlRegistry.h"

namespace corvane::qt {

// The widgets of wizard page `index` (platform::PageId), every control
// registered under its id. Pages that take files accept drops; their
// controls do not, so that a drop anywhere on the page reaches the page.
QWidget* BuildWizardPage(int index, ControlRegistry& controls);

}  // namespace corvane::qt
