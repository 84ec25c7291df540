#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xmlout/CKyuuyoShouyo.h"

namespace corvane {

// One employee of the output data store: code, name, the items under the
// display names of the key table, and the figures of every salary and bonus slot.
class CSyain {
public:
    explicit CSyain(std::string code);
    virtual ~CSyain();
    CSyain(const CSyain&) = delete;
    CSyain& operator=(const CSyain&) = delete;

    const std::string& Code() const { return m_code; }
    const std::string& Name() const { return m_name; }
    // The value stored under `displayName`; "" when none is (and for a name
    // outside the key table, which has no items).
    const std::string& Item(std::string_view displayName) const;
    const std::vector<std::unique_ptr<CFuyosya>>& Dependants() const { return m_dependants; }
    const std::vector<CKyuuyoShouyo>& Salaries() const { return m_salaries; }
    const std::vector<CKyuuyoShouyo>& Bonuses() const { return m_bonuses; }

    void SetCode(std::string code) { m_code = std::move(code); }
    void SetName(std::string name) { m_name = std::move(name); }
    // The items by the display name's XmlItemNameNumber (0 or more); setting
    // one replaces any earlier value.
    const std::string& ItemByNumber(int number) const;
    void SetItemByNumber(int number, std::string value);
    // visit(number, value) for every item stored, in no particular order.
    template <typename Visit>
    void VisitItems(Visit&& visit) const
    {
        for (const auto& item : m_known)
            visit(item.name, item.value);
    }
    void AddSalary(CKyuuyoShouyo&& record) { m_salaries.push_back(std::move(record)); }
    void AddBonus(CKyuuyoShouyo&& record) { m_bonuses.push_back(std::move(record)); }

private:
    // An item under a display name of the key table, kept by the name's number.
    struct KnownItem {
        int name;
        std::string value;
    };

    std::string m_code;
    std::string m_name;
    // One small vector per employee instead of a map node and often a heap
    // key per item: at 50,000 employees the maps cost more memory than the exports.
    std::vector<KnownItem> m_known;
    std::vector<std::unique_ptr<CFuyosya>> m_dependants;
    // By value: an allocation per record was a tenth of a large conversion's time.
    std::vector<CKyuuyoShouyo> m_salaries;
    std::vector<CKyuuyoShouyo> m_bonuses;
};

}  // namespace corvane
