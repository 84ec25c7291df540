#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "gui/qt/ControlRegistry.h"
#include "gui/qt/GroupFrame.h"

// The kinds of control that the wizard and its dialog are made of, each
// registered under its id and captioned from the caption table.
namespace corvane::qt {

// Static text, plain (never markup), wrapped at the page's width.
QLabel* MakeLabel(ControlRegistry& controls, platform::ControlId id);
QPushButton* MakeButton(ControlRegistry& controls, platform::ControlId id);
QRadioButton* MakeRadio(ControlRegistry& controls, platform::ControlId id);
GroupFrame* MakeGroup(ControlRegistry& controls, platform::ControlId id);
QLineEdit* MakeEdit(ControlRegistry& controls, platform::ControlId id);
// A read-only field, greyed like a dialog's read-only edit control.
QLineEdit* MakeReadOnlyEdit(ControlRegistry& controls, platform::ControlId id);

enum class Selection { Single, Multiple };
enum class Grid { Off, On };
// A report-style list: the columns of ListColumnCaptions, whole rows
// selected, the selection shown also without focus, never edited.
QTableWidget* MakeReportList(ControlRegistry& controls, platform::ControlId id, Selection selection, Grid grid);

}  // namespace corvane::qt
