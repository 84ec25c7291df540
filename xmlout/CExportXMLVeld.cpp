#include "xmlout/CExportXMLVeld.h"

#include "sormaexport/ExportLayout.h"
#include "xmlout/XMLITEMINFO.h"

namespace corvane {

CExportXMLVeld::CExportXMLVeld(const platform::Messenger& messenger) : m_messenger(messenger)
{
    // Dependant items have no setter: the conversion never fills them.
    for (const auto group : kXmlItemGroups) {
        if (group == XmlItemGroup::KazokuJouhou)
            continue;
        for (const auto& row : XmlItemRows(group)) {
            const auto number = static_cast<std::size_t>(XmlItemNameNumber(row.name));
            if (number >= m_accepted.size())
                m_accepted.resize(number + 1, false);
            m_accepted[number] = true;
        }
    }
}

CExportXMLVeld::~CExportXMLVeld()
{
    m_last = nullptr;
    m_index.clear();
    m_syain.clear();
}

void CExportXMLVeld::SetSyain(const std::string& code, const std::string& name)
{
    CSyain& syain = FindOrAddSyain(code);
    syain.SetCode(code);
    syain.SetName(name);
}

void CExportXMLVeld::SetKoumoku(const std::string& code, const std::string& value, const std::string& item)
{
    SetKoumoku(code, std::string(value), item);
}

void CExportXMLVeld::SetKoumoku(const std::string& code, std::string&& value, const std::string& item)
{
    const int number = AcceptedNumber(item);
    if (number < 0)
        return;
    FindOrAddSyain(code).SetItemByNumber(number, std::move(value));
}

int CExportXMLVeld::AcceptedNumber(const std::string& item) const
{
    const int number = XmlItemNameNumber(item);
    return number >= 0 && static_cast<std::size_t>(number) < m_accepted.size() &&
                   m_accepted[static_cast<std::size_t>(number)]
               ? number
               : -1;
}

void CExportXMLVeld::SetKyuuyoShouyo(const std::string& code, const CKyuuyoShouyo& record)
{
    SetKyuuyoShouyo(code, CKyuuyoShouyo(record));
}

void CExportXMLVeld::SetKyuuyoShouyo(const std::string& code, CKyuuyoShouyo&& record)
{
    CSyain& syain = FindOrAddSyain(code);
    if (record.KUBUN < exportlayout::kFirstBonusPeriod) {
        syain.AddSalary(std::move(record));
    } else if (record.KUBUN <= exportlayout::kLastPeriod) {
        syain.AddBonus(std::move(record));
    } else {
        m_messenger.Show("[SetKyuuyoShouyo]\nPROGRAM ERROR", platform::Icon::None, platform::Buttons::Ok);
    }
}

const CSyain* CExportXMLVeld::FindSyain(const std::string& code) const
{
    const auto it = m_index.find(code);
    return it == m_index.end() ? nullptr : it->second;
}

CSyain& CExportXMLVeld::FindOrAddSyain(const std::string& code)
{
    // SetSyain may change an employee's code but never its key: compare the key.
    if (m_last && m_lastCode == code)
        return *m_last;
    const auto it = m_index.find(code);
    m_last = it != m_index.end() ? it->second : &AddSyain(code);
    m_lastCode = code;
    return *m_last;
}

CSyain& CExportXMLVeld::AddSyain(const std::string& code)
{
    auto& syain = m_syain.emplace_back(std::make_unique<CSyain>(code));
    m_index.emplace(code, syain.get());
    return *syain;
}

}  // namespace corvane
