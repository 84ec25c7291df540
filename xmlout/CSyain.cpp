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
    return ItemByNumber(XmlItemNameNumber(displayName));
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
