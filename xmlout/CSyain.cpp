#include "xmlout/CSyain.h"

#include "xmlout/XMLITEMINFO.h"

namespace corvane {

CSyain::CSyain(std::string code) : m_code(std::move(code))
{
    // Room for the twelve months and five bonuses that the conversion adds to everyone.
    m_salaries.reserve(12);
    m_bonuses.reserve(5);
}

CSyain::~CSyain() = default;

namespace {

// The items that the conversion sets for every employee.
constexpr std::size_t kUsualItems = 16;

}  // namespace

const std::string& CSyain::Item(std::string_view displayName) const
{
    static const std::string empty;
    const int number = XmlItemNameNumber(displayName);
    if (number >= 0)
        return ItemByNumber(number);
    const auto it = m_items.find(displayName);
    return it == m_items.end() ? empty : it->second;
}

void CSyain::SetItem(std::string_view displayName, std::string value)
{
    const int number = XmlItemNameNumber(displayName);
    if (number >= 0) {
        SetItemByNumber(number, std::move(value));
        return;
    }
    const auto it = m_items.find(displayName);
    if (it != m_items.end())
        it->second = std::move(value);
    else
        m_items.emplace(std::string(displayName), std::move(value));
}

const std::string& CSyain::ItemByNumber(int number) const
{
    static const std::string empty;
    for (const auto& item : m_known) {
        if (item.name == number)
            return item.value;
    }
    return empty;
}

void CSyain::SetItemByNumber(int number, std::string value)
{
    for (auto& item : m_known) {
        if (item.name == number) {
            item.value = std::move(value);
            return;
        }
    }
    if (m_known.empty())
        m_known.reserve(kUsualItems);
    m_known.push_back({number, std::move(value)});
}

}  // namespace corvane
