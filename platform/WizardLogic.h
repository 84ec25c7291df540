#pragma once

#include <string>
#include <vector>

#include "platform/ControlIds.h"
#include "platform/ControlView.h"

// The toolkit-free side of the wizard and of its modal dialogs. The front end
// owns the windows, forwards every event below to the logic, and carries out
// the page jumps and dialog outcomes that the logic returns.
namespace corvane::platform {

// What a page's 次へ or 戻る handler asks for.
struct PageJump {
    enum class Kind { Default, Stay, ToPage };
    Kind kind = Kind::Default;
    int page = -1;  // the page index for ToPage

    // The neighbouring page in the direction of the button.
    static PageJump Default() { return {Kind::Default, -1}; }
    // Stay on the current page.
    static PageJump Stay() { return {Kind::Stay, -1}; }
    static PageJump To(int index) { return {Kind::ToPage, index}; }
    static PageJump To(PageId id) { return {Kind::ToPage, static_cast<int>(id)}; }

    bool operator==(const PageJump&) const = default;
};

// One wizard page. Events reach only the page that is shown, except
// OnInitDialog.
class PageLogic {
public:
    virtual ~PageLogic() = default;

    virtual PageId Id() const = 0;

    // Once per page, after its controls exist and before its first OnSetActive.
    virtual void OnInitDialog() {}
    // The page has become the shown page (also after a jump back to it).
    virtual void OnSetActive() {}
    virtual PageJump OnWizardNext() { return PageJump::Default(); }
    virtual PageJump OnWizardBack() { return PageJump::Default(); }
    // 完了: true closes the wizard with the finish result.
    virtual bool OnWizardFinish() { return true; }
    // キャンセル (or closing the window): true closes with the cancel result.
    virtual bool OnQueryCancel() { return true; }

    // A button of the page was pressed (the button has the focus meanwhile).
    virtual void OnCommand(ControlId /*id*/) {}
    // A double click in a list view of the page.
    virtual void OnDoubleClick(ControlId /*id*/) {}
    // The user changed the text of an edit field (typing, pasting, deleting).
    // Not sent for texts that the logic sets through ControlView::SetText:
    // the logic runs its own reaction then.
    virtual void OnTextChanged(ControlId /*id*/) {}
    // Files or folders were dropped on the page (paths as the file dialogs
    // give them). `target` is the control under the drop point (None when
    // none) and `row` the list row under it (-1 when none).
    virtual void OnDropFiles(ControlId /*target*/, int /*row*/, const std::vector<std::string>& /*paths*/) {}
};

// The wizard sheet: a fixed list of pages shown in wizard mode, no help
// button. The host attaches its view before the first event and detaches it
// (nullptr) when the wizard has closed.
class WizardLogic {
public:
    virtual ~WizardLogic() = default;

    // The window caption (code page 932), also the caption of every page.
    virtual const std::string& Caption() const = 0;
    virtual int PageCount() const = 0;
    virtual PageLogic& Page(int index) = 0;
    // The page shown first.
    virtual int StartPage() const { return 0; }
    virtual void AttachView(WizardView* view) = 0;
};

enum class WizardResult { Finished, Cancelled };

// What a dialog's event handler asks for.
enum class DialogOutcome { Stay, Ok, Cancel };

// A modal dialog.
class DialogLogic {
public:
    virtual ~DialogLogic() = default;

    virtual DialogId Id() const = 0;
    // The window title (code page 932).
    virtual const std::string& Title() const = 0;
    // Once, after the dialog's controls exist. `view` stays valid until the
    // dialog closes.
    virtual void OnInitDialog(ControlView& view) = 0;
    // A button other than OK and Cancel was pressed.
    virtual DialogOutcome OnCommand(ControlId /*id*/) { return DialogOutcome::Stay; }
    // A double click in a list of the dialog.
    virtual DialogOutcome OnDoubleClick(ControlId /*id*/) { return DialogOutcome::Stay; }
    // The default button: the OK button, or Enter in a field.
    virtual DialogOutcome OnOk() { return DialogOutcome::Ok; }
    // The cancel button, Escape or closing the window.
    virtual DialogOutcome OnCancel() { return DialogOutcome::Cancel; }
};

}  // namespace corvane::platform
