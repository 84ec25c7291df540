#include "xmlout/CSyain.h"

namespace corvane {

CSyain::CSyain(std::string code) : m_code(std::move(code)) {}

CSyain::~CSyain() = default;

const std::string& CSyain::Item(std::string_view displayName) const
{
    static const std::string empty;
    const auto it = m_items.find(displayName);
    return it == m_items.end() ? empty : it->second;
}

void CSyain::SetItem(std::string_view displayName, std::string value)
{
    const auto it = m_items.find(displayName);
    if (it != m_items.end())
        it->second = std::move(value);
    else
        m_items.emplace(std::string(displayName), std::move(value));
}

}  // namespace corvane
