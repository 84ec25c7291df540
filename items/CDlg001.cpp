#include "items/CDlg001.h"

#include "sormaexport/ExportLayout.h"
#include "text/Cp932.h"

namespace corvane {

using platform::ControlId;
using platform::DialogOutcome;

namespace {

using exportlayout::kFirstChoosableHeading;
// List entry 0 is the blank one; entry e stands for heading e + kHeadingOfEntry.
constexpr int kHeadingOfEntry = static_cast<int>(kFirstChoosableHeading) - 1;

}  // namespace

CDlg001::CDlg001(const platform::Messenger& messenger) : m_messenger(messenger) {}

const std::string& CDlg001::DialogTitle()
{
    static const std::string title = "項目選択";
    return title;
}

const std::string& CDlg001::Explanation(std::int32_t row)
{
    static const std::string texts[] = {
        "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[課税支給合計]欄\n"
        "※ソルマ給与との初期対応項目は｢課税支給合計｣です。",
        "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[社会保険料等の控除額]欄\n"
        "※ソルマ給与との初期対応項目は｢社会保険料計｣です。",
        "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[扶養親族等の数]欄\n"
        "※ソルマ給与との初期対応項目は｢扶養人数｣です。",
        "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[算出税額]欄\n"
        "※ソルマ給与との初期対応項目は｢所得税｣です。",
    };
    static const std::string none;
    return row >= 0 && row < 4 ? texts[row] : none;
}

int CDlg001::FindNextEntry(const std::vector<std::string>& entries, int selected, const std::string& text)
{
    const int count = static_cast<int>(entries.size());
    const int start = (selected < 0 || selected >= count - 1) ? 1 : selected + 1;
    for (int e = start; e < count; ++e)
        if (text::Contains(entries[static_cast<std::size_t>(e)], text))
            return e;
    for (int e = 1; e < start && e < count; ++e)
        if (text::Contains(entries[static_cast<std::size_t>(e)], text))
            return e;
    return -1;
}

void CDlg001::OnInitDialog(platform::ControlView& view)
{
    m_view = &view;
    view.ListBoxReset(ControlId::HeadingList);
    if (m_headings == nullptr) {
        m_messenger.Show("NULL POINTER ERROR", platform::Icon::None);
        return;
    }

    const auto& headings = *m_headings;
    view.ListBoxAdd(ControlId::HeadingList, "");
    for (std::size_t i = kFirstChoosableHeading; i < headings.size(); ++i)
        view.ListBoxAdd(ControlId::HeadingList, headings[i]);

    std::int32_t position = m_initialPosition;
    if (position < 0 || static_cast<std::size_t>(position) >= headings.size())
        position = -1;
    if (position == -1) {
        view.ListBoxSetSelection(ControlId::HeadingList, 0);
        view.SetText(ControlId::SearchEdit, m_initialSearchText);
    } else {
        // The heading before the first offered one selects the blank entry; those
        // before it select nothing.
        view.ListBoxSetSelection(ControlId::HeadingList, position - kHeadingOfEntry);
        view.SetText(ControlId::SearchEdit, headings[static_cast<std::size_t>(position)]);
    }
    view.SetText(ControlId::ExplanationText, Explanation(m_rowNumber));
}

void CDlg001::Search()
{
    const std::string text = m_view->GetText(ControlId::SearchEdit);
    if (text.empty())
        return;
    std::vector<std::string> entries;
    const int count = m_view->ListBoxCount(ControlId::HeadingList);
    entries.reserve(static_cast<std::size_t>(count));
    for (int e = 0; e < count; ++e)
        entries.push_back(m_view->ListBoxText(ControlId::HeadingList, e));
    const int found = FindNextEntry(entries, m_view->ListBoxSelection(ControlId::HeadingList), text);
    if (found >= 0)
        m_view->ListBoxSetSelection(ControlId::HeadingList, found);
}

DialogOutcome CDlg001::OnCommand(ControlId id)
{
    if (id == ControlId::SearchButton && m_view != nullptr)
        Search();
    return DialogOutcome::Stay;
}

DialogOutcome CDlg001::OnDoubleClick(ControlId id)
{
    return id == ControlId::HeadingList ? OnOk() : DialogOutcome::Stay;
}

DialogOutcome CDlg001::OnOk()
{
    const int entry = m_view != nullptr ? m_view->ListBoxSelection(ControlId::HeadingList) : -1;
    m_chosenPosition = entry == 0 ? -1 : entry + kHeadingOfEntry;
    return DialogOutcome::Ok;
}

}  // namespace corvane
