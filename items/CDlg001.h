#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Messenger.h"
#include "platform/WizardLogic.h"

namespace corvane {

// The item selection dialog: picks the heading of the summary exports that
// supplies one target figure. The list offers a blank entry (no column), then
// the headings from exportlayout::kFirstChoosableHeading on (2, 3, ...); list
// entry e stands for heading e + 1.
class CDlg001 final : public platform::DialogLogic {
public:
    explicit CDlg001(const platform::Messenger& messenger);

    // The heading line, owned by the caller; it must outlive the dialog.
    void SetHeadings(const std::vector<std::string>* headings) { m_headings = headings; }
    void SetInitialSearchText(std::string text) { m_initialSearchText = std::move(text); }
    // The heading position to select first; -1 selects the blank entry.
    void SetInitialPosition(std::int32_t position) { m_initialPosition = position; }
    // The correspondence row (0 to 3) whose explanation is shown.
    void SetRowNumber(std::int32_t row) { m_rowNumber = row; }

    // After OK: the chosen heading position, -1 for the blank entry, 0 when
    // no entry was selected.
    std::int32_t ChosenPosition() const { return m_chosenPosition; }

    // The explanation of a row; "" for any other number.
    static const std::string& Explanation(std::int32_t row);
    static const std::string& DialogTitle();
    // The entry that a search for `text` selects, starting after `selected`
    // and wrapping around; the blank entry 0 is never examined. -1 when no
    // entry contains the text (double-byte aware).
    static int FindNextEntry(const std::vector<std::string>& entries, int selected, const std::string& text);

    // platform::DialogLogic
    platform::DialogId Id() const override { return platform::DialogId::ItemSelection; }
    const std::string& Title() const override { return DialogTitle(); }
    void OnInitDialog(platform::ControlView& view) override;
    platform::DialogOutcome OnCommand(platform::ControlId id) override;
    platform::DialogOutcome OnDoubleClick(platform::ControlId id) override;
    platform::DialogOutcome OnOk() override;
    platform::DialogOutcome OnCancel() override { return platform::DialogOutcome::Cancel; }

private:
    void Search();

    const platform::Messenger& m_messenger;
    platform::ControlView* m_view = nullptr;
    const std::vector<std::string>* m_headings = nullptr;
    std::string m_initialSearchText;
    std::int32_t m_initialPosition = -1;
    std::int32_t m_rowNumber = -1;
    std::int32_t m_chosenPosition = -1;
};

}  // namespace corvane
