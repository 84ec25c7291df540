#pragma once

#include <QWidget>

#include "gui/qt/ControlRegistry.h"

namespace corvane::qt {

// The widgets of wizard page `index` (platform::PageId), every control
// registered under its id.
QWidget* BuildWizardPage(int index, ControlRegistry& controls);

}  // namespace corvane::qt
