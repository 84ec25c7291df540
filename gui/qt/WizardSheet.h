#pragma once

#include <QDialog>

#include "gui/qt/ControlRegistry.h"
#include "gui/qt/QtControlView.h"
#include "platform/WizardLogic.h"
#include "platform/WizardNavigator.h"

class QPushButton;
class QStackedWidget;

namespace corvane::qt {

// The wizard's window: the six pages, built at once and kept until it
// closes, above the sheet's buttons 戻る, 次へ (or 完了 in its place) and
// キャンセル. Events go to the page shown; WizardNavigator carries out the
// jumps.
class WizardSheet final : public QDialog {
    Q_OBJECT

public:
    explicit WizardSheet(platform::WizardLogic& wizard, QWidget* parent = nullptr);
    ~WizardSheet() override;

    // Attaches the view to the logic and shows the start page.
    void Start();
    // Detaches the view; call once the window has closed.
    void Detach();
    bool IsClosed() const { return m_navigator.IsClosed(); }
    platform::WizardResult Result() const { return m_navigator.Result(); }

    int CurrentPage() const { return m_navigator.Current(); }
    QWidget* PageWidget(int index) const;
    QWidget* Control(platform::ControlId id) const { return m_controls.Find(id); }
    template <typename W>
    W* ControlAs(platform::ControlId id) const
    {
        return qobject_cast<W*>(Control(id));
    }
    QPushButton* BackButton() const { return m_back; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* FinishButton() const { return m_finish; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Escape and the close box: キャンセル.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectControls();
    // Drag and drop of files on a page that takes them.
    bool PageDragEvent(QWidget* page, QEvent* event);
    void SetWizardButtons(unsigned flags);
    platform::PageLogic& ShownPage() { return m_wizard.Page(m_navigator.Current()); }
    // Shows the page that the navigator reports, or closes.
    void Follow(int page);

    platform::WizardLogic& m_wizard;
    ControlRegistry m_controls;
    QtControlView m_view;
    platform::WizardNavigator m_navigator;
    bool m_attached = false;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace corvane::qt
