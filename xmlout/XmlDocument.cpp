// The layout of the intermediate file, line by line.
#include <array>
#include <vector>

#include "xmlout/CExportXMLVeld.h"
#include "xmlout/XMLITEMINFO.h"
#include "xmlout/XmlLineWriter.h"

namespace corvane {

namespace {

// Item levels: children of SYSTEM and BASIC, and every item of an employee.
constexpr int kHeaderItemLevel = 2;
constexpr int kSyainItemLevel = 4;

// The XmlItemNameNumber of each row of a group, found once instead of per employee.
const std::vector<int>& RowNameNumbers(XmlItemGroup group)
{
    static const auto numbers = [] {
        std::array<std::vector<int>, std::size(kXmlItemGroups)> n;
        for (const auto g : kXmlItemGroups) {
            for (const auto& row : XmlItemRows(g))
                n[static_cast<std::size_t>(g)].push_back(XmlItemNameNumber(row.name));
        }
        return n;
    }();
    return numbers[static_cast<std::size_t>(group)];
}

// One employee's items by name number: the groups' rows look each one up at
// once instead of searching the employee's items for it.
class ItemTable {
public:
    ItemTable() : m_values(static_cast<std::size_t>(XmlItemNameCount()), nullptr) {}

    void Fill(const CSyain& syain)
    {
        for (const int number : m_filled)
            m_values[static_cast<std::size_t>(number)] = nullptr;
        m_filled.clear();
        syain.VisitItems([this](int number, const std::string& value) {
            m_values[static_cast<std::size_t>(number)] = &value;
            m_filled.push_back(number);
        });
    }
    std::string_view operator[](int number) const
    {
        const std::string* value = m_values[static_cast<std::size_t>(number)];
        return value ? std::string_view(*value) : std::string_view();
    }

private:
    std::vector<const std::string*> m_values;
    std::vector<int> m_filled;
};

void WriteGroupItems(XmlLineWriter& out, const ItemTable& items, XmlItemGroup group, TransferMode mode)
{
    const auto rows = XmlItemRows(group);
    const auto& numbers = RowNameNumbers(group);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].WrittenIn(mode))
            out.Element(rows[r].tag, items[numbers[r]], kSyainItemLevel);
    }
}

void WriteGroup(XmlLineWriter& out, const ItemTable& items, XmlItemGroup group, TransferMode mode)
{
    const auto tag = XmlItemGroupTag(group);
    out.Indent(12);
    out.Raw("<");
    out.Raw(tag);
    out.Raw(">");
    out.EndLine();
    WriteGroupItems(out, items, group, mode);
    out.Indent(12);
    out.Raw("</");
    out.Raw(tag);
    out.Raw(">");
    out.EndLine();
}

void WriteDependants(XmlLineWriter& out, const CSyain& syain, const ItemTable& items, TransferMode mode)
{
    if (mode == TransferMode::Easy) {
        // The head counts are never stored, so these are always empty.
        WriteGroup(out, items, XmlItemGroup::KazokuJouhou, mode);
        return;
    }
    long long count = 0;
    for (const auto& fuyosya : syain.Dependants()) {
        out.Indent(12);
        out.Raw("<KAZOKU_JOUHOU COUNT=\"");
        out.Number(++count);
        out.Raw("\">");
        out.EndLine();
        out.Element("NAME", fuyosya->NAME, kSyainItemLevel);
        out.Element("ZOKUGARA", fuyosya->ZOKUGARA, kSyainItemLevel);
        out.Element("SEINENGAPPI", fuyosya->SEINENGAPPI, kSyainItemLevel);
        out.Element("FUYOUKUBUN", fuyosya->FUYOUKUBUN, kSyainItemLevel);
        out.Element("SYOUGAISYA", fuyosya->SYOUGAISYA, kSyainItemLevel);
        out.Line(12, "</KAZOKU_JOUHOU>");
    }
}

// A salary's or bonus's element: its line's start before the number, and its closing line.
struct FiguresTag {
    std::string_view opening;
    std::string_view closing;
};

constexpr FiguresTag kSalaryTag{"            <KYUUYO KUBUN=\"", "            </KYUUYO>"};
constexpr FiguresTag kBonusTag{"            <SYOUYO KUBUN=\"", "            </SYOUYO>"};

void WriteFigures(XmlLineWriter& out, const FiguresTag& tag, const CKyuuyoShouyo& record)
{
    out.Raw(tag.opening);
    out.Number(record.KUBUN);
    out.Raw("\">");
    out.EndLine();
    out.Element("SOUSIKYUUGAKU", record.SOUSIKYUUGAKU, kSyainItemLevel);
    out.Element("HOKENKOUJOGAKU", record.HOKENKOUJOGAKU, kSyainItemLevel);
    out.Element("FUYOUSINZOKUSUU", record.FUYOUSINZOKUSUU, kSyainItemLevel);
    out.Element("SANSYUTUZEIGAKU", record.SANSYUTUZEIGAKU, kSyainItemLevel);
    out.Line(0, tag.closing);
}

void WriteSyain(XmlLineWriter& out, const CSyain& syain, ItemTable& items, TransferMode mode)
{
    items.Fill(syain);
    // Code and name are escaped like element values so that any code or name
    // gives a well-formed file.
    out.Indent(8);
    out.Raw("<SYAIN CODE=\"");
    out.Escaped(syain.Code());
    out.Raw("\" NAME=\"");
    out.Escaped(syain.Name());
    out.Raw("\">");
    out.EndLine();

    out.Line(10, "<KIHON_JOUHOU>");
    WriteGroup(out, items, XmlItemGroup::HonninJouhou, mode);
    WriteGroup(out, items, XmlItemGroup::HaiguusyaJouhou, mode);
    WriteDependants(out, syain, items, mode);
    WriteGroup(out, items, XmlItemGroup::KoujogakuJouhou, mode);
    out.Line(10, "</KIHON_JOUHOU>");

    out.Line(10, "<KYUUYOSYOUYO_JOUHOU>");
    for (const auto& record : syain.Salaries())
        WriteFigures(out, kSalaryTag, record);
    for (const auto& record : syain.Bonuses())
        WriteFigures(out, kBonusTag, record);
    WriteGroup(out, items, XmlItemGroup::Goukei, mode);
    out.Line(10, "</KYUUYOSYOUYO_JOUHOU>");
    out.Line(8, "</SYAIN>");
}

std::string_view ModeName(TransferMode mode)
{
    switch (mode) {
    case TransferMode::Normal:
        return "NORMAL";
    case TransferMode::Easy:
        return "EASY";
    }
    return {};
}

}  // namespace

bool CExportXMLVeld::WriteDocument(fileio::ByteSink& sink, TransferMode mode, const std::string& functionId,
                                   const std::string& companyName, const std::string& filingYear) const
{
    XmlLineWriter out(sink);
    out.Line(0, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    out.Line(0, "<REPORT>");

    out.Line(4, "<SYSTEM>");
    out.Element("GYOUMUPREFIX", "Veld", kHeaderItemLevel);
    out.Element("VERSION", "1", kHeaderItemLevel);
    out.Element("FUNCTIONID", functionId, kHeaderItemLevel);
    out.Element("CONNECTEDPROGRAMVER", GetProductVersion(), kHeaderItemLevel);
    out.Element("PROGRAMNAME", "ソルマ給与", kHeaderItemLevel);
    out.Element("PROGRAMVER", GetFileVersion(), kHeaderItemLevel);
    out.Line(4, "</SYSTEM>");

    out.Line(4, "<BASIC>");
    out.Element("KOMONSAKINAME", companyName, kHeaderItemLevel);
    out.Element("SINKOKUNENDO", filingYear, kHeaderItemLevel);
    out.Element("MODE", ModeName(mode), kHeaderItemLevel);
    out.Line(4, "</BASIC>");

    out.Line(4, "<DATA>");
    ItemTable items;
    for (const auto& syain : m_syain) {
        if (out.Failed())
            break;
        WriteSyain(out, *syain, items, mode);
    }
    out.Line(4, "</DATA>");
    out.Line(0, "</REPORT>");
    return out.Finish();
}

std::string CExportXMLVeld::FormatElement(const std::string& tag, const std::string& value, int level)
{
    std::string line;
    AppendElementLine(line, tag, value, level);
    line += '\n';
    return line;
}

std::string CExportXMLVeld::EscapeXMLText(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    AppendEscapedXMLText(escaped, text);
    return escaped;
}

}  // namespace corvane
