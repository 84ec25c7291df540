#pragma once

#include <QDialog>

#include "gui/qt/ControlRegistry.h"
#include "gui/qt/QtControlView.h"
#include "platform/WizardLogic.h"

namespace corvane::qt {

// The item selection dialog "項目選択": a search field with 検索 to its
// right, the heading list, the 説明 box, and OK (the default button: Enter
// in the search field presses it) and ｷｬﾝｾﾙ. Its events go to the logic,
// which decides when it closes.
class ItemSelectionDialog final : public QDialog {
    Q_OBJECT

public:
    ItemSelectionDialog(platform::DialogLogic& logic, QWidget* parent = nullptr);

    // Lets the logic fill the controls; call once before exec().
    void Init();
    // How it closed; Stay while it is open.
    platform::DialogOutcome Outcome() const { return m_outcome; }

    QWidget* Control(platform::ControlId id) const { return m_controls.Find(id); }
    template <typename W>
    W* ControlAs(platform::ControlId id) const
    {
        return qobject_cast<W*>(Control(id));
    }

    // Escape and the close box: ｷｬﾝｾﾙ.
    void reject() override;

private:
    void Apply(platform::DialogOutcome outcome);

    platform::DialogLogic& m_logic;
    ControlRegistry m_controls;
    QtControlView m_view;
    platform::DialogOutcome m_outcome = platform::DialogOutcome::Stay;
};

}  // namespace corvane::qt
