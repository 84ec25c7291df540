#pragma once

#include <QCheckBox>
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
QCheckBox* MakeCheckBox(ControlRegistry& controls, platform::ControlId id);
GroupFrame* MakeGroup(ControlRegistry& controls, platform::ControlId id);
QLineEdit* MakeEdit(ControlRegistry& controls, platform::ControlId id);
// A read-only field, greyed like a dialog's read-only edit control. It takes
// no drops: files dropped on it go to its page.
QLineEdit* MakeReadOnlyEdit(ControlRegistry& controls, platform::ControlId id);

// A read-only path field: a path too long for it shows its start and its file
// name with "…" between (the whole path while the field has the focus, to
// scroll and copy it), and the whole path as its tooltip. text() is the whole
// path.
class PathField final : public QLineEdit {
public:
    PathField();
    // The text as painted without the focus.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextArea() const;
};
PathField* MakePathField(ControlRegistry& controls, platform::ControlId id);

enum class Selection { Single, Multiple };
enum class Grid { Off, On };
// A report-style list: the columns of ListColumnCaptions, whole rows
// selected, the selection shown also without focus, never edited. A column
// of paths takes the room the list has and elides its paths in the middle.
QTableWidget* MakeReportList(ControlRegistry& controls, platform::ControlId id, Selection selection, Grid grid);

}  // namespace corvane::qt
